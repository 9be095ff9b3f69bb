// Writes the icons the benchmark converts into the folder given: a single
// 16-pixel page, a five-page icon whose largest page is a 256-pixel PNG, and a
// classic 8-bit icon with a masked border.
#include <cstdio>
#include <filesystem>

#include "support/icon_writer.h"

namespace {

using tessaro::test::filledPage;
using tessaro::test::IconPage;
using tessaro::test::quadrantPage;
using tessaro::test::Rgba;

constexpr Rgba quadrants[4] = {
    {200, 40, 40, 255}, {40, 160, 60, 200}, {30, 60, 220, 128}, {240, 220, 40, 0}};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-bench-icons <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const bool written =
        tessaro::test::writeIcon(folder / "single16.ico", {quadrantPage(16, 16, 32, quadrants)}) &&
        tessaro::test::writeIcon(
            folder / "five-pages.ico",
            {filledPage(16, 16, 4, {10, 20, 200, 255}, false, true),
             quadrantPage(32, 32, 8, quadrants), quadrantPage(48, 48, 24, quadrants),
             quadrantPage(64, 64, 32, quadrants), quadrantPage(256, 256, 32, quadrants, true)}) &&
        tessaro::test::writeIcon(folder / "classic8.ico",
                                 {filledPage(48, 48, 8, {120, 80, 30, 255}, false, true)});
    if (!written) {
        std::fprintf(stderr, "make-bench-icons: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
