#include "platform/drawing_module.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

TEST(DrawingModule, IsFoundBesideTheProgram) {
    const DrawingModule& module = drawingModule();
    ASSERT_NE(module.api, nullptr) << module.failure;
    EXPECT_TRUE(module.failure.empty());
    EXPECT_EQ(module.api->version, tessaroDrawingApiVersion);
    EXPECT_EQ(&drawingModule(), &module);
}

TEST(DrawingModule, LooksBesideTheProgramThenInTheInstalledLibraryFolder) {
    EXPECT_EQ(drawingModuleCandidates("/opt/t/bin/"),
              (std::vector<std::string>{"/opt/t/bin/tessaro-draw.so",
                                        "/opt/t/bin/../lib/tessaro/tessaro-draw.so"}));
    EXPECT_TRUE(drawingModuleCandidates("").empty());
}

TEST(DrawingModule, AMissingOrForeignLibraryIsAFailureWithItsCause) {
    DrawingModule missing = loadDrawingModuleFrom("/nonexistent/tessaro-draw.so");
    EXPECT_EQ(missing.api, nullptr);
    EXPECT_FALSE(missing.handle);
    EXPECT_NE(missing.failure.find("/nonexistent/tessaro-draw.so"), std::string::npos);

    DrawingModule foreign = loadDrawingModuleFrom("libm.so.6");
    EXPECT_EQ(foreign.api, nullptr);
    EXPECT_FALSE(foreign.handle);
    EXPECT_NE(foreign.failure.find("no entry point"), std::string::npos) << foreign.failure;
}

// The dynamic loader's own trace of a console conversion: every library the
// run maps, on standard error.
std::string loaderTrace(const std::vector<std::string>& options) {
    ScratchHome home;
    const std::filesystem::path icon = home.root() / "plain.ico";
    EXPECT_TRUE(writeIcon(icon, {filledPage(16, 16, 32, Rgba{200, 40, 40, 255})}));
    std::vector<std::string> arguments{"-i", icon.string(), "-o", home.root().string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    setenv("LD_DEBUG", "files", 1);
    const ProgramResult result = runTessaro(home, arguments);
    unsetenv("LD_DEBUG");
    EXPECT_EQ(result.exitStatus, 0) << result.standardError;
    EXPECT_TRUE(std::filesystem::exists(home.root() / "plain.jpg"));
    return result.standardError;
}

TEST(DrawingModule, APlainConversionMapsNoDrawingLibrary) {
    const std::string trace = loaderTrace({});
    ASSERT_NE(trace.find("libfreeimage"), std::string::npos) << "no loader trace";
    for (const char* library : {"libcairo", "libpango", "libfontconfig", "tessaro-draw"}) {
        EXPECT_EQ(trace.find(library), std::string::npos) << library;
    }
}

TEST(DrawingModule, AFramedConversionLoadsTheModule) {
    const std::string trace = loaderTrace({"--FR-SOLID-LEFT=2"});
    for (const char* library : {"tessaro-draw.so", "libcairo", "libpango"}) {
        EXPECT_NE(trace.find(library), std::string::npos) << library;
    }
}

}  // namespace
}  // namespace tessaro::test
