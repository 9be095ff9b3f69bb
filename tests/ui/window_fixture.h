#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "batch/job_progress.h"
#include "settings/conversion_job.h"
#include "settings/settings.h"
#include "ui/shell_open.h"
#include "ui/user_dialogs.h"
#include "ui/window_mode.h"
#include "update/update_check.h"

namespace tessaro::test {

// A QtTest class of the window mode, known by the name of its class.
struct UiTestClass {
    std::string name;
    std::function<QObject*()> make;
};

// Every QtTest class of the window mode registers itself here; the test main
// runs the one named on its command line, or all of them in turn.
std::vector<UiTestClass>& uiTestClasses();

template <typename TestClass>
bool registerUiTest() {
    std::string name = TestClass::staticMetaObject.className();
    name.erase(0, name.rfind(':') + 1);
    uiTestClasses().push_back({std::move(name), [] { return new TestClass; }});
    return true;
}

// Drops local files on the main window as a file manager does.
void dropFiles(MainWindow& window, const std::vector<std::string>& paths);

// A window mode of its own for one test: the process's records, a private
// config folder, dialogs that record what they were asked and answer as told
// instead of waiting for a user, a shell that records what it was to open,
// and a vendor server that publishes `publishedVersion`.
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();
    WindowFixture(const WindowFixture&) = delete;
    WindowFixture& operator=(const WindowFixture&) = delete;

    std::filesystem::path root() const;
    std::filesystem::path configFile() const;
    // Writes config.ini before the start.
    void writeConfig(const std::string& text) const;
    std::string readConfig() const;
    // The line of config.ini that holds `key`, without its line end; "" when none.
    std::string configLine(const std::string& key) const;
    // A file of `bytes` non-zero bytes (or an icon when `icon` is set) below the root.
    std::string makeFile(const std::string& relativePath, size_t bytes = 10) const;
    std::string makeIcon(const std::string& relativePath) const;
    std::string makeFolder(const std::string& relativePath) const;

    void start();
    MainWindow& window() { return *mode.window; }

    Settings settings;
    ConversionJob job;
    JobProgress progress;
    WindowMode mode{settings, job, progress, {}, {}, {}, {}, {}};

    // What the dialogs were asked, one line per call: "kind|title|text".
    std::vector<std::string> asked;
    bool questionAnswer = false;
    QString fileAnswer;
    QString folderAnswer;
    QStringList offeredFilters;
    // The colour and font choosers' answers; nothing as when cancelled.
    std::optional<QColor> colorAnswer;
    std::optional<QFont> fontAnswer;
    // What the shell was asked to open, in order.
    std::vector<std::string> opened;
    // The start of the vendor's version file; "" as when the server is unreachable.
    std::string publishedVersion;

private:
    QTemporaryDir folder_;
    UserDialogs previousDialogs_;
    ShellOpener previousOpener_;
    VersionFetch previousVersionSource_;
};

}  // namespace tessaro::test
