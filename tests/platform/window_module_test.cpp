#include <FreeImage.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

// Runs a shell script and returns what it printed on standard output.
std::string runScript(const std::string& script) {
    std::string output;
    FILE* pipe = popen(script.c_str(), "r");
    if (pipe == nullptr)
        return output;
    char buffer[4096];
    size_t count = 0;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, count);
    pclose(pipe);
    return output;
}

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string homeEnvironment(const ScratchHome& home) {
    return "HOME='" + home.root().string() + "' XDG_CONFIG_HOME='" + home.configHome().string() +
           "' XDG_RUNTIME_DIR='" + home.runtimeDir().string() + "' ";
}

TEST(WindowModule, WithoutDisplayTheWindowModeExplainsAndFails) {
    ScratchHome home;
    const std::string output =
        runScript("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + homeEnvironment(home) +
                  "'" + TESSARO_PROGRAM_PATH + "' 2>&1; echo \"status=$?\"");
#if TESSARO_WINDOW_MODE
    EXPECT_NE(output.find("Error: The window mode needs a display"), std::string::npos) << output;
#else
    EXPECT_NE(output.find("Error: The window mode is not available in this build"),
              std::string::npos)
        << output;
#endif
    EXPECT_EQ(output.find("status=0"), std::string::npos) << output;
    EXPECT_FALSE(fs::exists(home.configHome() / "Brimvale" / "tessaro" / "config.ini"));
}

TEST(WindowModule, ConsoleModeNeverLoadsTheWindowModule) {
    ScratchHome home;
    const std::string output = runScript("LD_DEBUG=files " + homeEnvironment(home) + "'" +
                                         TESSARO_PROGRAM_PATH + "' -v 2>&1");
    EXPECT_NE(output.find("2.7"), std::string::npos) << output;
    EXPECT_EQ(output.find("tessaro-ui"), std::string::npos);
    EXPECT_EQ(output.find("libQt6"), std::string::npos);
}

#if TESSARO_WINDOW_MODE

std::vector<std::string> fileNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A display number that no X server on this machine uses: X servers keep a
// lock file and a socket under /tmp for theirs.
std::string unusedDisplay() {
    for (int number = 99; number < 1000; ++number) {
        const std::string digits = std::to_string(number);
        if (!fs::exists("/tmp/.X" + digits + "-lock") && !fs::exists("/tmp/.X11-unix/X" + digits))
            return ":" + digits;
    }
    return {};
}

// The window mode, the screenshot run and the uninstall window with a display
// that nothing answers: one line that says so and the "window mode
// unavailable" status (4), not Qt's abort.
class UnreachableDisplay : public testing::TestWithParam<const char*> {};

TEST_P(UnreachableDisplay, ExplainsInOneLineAndFails) {
    ScratchHome home;
    const std::string display = unusedDisplay();
    ASSERT_FALSE(display.empty());
    const std::string output =
        runScript("cd '" + home.root().string() +
                  "' && env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=" + display + " " +
                  homeEnvironment(home) + "'" + TESSARO_PROGRAM_PATH + "' " + GetParam() +
                  " 2>&1; echo \"status=$?\"");
    EXPECT_EQ(output, "Error: The window mode cannot reach the display " + display +
                          ": no X server there accepts a connection; run tessaro -h for the "
                          "console options.\nstatus=4\n");
    EXPECT_EQ(fileNames(home.root()), (std::vector<std::string>{"config", "runtime"}));
}

INSTANTIATE_TEST_SUITE_P(Starts, UnreachableDisplay, testing::Values("", "-T .", "-U"));

TEST(WindowModule, ProgramWithoutItsModuleExplainsAndFails) {
    ScratchHome home;
    const fs::path lonely = home.root() / "bin" / "tessaro";
    fs::create_directories(lonely.parent_path());
    fs::copy_file(TESSARO_PROGRAM_PATH, lonely);
    const std::string output = runScript("QT_QPA_PLATFORM=offscreen " + homeEnvironment(home) +
                                         "'" + lonely.string() + "' 2>&1; echo \"status=$?\"");
    EXPECT_NE(output.find("Error: The window mode module tessaro-ui.so was not found"),
              std::string::npos)
        << output;
    EXPECT_EQ(output.find("status=0"), std::string::npos) << output;
}

