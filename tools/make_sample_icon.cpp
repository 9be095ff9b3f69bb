// Writes the project's sample icon: a smiling face at 16, 32 and 48 pixels as
// classic pages (4, 8 and 24 bits, transparent corners in the AND mask) and at
// 256 pixels as a PNG page with a soft alpha edge.
#include <cmath>
#include <cstdio>

#include "support/icon_writer.h"

namespace {

using tessaro::test::IconPage;
using tessaro::test::Rgba;

constexpr Rgba face{250, 200, 30, 255};
constexpr Rgba features{40, 30, 20, 255};
constexpr Rgba outsideTheFace{255, 255, 255, 0};

// The picture at a point of the unit square (0..1 both ways, y downwards).
Rgba faceAt(double x, double y) {
    const double dx = x - 0.5;
    const double dy = y - 0.5;
    const double radius = std::hypot(dx, dy);
    if (radius > 0.47)
        return outsideTheFace;
    if (radius > 0.42)
        return features;
    const bool leftEye = std::hypot(x - 0.35, y - 0.38) < 0.07;
    const bool rightEye = std::hypot(x - 0.65, y - 0.38) < 0.07;
    const double smile = std::hypot(dx, y - 0.45);
    const bool mouth = y > 0.55 && smile > 0.2 && smile < 0.27;
    return leftEye || rightEye || mouth ? features : face;
}

// Samples each pixel 4 x 4 times; a PNG page keeps the coverage as alpha, a
// classic page takes the centre sample and masks what lies outside the face.
IconPage drawFace(int32_t size, int32_t bitCount, bool png) {
    IconPage page;
    page.width = size;
    page.height = size;
    page.bitCount = bitCount;
    page.png = png;
    for (int32_t y = 0; y < size; ++y) {
        for (int32_t x = 0; x < size; ++x) {
            if (!png) {
                const Rgba centre = faceAt((x + 0.5) / size, (y + 0.5) / size);
                const bool outside = centre.alpha == 0;
                page.mask.push_back(outside ? 1 : 0);
                page.pixels.push_back(outside ? face : centre);
                continue;
            }
            int red = 0, green = 0, blue = 0, covered = 0;
            for (int sample = 0; sample < 16; ++sample) {
                const Rgba color = faceAt((x + (sample % 4 + 0.5) / 4) / size,
                                          (y + (sample / 4 + 0.5) / 4) / size);
                if (color.alpha == 0)
                    continue;
                red += color.red;
                green += color.green;
                blue += color.blue;
                ++covered;
            }
            const int divisor = covered == 0 ? 1 : covered;
            page.pixels.push_back(
                {static_cast<uint8_t>(red / divisor), static_cast<uint8_t>(green / divisor),
                 static_cast<uint8_t>(blue / divisor), static_cast<uint8_t>(covered * 255 / 16)});
        }
    }
    return page;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample-icon <output.ico>\n");
        return 2;
    }
    const bool written =
        tessaro::test::writeIcon(argv[1], {drawFace(16, 4, false), drawFace(32, 8, false),
                                           drawFace(48, 24, false), drawFace(256, 32, true)});
    if (!written) {
        std::fprintf(stderr, "make-sample-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
