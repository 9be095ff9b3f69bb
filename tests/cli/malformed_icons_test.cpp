#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "cli/program_outcome.h"
#include "support/icon_writer.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

const Rgba red{200, 30, 30, 255};

struct BadInput {
    std::string name;
    std::vector<uint8_t> bytes;
};

void PrintTo(const BadInput& input, std::ostream* out) {
    *out << input.name;
}

std::string rowName(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return !std::isalnum(c); }, '_');
    return text;
}

// PNG chunks run length, type, data, CRC; this finds the data of the first chunk of `type`.
size_t pngChunkData(const std::vector<uint8_t>& bytes, size_t pageAt, std::string_view type) {
    const auto found = std::search(bytes.begin() + static_cast<std::ptrdiff_t>(pageAt), bytes.end(),
                                   type.begin(), type.end());
    return static_cast<size_t>(found - bytes.begin()) + type.size();
}

// Every malformed fixture, the same icons cut short at many offsets, PNG pages
// that pass the directory check but are corrupt or lie about their size
// inside the decoder's limits, and random files of several sizes.
std::vector<BadInput> badInputs() {
    std::vector<BadInput> inputs;
    for (MalformedIcon& icon : malformedIcons())
        inputs.push_back({icon.name, std::move(icon.bytes)});

    const std::vector<uint8_t> classic = encodeIcon({filledPage(16, 16, 4, red)});
    for (size_t size : {1, 2, 5, 6, 7, 12, 21, 22, 23, 40, 61, 62, 100, 125, 190, 300}) {
        inputs.push_back({"classic icon cut to " + std::to_string(size) + " bytes",
                          truncatedAt(classic, std::min(size, classic.size() - 1))});
    }
    const std::vector<uint8_t> png = encodeIcon({filledPage(48, 48, 32, red, true)});
    for (size_t size : {size_t{22}, size_t{23}, size_t{30}, size_t{45}, size_t{60}, png.size() - 12,
                        png.size() - 1}) {
        inputs.push_back(
            {"PNG icon cut to " + std::to_string(size) + " bytes", truncatedAt(png, size)});
    }

    const size_t pngAt = pageDataAt(png, 0);
    std::vector<uint8_t> badCrc = png;
    badCrc[pngChunkData(png, pngAt, "IHDR") + 13] ^= 0xFF;
    inputs.push_back({"PNG page with a broken header checksum", badCrc});
    std::vector<uint8_t> badData = png;
    const size_t data = pngChunkData(png, pngAt, "IDAT");
    std::fill(badData.begin() + static_cast<std::ptrdiff_t>(data),
              badData.begin() + static_cast<std::ptrdiff_t>(data) + 8, 0xA5);
    inputs.push_back({"PNG page with corrupt picture data", badData});
    std::vector<uint8_t> largeClaim = png;
    const size_t ihdr = pngChunkData(png, pngAt, "IHDR");
    patchU32(largeClaim, ihdr, 0x00100000);      // 4096, stored big-endian
    patchU32(largeClaim, ihdr + 4, 0x00100000);  // 4096
    // A fresh checksum over the chunk's type and data, so the decoder believes the header.
    const uint32_t crc = static_cast<uint32_t>(crc32(0, &largeClaim[ihdr - 4], 4 + 13));
    patchU32(largeClaim, ihdr + 13,
             (crc >> 24) | ((crc >> 8) & 0xFF00) | ((crc << 8) & 0xFF0000) | (crc << 24));
    inputs.push_back({"PNG page claiming 4096 x 4096 pixels it does not hold", largeClaim});

    for (size_t size : {1, 6, 22, 100, 70000})
        inputs.push_back({"random file of " + std::to_string(size) + " bytes",
                          randomBytes(size, static_cast<uint32_t>(size))});
    return inputs;
}

std::vector<uint8_t> readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::set<std::string> filesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class MalformedIconRun : public testing::TestWithParam<BadInput> {
protected:
    void SetUp() override {
        fs::create_directories(inputFolder_);
        fs::create_directories(outputFolder_);
        ASSERT_TRUE(writeBytes(input_, GetParam().bytes));
        // An old time, so a rewrite in the same second as the test still shows.
        inputTime_ = fs::file_time_type::clock::now() - std::chrono::hours(48);
        fs::last_write_time(input_, inputTime_);
    }

    // Converts the input with "All Frames" and checks what every refused
    // input must give: "Conversion stopped", its exit status, nothing written,
    // and the input as it was.
    void expectStopped() {
        const ProgramResult result = runTessaro(
            home_,
            {"-i", input_.string(), "-o", outputFolder_.string(), "--ico-frame-loading=ALL"});
        const bool empty = GetParam().bytes.empty();
        // An empty file never reaches the conversion: the input check refuses it.
        const std::string expectedLine = empty ? "Error: Invalid input file" : "Conversion stopped";
        const ProgramOutcome outcome =
            empty ? ProgramOutcome::errorReported : ProgramOutcome::conversionStopped;
        EXPECT_NE((result.standardOutput + result.standardError).find(expectedLine),
                  std::string::npos)
            << result.standardOutput << result.standardError;
        // Exactly this status: a crash, an abort or a sanitizer report gives another.
        EXPECT_EQ(result.exitStatus, exitStatusOf(outcome)) << result.standardError;
        EXPECT_EQ(readBytes(input_), GetParam().bytes);
        EXPECT_EQ(fs::last_write_time(input_), inputTime_);
        EXPECT_EQ(filesIn(inputFolder_), std::set<std::string>{"bad.ico"});
    }

    ScratchHome home_;
    const fs::path inputFolder_ = home_.root() / "in";
    const fs::path outputFolder_ = home_.root() / "out";
    const fs::path input_ = inputFolder_ / "bad.ico";
    fs::file_time_type inputTime_;
};

TEST_P(MalformedIconRun, WritesNothing) {
    expectStopped();
    EXPECT_EQ(filesIn(outputFolder_), std::set<std::string>{});
}

TEST_P(MalformedIconRun, LeavesAnExistingOutputFileAsItWas) {
    const std::vector<uint8_t> earlier = randomBytes(3000, 11);
    ASSERT_TRUE(writeBytes(outputFolder_ / "bad.jpg", earlier));
    expectStopped();
    EXPECT_EQ(filesIn(outputFolder_), std::set<std::string>{"bad.jpg"});
    EXPECT_EQ(readBytes(outputFolder_ / "bad.jpg"), earlier);
}

INSTANTIATE_TEST_SUITE_P(Rows, MalformedIconRun, testing::ValuesIn(badInputs()),
                         [](const testing::TestParamInfo<BadInput>& row) {
                             return rowName(row.param.name);
                         });

}  // namespace
}  // namespace tessaro::test