TEST(WindowModule, TerminationClosesTheWindowAndSavesThePreferences) {
    ScratchHome home;
    const fs::path configFolder = home.configHome() / "Brimvale" / "tessaro";
    // The configuration folder appears once the window mode handles the
    // termination signal itself.
    const std::string output = runScript(
        "QT_QPA_PLATFORM=offscreen " + homeEnvironment(home) + "'" + TESSARO_PROGRAM_PATH +
        "' & pid=$!; i=0; while [ ! -d '" + configFolder.string() +
        "' ] && [ $i -lt 400 ]; do sleep 0.05; i=$((i+1)); done; kill -TERM $pid; wait $pid; "
        "echo \"status=$?\"");
    EXPECT_NE(output.find("status=0"), std::string::npos) << output;
    const std::string saved = readText(configFolder / "config.ini");
    EXPECT_TRUE(saved.starts_with("\xEF\xBB\xBF\r\n[General]\r\n")) << saved;
    EXPECT_NE(saved.find("\r\nWidth = 510\r\n"), std::string::npos) << saved;
}

// While a window mode runs, a second start of either mode ends at once (the
// window-mode one quietly with status 0) and the running copy goes on.
TEST(WindowModule, SecondCopyEndsWhileTheWindowModeRuns) {
    ScratchHome home;
    const fs::path configFolder = home.configHome() / "Brimvale" / "tessaro";
    const fs::path icon = home.root() / "a.ico";
    ASSERT_TRUE(writeIcon(icon, {filledPage(16, 16, 32, {10, 200, 10, 255})}));
    const std::string program = "'" + std::string(TESSARO_PROGRAM_PATH) + "'";
    const std::string output = runScript(
        "export QT_QPA_PLATFORM=offscreen " + homeEnvironment(home) + "; " + program +
        " & pid=$!; i=0; while [ ! -d '" + configFolder.string() +
        "' ] && [ $i -lt 400 ]; do sleep 0.05; i=$((i+1)); done; timeout 20 " + program +
        " 2>&1; echo \"window=$?\"; timeout 20 " + program + " -i '" + icon.string() +
        "' 2>&1; echo \"console=$?\"; kill -TERM $pid; wait $pid; echo \"first=$?\"");
    // timeout(1) ends with 124 when the copy it runs hangs; the quiet window
    // start leaves its status as the first line of the output.
    EXPECT_TRUE(output.starts_with("window=0\n")) << output;
    EXPECT_NE(output.find("Error: Another copy of Brimvale ICO to JPG 2.7 is running.\nconsole=3"),
              std::string::npos)
        << output;
    EXPECT_FALSE(fs::exists(home.root() / "a.jpg"));
    EXPECT_NE(output.find("first=0"), std::string::npos) << output;
}

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

PictureSize jpegSize(const fs::path& path) {
    FIBITMAP* picture = FreeImage_Load(FIF_JPEG, path.c_str(), JPEG_DEFAULT);
    if (picture == nullptr)
        return {};
    const PictureSize size{static_cast<int>(FreeImage_GetWidth(picture)),
                           static_cast<int>(FreeImage_GetHeight(picture))};
    FreeImage_Unload(picture);
    return size;
}

// The window mode on a private X server, brought into one state and sent one
// signal: it ends at once with status 0, whatever is open, without a question;
// config.ini is saved (the changed quality survives, the window keys only a
// save writes are there) and no temporary file is left in the output folder.
struct WindowSignalCase {
    const char* state;
    const char* signal;
};

class WindowModeSignal : public testing::TestWithParam<WindowSignalCase> {};

TEST_P(WindowModeSignal, EndsAtOnceAndSavesThePreferences) {
    const WindowSignalCase& signalCase = GetParam();
    const std::string state = signalCase.state;
    ScratchHome home;
    const fs::path output = home.root() / "out";
    fs::create_directories(output);
    // Every page is enlarged, so the run lasts long enough to be caught, and
    // the signal ends it after the page in hand.
    constexpr size_t pageCount = 200;
    std::vector<IconPage> pages(pageCount, filledPage(16, 16, 32, {200, 30, 30, 255}));
    const fs::path icon = home.root() / "big.ico";
    ASSERT_TRUE(writeIcon(icon, pages));
    const fs::path configFolder = home.configHome() / "Brimvale" / "tessaro";
    fs::create_directories(configFolder);
    {
        std::ofstream config(configFolder / "config.ini", std::ios::binary);
        config << "\xEF\xBB\xBF\r\n[General]\r\nCFG = 17\r\nUpdate Range = "
               << (state == "update-question" ? "0" : "5")
               << "\r\nUpdate Date = 1000000000\r\n[Output]\r\nJPG Quality = 77\r\n"
                  "[Transform]\r\nDo Image Resize = 1\r\nImage Width = 1600\r\n"
                  "Image Height = 1600\r\n[File]\r\nRecent Out Folders = "
               << output.string() << "/\r\n";
    }
    const std::string report = runScript(
        homeEnvironment(home) + "'" + TESSARO_SIGNAL_WINDOW_SCRIPT + "' '" + TESSARO_PROGRAM_PATH +
        "' " + state + " " + signalCase.signal + " '" + icon.string() + "' 2>&1");
    EXPECT_NE(report.find("reached " + state + "\n"), std::string::npos) << report;
    EXPECT_NE(report.find("status=0\n"), std::string::npos) << report;
    const std::string saved = readText(configFolder / "config.ini");
    EXPECT_NE(saved.find("\r\nJPG Quality = 77\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\n[Window]\r\n"), std::string::npos) << saved;
    const std::vector<std::string> written = fileNames(output);
    EXPECT_LT(written.size(), pageCount);
    for (const std::string& name : written)
        EXPECT_TRUE(name.starts_with("big[") && name.ends_with("].jpg")) << name;
}

