#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <future>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace tessaro::test {

// A socket descriptor closed when it goes.
struct TestSocket {
    int fd = -1;
    explicit TestSocket(int descriptor) : fd(descriptor) {}
    TestSocket(const TestSocket&) = delete;
    TestSocket& operator=(const TestSocket&) = delete;
    ~TestSocket() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

// A socket bound to 127.0.0.1 on a port the system picks; returns the port.
inline uint16_t bindLoopback(const TestSocket& socket) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(socket.fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        return 0;
    }
    socklen_t length = sizeof address;
    ::getsockname(socket.fd, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

// What the server does once it has read a request.
struct ServerScript {
    // Sent one after another, with `pause` between two pieces, then the
    // connection is closed. Without pieces the server never answers and
    // holds the connection until the client gives up.
    std::vector<std::string> pieces;
    std::chrono::milliseconds pause{0};
};

// An HTTP server on 127.0.0.1 that serves one connection in its own thread
// and records the request it received.
class LocalHttpServer {
public:
    explicit LocalHttpServer(ServerScript script)
        : listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)),
          port_(bindLoopback(listener_)) {
        ::listen(listener_.fd, 1);
        thread_ = std::thread([this, script = std::move(script)] { serve(script); });
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;
    ~LocalHttpServer() {
        stopping_ = true;
        thread_.join();
    }

    std::string url(const std::string& path = "/files/tessaro.dat") const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    // The request bytes up to and including the first empty line ("" when
    // none came within a few seconds).
    std::string receivedRequest() { return request_.get_future().get(); }

private:
    // Waits for `fd` to become readable, giving up when the server stops or
    // after a few seconds, so that a failing test cannot hang.
    bool readable(int fd) const {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds{5};
        while (!stopping_ && std::chrono::steady_clock::now() < giveUp) {
            pollfd entry{fd, POLLIN, 0};
            if (::poll(&entry, 1, 10) > 0) {
                return true;
            }
        }
        return false;
    }

    void serve(const ServerScript& script) {
        std::string request;
        if (!readable(listener_.fd)) {
            request_.set_value(request);
            return;
        }
        const TestSocket connection{::accept4(listener_.fd, nullptr, nullptr, SOCK_CLOEXEC)};
        char buffer[512];
        while (request.find("\r\n\r\n") == std::string::npos && readable(connection.fd)) {
            const ssize_t count = ::recv(connection.fd, buffer, sizeof buffer, 0);
            if (count <= 0) {
                break;
            }
            request.append(buffer, static_cast<std::size_t>(count));
        }
        request_.set_value(request);
        if (script.pieces.empty()) {
            // Silent until the client closes its end.
            while (readable(connection.fd) && ::recv(connection.fd, buffer, sizeof buffer, 0) > 0) {
            }
            return;
        }
        for (std::size_t i = 0; i < script.pieces.size(); ++i) {
            if (i > 0) {
                std::this_thread::sleep_for(script.pause);
            }
            const std::string& piece = script.pieces[i];
            ::send(connection.fd, piece.data(), piece.size(), MSG_NOSIGNAL);
        }
    }

    TestSocket listener_;
    uint16_t port_;
    std::atomic<bool> stopping_{false};
    std::promise<std::string> request_;
    std::thread thread_;
};

}  // namespace tessaro::test
