#include "ui/display_check.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace tessaro {

namespace {

std::string_view environmentText(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool qtUsesX11() {
    const std::string_view platform = environmentText("QT_QPA_PLATFORM");
    if (platform.empty())
        return environmentText("WAYLAND_DISPLAY").empty();
    return platform.starts_with("xcb");
}

std::string connectionProblem(int error) {
    switch (error) {
        case XCB_CONN_CLOSED_PARSE_ERR:
            return "it is not a display name";
        case XCB_CONN_CLOSED_INVALID_SCREEN:
            return "the display has no such screen";
        case XCB_CONN_CLOSED_MEM_INSUFFICIENT:
            return "there is not enough memory";
        default:
            return "no X server there accepts a connection";
    }
}

struct ConnectionCloser {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

}  // namespace

Result<void> checkDisplayReachable() {
    if (!qtUsesX11())
        return {};
    const std::string display(environmentText("DISPLAY"));
    if (display.empty())
        return Failure{"The window mode needs a display, and DISPLAY is not set"};
    // xcb_connect always returns a connection object; a failed one only
    // reports its error.
    const std::unique_ptr<xcb_connection_t, ConnectionCloser> connection(
        xcb_connect(display.c_str(), nullptr));
    if (const int error = xcb_connection_has_error(connection.get()); error != 0)
        return Failure{"The window mode cannot reach the display " + display + ": " +
                       connectionProblem(error)};
    return {};
}

}  // namespace tessaro
