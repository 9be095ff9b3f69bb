#include <gtest/gtest.h>
#include <sys/stat.h>

#include <FreeImage.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/single_instance.h"
#include "support/fifo_guard.h"
#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* banner =
    "Brimvale ICO to JPG 2.7\n(c) Brimvale\nhttp://www.brimvale.example/\n \n";
constexpr const char* progress =
    "Preparing...\nImporting...\nImport complete, new files added: 1\nConverting...\n"
    "Conversion complete\nFiles converted: 1 of 1\n";
constexpr const char* noInput =
    "Conversion stopped\nNo input file(s) found. Please, add valid file(s) and try again!\n";
constexpr Rgba red{200, 30, 30, 255};

// A scratch home with a folder to work in, as a user's shell would have.
class ConsoleRun : public ::testing::Test {
protected:
    ProgramResult run(const std::vector<std::string>& arguments, const std::string& input = {}) {
        return runTessaro(scratch, arguments, work, input);
    }
    fs::path iconAt(const std::string& name,
                    const std::vector<IconPage>& pages = {filledPage(16, 16, 32, red)}) {
        const fs::path path = work / name;
        fs::create_directories(path.parent_path());
        EXPECT_TRUE(writeIcon(path, pages));
        return path;
    }
    std::vector<std::string> jpegsIn(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.path().extension() == ".jpg")
                names.push_back(fs::relative(entry.path(), folder).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchHome scratch;
    fs::path work = [this] {
        fs::path folder = scratch.root() / "work";
        fs::create_directories(folder);
        return folder;
    }();
};

TEST_F(ConsoleRun, ConvertsAnIconBesideItWithBannerAndTotals) {
    const fs::path icon = iconAt("pics/a.ico");
    ProgramResult result = run({"-i", icon.string()});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardOutput, std::string(banner) + progress);
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(jpegsIn(work), std::vector<std::string>{"pics/a.jpg"});
}

TEST_F(ConsoleRun, RelativePathsResolveAgainstTheCurrentFolder) {
    iconAt("a.ico");
    iconAt("sub/b.ico");
    fs::create_directories(work / "out");
    EXPECT_EQ(run({"-q", "-i", "a.ico"}).exitStatus, 0);
    EXPECT_EQ(run({"-q", "-i", "sub/b.ico", "-o", "out"}).exitStatus, 0);
    EXPECT_EQ(run({"-q", "-i", "./sub/b.ico", "-o", "./out/"}).exitStatus, 0);
    EXPECT_EQ(jpegsIn(work), (std::vector<std::string>{"a.jpg", "out/b.jpg"}));
}

TEST_F(ConsoleRun, QuietPrintsNothingAndPauseWaitsForOneKey) {
    const fs::path icon = iconAt("a.ico");
    ProgramResult quiet = run({"-i", icon.string(), "-q"});
    EXPECT_EQ(quiet.exitStatus, 0);
    EXPECT_EQ(quiet.standardOutput, "");
    EXPECT_EQ(quiet.standardError, "");
    // One key is enough; the end of the input ends the wait as well.
    for (const std::string& keys : {std::string("xyz"), std::string()}) {
        ProgramResult paused = run({"-i", icon.string(), "-q", "-p"}, keys);
        EXPECT_EQ(paused.exitStatus, 0);
        EXPECT_EQ(paused.standardOutput, "Press any key to exit.\n");
    }
    ProgramResult failed = run({"-i", "missing.ico", "-q", "-p"});
    EXPECT_EQ(failed.standardOutput, "Press any key to exit.\n");
    EXPECT_EQ(failed.standardError, "Error: Invalid input file\n");
}

