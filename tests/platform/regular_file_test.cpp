#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/regular_file.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

TEST(RegularFile, OnlyARegularFileWithinTheBoundIsRead) {
    ScratchHome home;
    const fs::path folder = home.root();
    std::ofstream(folder / "ten.bin", std::ios::binary) << "0123456789";
    std::ofstream(folder / "empty.bin", std::ios::binary);
    fs::create_symlink("ten.bin", folder / "link.bin");
    ASSERT_EQ(mkfifo((folder / "fifo.ico").c_str(), 0600), 0);

    struct Case {
        std::string path;
        size_t maxBytes;
        std::string expected;  // the content, or the reason after "failed: "
    };
    const Case cases[] = {
        {(folder / "ten.bin").string(), 10, "0123456789"},
        {(folder / "ten.bin").string(), 9, "failed: larger than 9 bytes"},
        {(folder / "empty.bin").string(), 10, ""},
        {(folder / "link.bin").string(), 10, "0123456789"},
        {(folder / "fifo.ico").string(), 10, "failed: not a regular file"},
        {folder.string(), 10, "failed: not a regular file"},
        {"/dev/zero", 10, "failed: not a regular file"},
        {(folder / "missing.ico").string(), 10, "failed: No such file or directory"},
        {"", 10, "failed: No such file or directory"},
    };
    for (const Case& row : cases) {
        Result<std::vector<uint8_t>> bytes = readRegularFile(row.path, row.maxBytes);
        const std::string got =
            bytes ? std::string(bytes->begin(), bytes->end()) : "failed: " + bytes.failure().reason;
        EXPECT_EQ(got, row.expected) << row.path << " within " << row.maxBytes;
    }
}

TEST(RegularFile, TheDescriptorIsNotHandedToChildren) {
    ScratchHome home;
    const fs::path path = home.root() / "a.ico";
    std::ofstream(path, std::ios::binary) << "x";
    Result<RegularFile> file = openRegularFile(path.string(), 1);
    ASSERT_TRUE(file) << file.failure().reason;
    EXPECT_NE(fcntl(file->descriptor.get(), F_GETFD) & FD_CLOEXEC, 0);
}

}  // namespace
}  // namespace tessaro::test
