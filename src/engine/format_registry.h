#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// A format the engine can write. The key is also the extension of the files
// written in it.
struct ImageFormat {
    std::string_view key;
    int32_t fif = 0;  // FreeImage format id used for saving
    std::string_view description;
    std::string_view allowedBpps;  // ascending decimal depths joined by ","
};

// A file extension the engine can read, with the format it belongs to.
struct InputFormat {
    std::string_view extension;  // lower case, without the dot
    std::string_view formatKey;
    std::string_view description;
};

// Every format the engine knows; settings/product_formats.h selects what the
// product offers.
extern const std::array<ImageFormat, 20> outputFormats;
extern const std::array<InputFormat, 79> inputFormats;

// nullptr when the key or extension is not in the registry (compared exactly).
const ImageFormat* findOutputFormat(std::string_view key);
const InputFormat* findInputFormat(std::string_view extension);

// The depths of a format's allowedBpps as numbers; empty for an unknown key.
std::vector<int32_t> allowedBppList(std::string_view key);

// Every extension belonging to the given format keys, key by key in list order.
std::vector<std::string> acceptedInputExtensions(std::span<const std::string> formatKeys);
// The extensions of the product's input formats.
std::vector<std::string> acceptedInputExtensions();

// True when the key is, letter case included, one of the product's output formats.
bool isOutputFormat(std::string_view key);

// True when the depth is 0 (automatic) or one of the format's allowed depths.
bool isAllowedBpp(std::string_view key, int32_t bpp);

}  // namespace tessaro