TEST_F(ConsoleRun, EachFailedCheckPrintsItsErrorAndConvertsNothing) {
    iconAt("a.ico");
    std::ofstream(work / "empty.ico").close();
    std::ofstream(work / "noextension") << "data";
    fs::create_directories(work / "folder.ico");
    fs::create_directories(work / "out");
    struct Case {
        std::vector<std::string> arguments;
        std::string error;
    };
    const Case cases[] = {
        {{"-i", "noextension"}, "Error: Invalid input file"},
        {{"-i", "missing.ico"}, "Error: Invalid input file"},
        {{"-i", "empty.ico"}, "Error: Invalid input file"},
        {{"-i", "folder.ico"}, "Error: Invalid input file"},
        {{"-i", "a.ico", "-o", "../out"}, "Error: Incorrect output folder"},
        {{"-i", "a.ico", "-o", "missing"}, "Error: Invalid output folder"},
        {{"-i", "a.ico", "-o", "a.ico"}, "Error: Invalid output folder"},
        {{"-i", "a.ico", "-c", "png"}, "Error: Invalid conversion type"},
        {{"-i", "a.ico", "-c", "JPG"}, "Error: Invalid conversion type"},
        {{"-i", "a.ico", "--jpg-bpp=16"}, "Error: Invalid jpg-bpp value"},
        {{"-i", "a.ico", "--jpg-quality=0"}, "Error: Invalid jpg-quality value"},
        {{"-i", "a.ico", "--jpg-quality=101"}, "Error: Invalid jpg-quality value"},
        {{"-i", "a.ico", "--width=800"}, "Error: Invalid height value"},
        {{"-i", "a.ico", "--height=800"}, "Error: Invalid width value"},
        {{"-i", "a.ico", "--brightness=101"}, "Error: Invalid brightness value"},
        {{"-i", "a.ico", "--contrast=-101"}, "Error: Invalid contrast value"},
        {{"-i", "a.ico", "--gamma=10"}, "Error: Invalid gamma value"},
        {{"-i", "a.ico", "--gamma=0"}, "Error: Invalid gamma value"},
        {{"-i", "a.ico", "--gamma=NaN"}, "Error: Invalid gamma value"},
        {{"-i", "a.ico", "--wm-image=missing.png"}, "Error: Invalid watermark image"},
        {{"-i", "a.ico", "--wm-image=empty.ico"}, "Error: Invalid watermark image"},
        {{"-i", "a.ico", "--wm-text=Hi", "--wm-font=No Such Face Anywhere"},
         "Error: Invalid watermark font: The font \"No Such Face Anywhere\" is not installed"},
        {{"-i", "a.ico", "--wm-text=Hi", "--wm-font-size=0"},
         "Error: Invalid watermark font: The font size 0 cannot be drawn"},
        {{"-i", "a.ico", "--wm-text=Hi", "--wm-font-size=99999"},
         "Error: Invalid watermark font: The font size 99999 cannot be drawn"},
        {{"-i", "a.ico", "--jpg-quality", "80"}, "Error: Incorrect number of parameters"},
        {{"-i", "-q"}, "Error: Incorrect number of parameters"},
        {{"--profile=missing.bvp", "-i", "a.ico"}, "Error: Invalid profile file"},
    };
    for (const Case& row : cases) {
        std::vector<std::string> arguments = row.arguments;
        arguments.push_back("-q");
        ProgramResult result = run(arguments);
        const std::string shown = ::testing::PrintToString(row.arguments);
        EXPECT_EQ(result.exitStatus, 1) << shown;
        EXPECT_EQ(result.standardError, row.error + "\n") << shown;
        EXPECT_EQ(result.standardOutput, "") << shown;
    }
    EXPECT_TRUE(jpegsIn(work).empty());
}

// A FIFO named as an input holds no run: each is refused as the file it
// stands for, whether a check before the open sees it or the open itself.
TEST_F(ConsoleRun, FifosAsInputsEndTheRunAtOnce) {
    iconAt("a.ico");
    struct Case {
        std::vector<std::string> arguments;
        std::string fifo;
        std::string error;
    };
    const Case cases[] = {
        {{"-i", "fifo.ico"}, "fifo.ico", "Error: Invalid input file"},
        {{"--profile=fifo.bvp", "-i", "a.ico"}, "fifo.bvp", "Error: Invalid profile file"},
        {{"-i", "a.ico", "--wm-image=fifo.png"}, "fifo.png", "Error: Invalid watermark image"},
    };
    for (const Case& row : cases) {
        const fs::path fifo = work / row.fifo;
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        ProgramResult result;
        EXPECT_TRUE(endsWithoutAWriter(fifo, [&] { result = run(row.arguments); })) << row.fifo;
        EXPECT_EQ(result.exitStatus, 1) << row.fifo;
        EXPECT_EQ(result.standardError, row.error + "\n") << row.fifo;
    }
    EXPECT_TRUE(jpegsIn(work).empty());
}

