#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "batch/input_queue.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

class AddInputFile : public ::testing::Test {
protected:
    ScratchHome scratch;
    fs::path folder = scratch.root() / "pics";
    ConversionJob job;
};

TEST_F(AddInputFile, AcceptsIconExtensionsInAnyLetterCase) {
    for (const char* name : {"a.ico", "b.ICO", "c.Ico"}) {
        writeFile(folder / name, "icon");
        EXPECT_TRUE(addInputFile(job, (folder / name).string())) << name;
        ASSERT_EQ(job.inputFiles.size(), 1u) << "a run holds one input file";
        EXPECT_EQ(job.inputFiles.begin()->first, (folder / name).string());
        EXPECT_TRUE(job.inputFiles.begin()->second.queued);
    }
}

TEST_F(AddInputFile, RefusalsKeepTheQueue) {
    writeFile(folder / "kept.ico", "icon");
    ASSERT_TRUE(addInputFile(job, (folder / "kept.ico").string()));
    writeFile(folder / "empty.ico", "");
    writeFile(folder / "picture.png", "png");
    writeFile(folder / "noextension", "data");
    for (const char* name : {"empty.ico", "picture.png", "noextension", "list.txt"}) {
        EXPECT_FALSE(addInputFile(job, (folder / name).string())) << name;
        ASSERT_EQ(job.inputFiles.size(), 1u) << name;
        EXPECT_EQ(job.inputFiles.begin()->first, (folder / "kept.ico").string()) << name;
    }
    EXPECT_FALSE(addInputFile(job, ""));
}

TEST_F(AddInputFile, MissingFileIsLeftForTheEngine) {
    EXPECT_TRUE(addInputFile(job, (folder / "missing.ico").string()));
}

TEST_F(AddInputFile, RelativePathIsKeyedByItsFullPath) {
    fs::path relative = fs::relative(folder / "rel.ico");
    writeFile(folder / "rel.ico", "icon");
    ASSERT_TRUE(addInputFile(job, relative.string()));
    EXPECT_EQ(job.inputFiles.begin()->first, fs::absolute(relative).string());
}

TEST_F(AddInputFile, SubfolderIsRelativeToTheBaseFolder) {
    struct Case {
        std::string baseFolder;
        fs::path file;
        std::string subfolder;
    };
    const std::string base = folder.string();
    const Case cases[] = {
        {"", folder / "sub" / "a.ico", ""},
        {base, folder / "a.ico", ""},
        {base + "/", folder / "sub" / "deeper" / "a.ico", "sub/deeper/"},
        {base, folder / "sub" / "a.ico", "sub/"},
        // A folder named like the base deeper down keeps its place.
        {base, folder / "x" / "pics" / "a.ico", "x/pics/"},
        {(scratch.root() / "elsewhere").string(), folder / "sub" / "a.ico", ""},
    };
    for (const Case& row : cases) {
        job.inputBaseFolder = row.baseFolder;
        writeFile(row.file, "icon");
        ASSERT_TRUE(addInputFile(job, row.file.string())) << row.file;
        EXPECT_EQ(job.inputFiles.begin()->second.subfolder, row.subfolder)
            << row.baseFolder << " " << row.file;
    }
}

}  // namespace
}  // namespace tessaro::test
