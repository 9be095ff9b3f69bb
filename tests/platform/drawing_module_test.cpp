#include "platform/drawing_module.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/program_folder.h"
#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

TEST(DrawingModule, IsFoundBesideTheProgram) {
    const Result<DrawingModule>& module = drawingModule();
    ASSERT_TRUE(module.ok()) << module.failure().reason;
    EXPECT_EQ(module->api->version, tessaroDrawingApiVersion);
    EXPECT_EQ(&drawingModule(), &module);
}

TEST(DrawingModule, LooksBesideTheProgramThenInTheInstalledLibraryFolder) {
    EXPECT_EQ(drawingModuleCandidates("/opt/t/bin/"),
              (std::vector<std::string>{"/opt/t/bin/tessaro-draw.so",
                                        "/opt/t/bin/../lib/tessaro/tessaro-draw.so"}));
    EXPECT_TRUE(drawingModuleCandidates("").empty());
}

TEST(DrawingModule, AMissingOrForeignLibraryIsAFailureWithItsCause) {
    const Result<DrawingModule> missing = loadDrawingModuleFrom("/nonexistent/tessaro-draw.so");
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.failure().reason.find("/nonexistent/tessaro-draw.so"), std::string::npos);

    const Result<DrawingModule> foreign = loadDrawingModuleFrom("libm.so.6");
    ASSERT_FALSE(foreign.ok());
    EXPECT_NE(foreign.failure().reason.find("no entry point"), std::string::npos)
        << foreign.failure().reason;
}

TEST(DrawingModule, WithoutItsTextModuleRefusesFontsAndStillDraws) {
    // A copy of the module in a folder of its own looks for its text module
    // there and finds none.
    ScratchHome home;
    const std::filesystem::path copy = home.root() / "tessaro-draw.so";
    std::filesystem::copy_file(drawingModuleCandidates(programFolder()).front(), copy);
    const Result<DrawingModule> module = loadDrawingModuleFrom(copy.string());
    ASSERT_TRUE(module.ok()) << module.failure().reason;

    TessaroFont* font = nullptr;
    EXPECT_EQ(module->api->loadFont("DejaVu Sans", 12, 0, &font), tessaroFontNoTextModule);
    EXPECT_EQ(font, nullptr);
    TessaroCanvas* canvas = module->api->createCanvas(4, 4);
    ASSERT_NE(canvas, nullptr);
    module->api->destroyCanvas(canvas);
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

TEST(DrawingModule, AFramedConversionLoadsCairoButNotTheTextModule) {
    const std::string trace = loaderTrace({"--FR-SOLID-LEFT=2"});
    for (const char* library : {"tessaro-draw.so", "libcairo"}) {
        EXPECT_NE(trace.find(library), std::string::npos) << library;
    }
    for (const char* library : {"tessaro-text.so", "libpango"}) {
        EXPECT_EQ(trace.find(library), std::string::npos) << library;
    }
}

TEST(DrawingModule, ATextWatermarkLoadsTheTextModule) {
    const std::string trace = loaderTrace({"--WM-TEXT=Brimvale"});
    for (const char* library : {"tessaro-draw.so", "tessaro-text.so", "libpango"}) {
        EXPECT_NE(trace.find(library), std::string::npos) << library;
    }
}

}  // namespace
}  // namespace tessaro::test
