#include "engine/byte_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace tessaro {
namespace {

constexpr std::array<uint8_t, 6> bytes = {0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF};

TEST(ByteReader, ReadsLittleEndianUnlessToldOtherwise) {
    ByteReader reader(bytes);
    EXPECT_EQ(reader.read<uint32_t>(), 0x04030201u);
    EXPECT_EQ(reader.read<int16_t>(), -2);
    EXPECT_EQ(ByteReader(bytes).readBigEndian<uint32_t>(), 0x01020304u);
    EXPECT_EQ(ByteReader(bytes, 4).read<uint16_t>(), 0xFFFEu);
}

TEST(ByteReader, AReadPastTheEndGivesNothingAndKeepsThePosition) {
    ByteReader reader(bytes, 3);
    EXPECT_EQ(reader.read<uint32_t>(), std::nullopt);
    EXPECT_EQ(reader.take(4), std::nullopt);
    EXPECT_EQ(reader.readBigEndian<uint32_t>(), std::nullopt);
    EXPECT_EQ(reader.remaining(), 3u);
    EXPECT_EQ(reader.read<uint8_t>(), 0x04);
    ASSERT_TRUE(reader.take(2));
    EXPECT_EQ(reader.read<uint8_t>(), std::nullopt);
    EXPECT_EQ(reader.take(0)->size(), 0u);
}

TEST(ByteReader, StartsBeyondTheEndWithoutReadingAnything) {
    for (const size_t at : {size_t{7}, size_t{1} << 40, ~size_t{0}}) {
        ByteReader reader(bytes, at);
        EXPECT_EQ(reader.remaining(), 0u) << at;
        EXPECT_EQ(reader.read<uint8_t>(), std::nullopt) << at;
        EXPECT_EQ(reader.take(0), std::nullopt) << at;
    }
    // A count that would wrap the position around is refused too.
    EXPECT_EQ(ByteReader(bytes, 2).take(~size_t{0}), std::nullopt);
}

TEST(ByteReader, ReadsSeveralFieldsAllOrNone) {
    ByteReader reader(bytes);
    EXPECT_EQ((reader.readAll<uint16_t, uint8_t, uint8_t>()), std::tuple(0x0201, 0x03, 0x04));
    EXPECT_EQ((reader.readAll<uint8_t, uint16_t>()), std::nullopt);
    EXPECT_EQ(reader.read<uint16_t>(), 0xFFFEu);
}

TEST(ByteReader, ReadsBackWhatWasAppended) {
    std::vector<uint8_t> written;
    appendLittleEndian(written, int32_t{-123456});
    appendLittleEndian(written, uint16_t{0xBEEF});
    ByteReader reader(written);
    EXPECT_EQ((reader.readAll<int32_t, uint16_t>()), std::tuple(-123456, 0xBEEF));
    EXPECT_EQ(reader.remaining(), 0u);
}

}  // namespace
}  // namespace tessaro