TEST_F(ConsoleRun, ErrorsAreReportedAfterTheProgressTextsBeforeThem) {
    ProgramResult result = run({"-i", "missing.ico"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.standardOutput, std::string(banner) + "Preparing...\n");
    EXPECT_EQ(result.standardError, "Error: Invalid input file\n");
}

TEST_F(ConsoleRun, BoundaryValuesPass) {
    const fs::path icon = iconAt("a.ico");
    for (const char* option :
         {"--gamma=9.99", "--gamma=0.01", "--jpg-quality=1", "--jpg-quality=100",
          "--brightness=-100", "--contrast=100", "--wm-text=Hi", "--rotation=0"}) {
        ProgramResult result = run({"-q", "-i", icon.string(), option});
        EXPECT_EQ(result.exitStatus, 0) << option << result.standardError;
    }
}

TEST_F(ConsoleRun, InputsThatAreNoIconsStopWithoutInput) {
    std::ofstream(work / "list.txt") << "a.ico\n";
    std::ofstream(work / "LIST.LST") << "a.ico\n";
    std::ofstream(work / "picture.png") << "png";
    for (const char* name : {"list.txt", "LIST.LST", "picture.png"}) {
        ProgramResult result = run({"-i", name});
        EXPECT_EQ(result.exitStatus, 2) << name;
        EXPECT_EQ(result.standardOutput, std::string(banner) +
                                             "Preparing...\nImporting...\n"
                                             "Import complete, new files added: 0\n" +
                                             noInput)
            << name;
        EXPECT_EQ(result.standardError, "") << name;
        // The stop lines are printed even when quiet.
        EXPECT_EQ(run({"-q", "-i", name}).standardOutput, noInput) << name;
    }
}

TEST_F(ConsoleRun, MalformedIconsStopWithoutOutput) {
    for (const MalformedIcon& malformed : malformedIcons()) {
        const fs::path path = work / "bad.ico";
        ASSERT_TRUE(writeBytes(path, malformed.bytes));
        ProgramResult result = run({"-q", "-i", path.string()});
        if (malformed.bytes.empty()) {
            EXPECT_EQ(result.exitStatus, 1) << malformed.name;
            EXPECT_EQ(result.standardError, "Error: Invalid input file\n") << malformed.name;
        } else {
            EXPECT_EQ(result.exitStatus, 2) << malformed.name;
            EXPECT_EQ(result.standardOutput, "Conversion stopped\n") << malformed.name;
            // One line says what is wrong with the file.
            const std::string& error = result.standardError;
            EXPECT_TRUE(error.starts_with("Error: " + path.string() + ": ")) << error;
            EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
        }
        EXPECT_TRUE(jpegsIn(work).empty()) << malformed.name;
    }
}

TEST_F(ConsoleRun, DebugListsTheRunAndTheWorkersLines) {
    const fs::path icon = iconAt("a.ico");
    ProgramResult result = run({"-q", "-d", "-i", icon.string()});
    EXPECT_EQ(result.exitStatus, 0);
    const std::string& out = result.standardOutput;
    const std::string folder = work.string() + "/";
    const std::vector<std::string> lines = {"Input: " + icon.string(),
                                            "Output: " + work.string(),
                                            "Conversion: jpg",
                                            "ICO Frame Loading: ALL",
                                            "JPG Quality: 95",
                                            "JPG Chroma Subsampling: NONE",
                                            "JPG Save As: STANDARD",
                                            "Processing: " + icon.string(),
                                            "Saving As: " + folder + "a.jpg",
                                            "OK"};
    for (const std::string& line : lines) {
        EXPECT_NE(out.find(line + "\n"), std::string::npos) << line << "\n" << out;
    }
    EXPECT_LT(out.find("Conversion: jpg"), out.find("Processing: "));
    ASSERT_TRUE(writeBytes(work / "bad.ico", randomBytes(512, 3)));
    ProgramResult failing = run({"-q", "-d", "-i", "bad.ico"});
    EXPECT_EQ(failing.exitStatus, 2);
    EXPECT_NE(failing.standardOutput.find("\nNot OK\nConversion stopped\n"), std::string::npos)
        << failing.standardOutput;
}

TEST_F(ConsoleRun, SecondCopyIsRefusedWhileTheLockIsHeld) {
    const fs::path icon = iconAt("a.ico");
    ProgramResult result;
    {
        Result<LockFolder> folder = openLockFolder(scratch.runtimeDir().string(), "");
        ASSERT_TRUE(folder) << folder.failure().reason;
        const Result<LockAttempt> held = acquireLockFile(*folder, "Brimvale ICO to JPG 2.7.lock");
        ASSERT_TRUE(held && std::holds_alternative<SingleInstanceLock>(*held));
        result = run({"-i", icon.string()});
    }
    EXPECT_EQ(result.exitStatus, 3);
    EXPECT_EQ(result.standardOutput, "");
    EXPECT_EQ(result.standardError, "Error: Another copy of Brimvale ICO to JPG 2.7 is running.\n");
    EXPECT_TRUE(jpegsIn(work).empty());
    EXPECT_EQ(run({"-q", "-i", icon.string()}).exitStatus, 0) << "the lock went with its holder";
}

TEST_F(ConsoleRun, WithoutAnInputTheWindowModeIsAskedFor) {
    // Without a display the window mode explains why it cannot start.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"a.ico"}, {"--jpg-quality=80"}}) {
        ProgramResult result = run(arguments);
        EXPECT_EQ(result.exitStatus, 4);
        EXPECT_EQ(result.standardOutput, "");
        EXPECT_NE(result.standardError.find("Error: The window mode "), std::string::npos);
    }
}

}  // namespace
}  // namespace tessaro::test