std::vector<WindowSignalCase> windowSignalCases() {
    std::vector<WindowSignalCase> cases;
    for (const char* state :
         {"main-window", "update-question", "requester", "preferences", "message-box",
          "conversion", "stop-question"})
        for (const char* signal : {"TERM", "INT", "HUP"})
            cases.push_back({state, signal});
    return cases;
}

std::string windowSignalCaseName(const testing::TestParamInfo<WindowSignalCase>& info) {
    std::string name = std::string(info.param.state) + "_" + info.param.signal;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(StatesAndSignals, WindowModeSignal, testing::ValuesIn(windowSignalCases()),
                         windowSignalCaseName);

// A config.ini that its own user cannot read survives the window mode, which
// saves at once when a signal ends it: the program says why on standard error
// and works with the defaults.
TEST(WindowModule, AnUnreadableConfigSurvivesTheWindowMode) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only the superuser can run the program as a second user";
    constexpr uid_t secondUser = 65534;
    ScratchHome home;
    fs::permissions(home.root(), fs::perms::owner_all | fs::perms::others_exec);
    const fs::path configFolder = home.configHome() / "Brimvale" / "tessaro";
    fs::create_directories(configFolder);
    const fs::path config = configFolder / "config.ini";
    const std::string kept = "[Output]\r\nJPG Quality = 70\r\n";
    std::ofstream(config, std::ios::binary) << kept;
    for (const fs::path& owned :
         {configFolder.parent_path(), configFolder, config, home.runtimeDir()})
        ASSERT_EQ(chown(owned.c_str(), secondUser, secondUser), 0) << owned;
    fs::permissions(config, fs::perms::none);

    const std::string report = runScript(
        "setpriv --reuid=" + std::to_string(secondUser) + " --regid=" + std::to_string(secondUser) +
        " --clear-groups env " + homeEnvironment(home) + "'" + TESSARO_SIGNAL_WINDOW_SCRIPT +
        "' '" + TESSARO_PROGRAM_PATH + "' main-window TERM 2>&1");
    EXPECT_NE(report.find("reached main-window\n"), std::string::npos) << report;
    EXPECT_NE(report.find("status=0\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Warning: " + config.string() +
                          " cannot be read (Permission denied): the defaults are used and the "
                          "file is left unchanged\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(readText(config), kept);
}

TEST(WindowModule, ScreenshotRunWritesThePictureAndItsSmallCopy) {
    ScratchHome home;
    const fs::path folder = home.root() / "shots";
    fs::create_directories(folder);
    const std::string output =
        runScript("QT_QPA_PLATFORM=offscreen " + homeEnvironment(home) + "'" +
                  TESSARO_PROGRAM_PATH + "' -T '" + folder.string() + "' 2>&1; echo \"status=$?\"");
    EXPECT_NE(output.find("status=0"), std::string::npos) << output;
    ASSERT_EQ(fileNames(folder), (std::vector<std::string>{"tessaro1.jpg", "tessaro1x.jpg"}));
    // The main window at its created size.
    const PictureSize full = jpegSize(folder / "tessaro1.jpg");
    EXPECT_EQ(full, (PictureSize{510, 260}));
    // 180 wide, 180 * 260 / 510 = 91.8 rounded to 92 high.
    EXPECT_EQ(jpegSize(folder / "tessaro1x.jpg"), (PictureSize{180, 92}));
    // The screenshot run neither reads nor writes the preferences.
    EXPECT_FALSE(fs::exists(home.configHome() / "Brimvale"));
}

TEST(WindowModule, ScreenshotRunIntoAMissingFolderWritesNothingAndFails) {
    ScratchHome home;
    const fs::path folder = home.root() / "missing";
    const std::string output =
        runScript("QT_QPA_PLATFORM=offscreen " + homeEnvironment(home) + "'" +
                  TESSARO_PROGRAM_PATH + "' -T '" + folder.string() + "' 2>&1; echo \"status=$?\"");
    EXPECT_NE(output.find("Error: The screenshot folder " + folder.string() + " does not exist."),
              std::string::npos)
        << output;
    EXPECT_EQ(output.find("status=0"), std::string::npos) << output;
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(fileNames(home.root()), (std::vector<std::string>{"config", "runtime"}));
}

#endif

}  // namespace
}  // namespace tessaro::test
