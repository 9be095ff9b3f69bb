#include <gtest/gtest.h>

#include <FreeImage.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

constexpr Rgba blue{20, 40, 220, 255};

// Width and bit depth of a written JPEG, read back as FreeImage sees it.
std::pair<unsigned, unsigned> jpegShape(const fs::path& path) {
    FIBITMAP* bitmap = FreeImage_Load(FIF_JPEG, path.c_str(), 0);
    if (bitmap == nullptr)
        return {0, 0};
    std::pair<unsigned, unsigned> shape{FreeImage_GetWidth(bitmap), FreeImage_GetBPP(bitmap)};
    FreeImage_Unload(bitmap);
    return shape;
}

class CommandLineExamples : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(writeIcon(work / "a.ico",
                              {filledPage(16, 16, 8, blue), filledPage(32, 32, 24, blue),
                               filledPage(48, 48, 32, blue), filledPage(64, 64, 32, blue, true)}));
    }
    ProgramResult run(const std::vector<std::string>& arguments) {
        return runTessaro(scratch, arguments, work);
    }
    std::vector<std::string> jpegs() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(work))
            if (entry.path().extension() == ".jpg")
                names.push_back(fs::relative(entry.path(), work).string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void removeJpegs() {
        for (const std::string& name : jpegs())
            fs::remove(work / name);
    }

    ScratchHome scratch;
    fs::path work = [this] {
        fs::create_directories(scratch.root() / "work");
        return scratch.root() / "work";
    }();
};

TEST_F(CommandLineExamples, EveryPageOfAllFramesGetsItsNumber) {
    ASSERT_EQ(run({"-q", "-i", "a.ico"}).exitStatus, 0);
    EXPECT_EQ(jpegs(), (std::vector<std::string>{"a[1].jpg", "a[2].jpg", "a[3].jpg", "a[4].jpg"}));
    EXPECT_EQ(jpegShape(work / "a[4].jpg").first, 64u);
}

TEST_F(CommandLineExamples, OneSelectedPageHasNoNumber) {
    const std::pair<const char*, unsigned> cases[] = {{"FIRST", 16}, {"MIDDLE", 32}, {"LAST", 64}};
    for (auto [mode, width] : cases) {
        removeJpegs();
        ASSERT_EQ(run({"-q", "-i", "a.ico", std::string("--ico-frame-loading=") + mode}).exitStatus,
                  0)
            << mode;
        EXPECT_EQ(jpegs(), std::vector<std::string>{"a.jpg"}) << mode;
        EXPECT_EQ(jpegShape(work / "a.jpg").first, width) << mode;
    }
}

TEST_F(CommandLineExamples, OptionsAnywhereAndFirstArgumentCommandsOnlyFirst) {
    ProgramResult result =
        run({"--brightness=-40", "-i", "a.ico", "-h", "-q", "--ico-frame-loading=first"});
    EXPECT_EQ(result.exitStatus, 0) << result.standardError;
    EXPECT_EQ(result.standardOutput, "");
    EXPECT_EQ(jpegs(), std::vector<std::string>{"a.jpg"});
}

TEST_F(CommandLineExamples, MaskNamesTheFilesAndMakesTheirFolders) {
    ASSERT_EQ(run({"-q", "-i", "a.ico", "--ico-frame-loading=FIRST",
                   "--filename-mask=%filename%_%n%.%ext%"})
                  .exitStatus,
              0);
    ASSERT_EQ(run({"-q", "-i", "a.ico", "--ico-frame-loading=FIRST",
                   "--filename-mask=sorted/%filename%.%ext%"})
                  .exitStatus,
              0);
    EXPECT_EQ(jpegs(), (std::vector<std::string>{"a_00001.jpg", "sorted/a.jpg"}));
}

TEST_F(CommandLineExamples, TheInputFileIsNeverOverwritten) {
    const auto before = fs::file_size(work / "a.ico");
    ProgramResult result =
        run({"-q", "-i", "a.ico", "--ico-frame-loading=FIRST", "--filename-mask=%filename%.ico"});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.standardOutput, "Conversion stopped\n");
    EXPECT_EQ(fs::file_size(work / "a.ico"), before);
}

TEST_F(CommandLineExamples, BitDepthOptionPicksGreyOrColorJpeg) {
    ASSERT_EQ(run({"-q", "-i", "a.ico", "--ico-frame-loading=LAST"}).exitStatus, 0);
    EXPECT_EQ(jpegShape(work / "a.jpg").second, 24u);
    ASSERT_EQ(run({"-q", "-i", "a.ico", "--ico-frame-loading=LAST", "--jpg-bpp=8"}).exitStatus, 0);
    EXPECT_EQ(jpegShape(work / "a.jpg").second, 8u);
}

TEST_F(CommandLineExamples, ProfileAppliesWhereItStands) {
    std::ofstream(work / "p.bvp") << "[CLI]\r\n--filename-mask=\"%filename%_p.%ext%\"\r\n"
                                     "--Jpg-Quality=101\r\n--ICO-FRAME-LOADING=FIRST\r\n"
                                     "--input=a.ico\r\n";
    struct Case {
        std::vector<std::string> arguments;
        int exitStatus;
        std::string error;
    };
    const Case cases[] = {
        {{"-q", "-i", "a.ico", "--profile=p.bvp"}, 1, "Error: Invalid jpg-quality value\n"},
        {{"-q", "-i", "a.ico", "--jpg-quality=90", "--profile=p.bvp"},
         1,
         "Error: Invalid jpg-quality value\n"},
        {{"-q", "-i", "a.ico", "--profile=p.bvp", "--jpg-quality=90"}, 0, ""},
    };
    for (const Case& row : cases) {
        ProgramResult result = run(row.arguments);
        EXPECT_EQ(result.exitStatus, row.exitStatus) << ::testing::PrintToString(row.arguments);
        EXPECT_EQ(result.standardError, row.error) << ::testing::PrintToString(row.arguments);
    }
    EXPECT_EQ(jpegs(), std::vector<std::string>{"a_p.jpg"});
    // A profile never names the input: without "-i" the window mode is asked for.
    EXPECT_EQ(run({"--profile=p.bvp"}).exitStatus, 4);
}

}  // namespace
}  // namespace tessaro::test
