#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

#endif

}  // namespace
}  // namespace tessaro::test
