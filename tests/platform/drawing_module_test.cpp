#include "platform/drawing_module.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

#include "platform/program_folder.h"

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

// The console road must start without binding the drawing libraries: the
// dynamic loader's own trace of a version run lists every library it maps.
TEST(DrawingModule, APlainRunMapsNoDrawingLibrary) {
    const std::string command = "LD_DEBUG=files '" + programFolder() + "tessaro' -v 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string trace;
    std::array<char, 4096> buffer{};
    while (size_t count = fread(buffer.data(), 1, buffer.size(), pipe.get())) {
        trace.append(buffer.data(), count);
    }
    ASSERT_NE(trace.find("libfreeimage"), std::string::npos) << "no loader trace";
    for (const char* library : {"libcairo", "libpango", "libfontconfig", "tessaro-draw"}) {
        EXPECT_EQ(trace.find(library), std::string::npos) << library;
    }
}

}  // namespace
}  // namespace tessaro::test
