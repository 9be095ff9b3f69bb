#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "settings/ini_reader.h"
#include "settings/preferences_file.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

constexpr uid_t secondUser = 65534;

// What one start and close of the window mode did with config.ini.
struct StartAndClose {
    bool read = false;
    int jpgQualityRead = 0;
    std::string unreadable;   // the reason noted at the start, "" for none
    std::string saveFailure;  // "" when the close saved
};

StartAndClose startAndClose(const std::string& path) {
    StartAndClose outcome;
    PreferencesFile file{path};
    Settings settings;
    outcome.read = loadPreferences(settings, file);
    outcome.jpgQualityRead = settings.output.jpgQuality;
    outcome.unreadable = file.unreadable ? file.unreadable->reason : "";
    settings.output.jpgQuality = 42;
    Result<void> saved = savePreferences(settings, file);
    outcome.saveFailure = saved ? "" : saved.failure().reason;
    return outcome;
}

// Runs startAndClose in a child, as `user` when one is given, so that a file
// that holds the reader ends as a failure after a while instead of a hang.
std::optional<StartAndClose> startAndCloseInChild(const std::string& path,
                                                  std::optional<uid_t> user) {
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        if (user && (setgroups(0, nullptr) != 0 || setresgid(*user, *user, *user) != 0 ||
                     setresuid(*user, *user, *user) != 0))
            _exit(125);
        const StartAndClose outcome = startAndClose(path);
        const std::string report = std::to_string(outcome.read) + "\n" +
                                   std::to_string(outcome.jpgQualityRead) + "\n" +
                                   outcome.unreadable + "\n" + outcome.saveFailure + "\n";
        const bool written =
            write(channel[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
        _exit(written ? 0 : 126);
    }
    close(channel[1]);
    std::string report;
    pollfd waiting{channel[0], POLLIN, 0};
    char buffer[4096];
    while (poll(&waiting, 1, 20000) > 0) {
        const ssize_t count = read(channel[0], buffer, sizeof buffer);
        if (count <= 0)
            break;
        report.append(buffer, static_cast<size_t>(count));
    }
    close(channel[0]);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    std::istringstream lines(report);
    StartAndClose outcome;
    std::string read, quality;
    std::getline(lines, read);
    std::getline(lines, quality);
    std::getline(lines, outcome.unreadable);
    std::getline(lines, outcome.saveFailure);
    outcome.read = read == "1";
    outcome.jpgQualityRead = std::stoi(quality);
    return outcome;
}

// What lies at `path`, as far as this test cares: links are followed and
// named, files show their JPG quality line.
std::string describe(const fs::path& path) {
    const fs::file_status status = fs::symlink_status(path);
    switch (status.type()) {
        case fs::file_type::not_found:
            return "nothing";
        case fs::file_type::symlink:
            return "link to " + describe(fs::absolute(path.parent_path() / fs::read_symlink(path)));
        case fs::file_type::fifo:
            return "fifo";
        case fs::file_type::directory:
            return "folder";
        case fs::file_type::regular: {
            std::ifstream file(path, std::ios::binary);
            const std::string text{std::istreambuf_iterator<char>(file), {}};
            const size_t line = text.find("JPG Quality = ");
            return line == std::string::npos
                       ? "file"
                       : "file, " + text.substr(line, text.find('\r', line) - line);
        }
        default:
            return "something else";
    }
}

void writeConfig(const fs::path& path, const std::string& extra = {}) {
    std::ofstream(path, std::ios::binary) << "[Output]\r\nJPG Quality = 70\r\n" << extra;
}

TEST(PreferencesAccess, ConfigIniIsNeverDestroyed) {
    const bool superuser = geteuid() == 0;
    ScratchHome home;
    // The second user must reach its own folder below the scratch home.
    fs::permissions(home.root(), fs::perms::owner_all | fs::perms::others_exec);
    const fs::path elsewhere = home.root() / "elsewhere";
    fs::create_directory(elsewhere);

    struct Case {
        const char* name;
        bool asSecondUser;
        std::function<void(const fs::path&)> place;  // puts something at config.ini
        bool read;
        int jpgQualityRead;
        std::string unreadable;
        std::string saveFailure;  // a part of the reason
        std::string afterwards;
    };
    const Case cases[] = {
        {"a plain file", false, [](const fs::path& path) { writeConfig(path); }, true, 70, "", "",
         "file, JPG Quality = 42"},
        {"nothing yet", false, [](const fs::path&) {}, false, 95, "", "", "file, JPG Quality = 42"},
        {"mode 000", true,
         [](const fs::path& path) {
             writeConfig(path);
             EXPECT_EQ(chown(path.c_str(), secondUser, secondUser), 0);
             chmod(path.c_str(), 0);
         },
         false, 95, "Permission denied", "could not be read: Permission denied",
         "file, JPG Quality = 70"},
        {"read-only for its owner", true,
         [](const fs::path& path) {
             writeConfig(path);
             EXPECT_EQ(chown(path.c_str(), secondUser, secondUser), 0);
             chmod(path.c_str(), 0444);
         },
         true, 70, "", "Permission denied", "file, JPG Quality = 70"},
        {"read-only, even for the superuser", false,
         [](const fs::path& path) {
             writeConfig(path);
             chmod(path.c_str(), 0444);
         },
         true, 70, "", "Permission denied", "file, JPG Quality = 70"},
        {"a link to a file elsewhere", false,
         [&](const fs::path& path) {
             writeConfig(elsewhere / "linked.ini");
             fs::create_symlink("../elsewhere/linked.ini", path);
         },
         true, 70, "", "", "link to file, JPG Quality = 42"},
        {"a dangling link", false,
         [&](const fs::path& path) { fs::create_symlink(elsewhere / "dangling.ini", path); }, false,
         95, "", "", "link to file, JPG Quality = 42"},
        {"a FIFO", false, [](const fs::path& path) { mkfifo(path.c_str(), 0600); }, false, 95,
         "not a regular file", "could not be read", "fifo"},
        {"a folder", false, [](const fs::path& path) { fs::create_directory(path); }, false, 95,
         "not a regular file", "could not be read", "folder"},
        {"a file beyond the size bound", false,
         [](const fs::path& path) { writeConfig(path, std::string(iniReadLimit, ';')); }, false, 95,
         "larger than 1048576 bytes", "could not be read", "file, JPG Quality = 70"},
    };
    int number = 0;
    bool skippedAny = false;
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const fs::path folder = home.root() / ("case" + std::to_string(++number));
        fs::create_directory(folder);
        std::optional<uid_t> user;
        if (row.asSecondUser) {
            if (!superuser) {
                skippedAny = true;
                continue;
            }
            user = secondUser;
            ASSERT_EQ(chown(folder.c_str(), secondUser, secondUser), 0);
        }
        const fs::path path = folder / "config.ini";
        row.place(path);

        const std::optional<StartAndClose> outcome = startAndCloseInChild(path.string(), user);
        ASSERT_TRUE(outcome.has_value()) << "the load and save did not finish";
        EXPECT_EQ(outcome->read, row.read);
        EXPECT_EQ(outcome->jpgQualityRead, row.jpgQualityRead);
        EXPECT_EQ(outcome->unreadable, row.unreadable);
        if (row.saveFailure.empty())
            EXPECT_EQ(outcome->saveFailure, "");
        else
            EXPECT_NE(outcome->saveFailure.find(row.saveFailure), std::string::npos)
                << outcome->saveFailure;
        EXPECT_EQ(describe(path), row.afterwards);
    }
    if (skippedAny)
        GTEST_SKIP() << "the cases of a second user need the superuser to become one";
}

}  // namespace
}  // namespace tessaro::test
