#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro {

// The save path of page `pageNumber` (counted from 1) of a multi-page file:
// "[n]" goes just before the file name's "." and `formatKey` ("app.jpg"
// becomes "app[2].jpg"; the key in any letter case), else at the end of the
// file name. It never lands in a folder part of the path, so every page stays
// in the folder that the path names.
std::string withPageNumber(std::string_view path, std::string_view formatKey, int32_t pageNumber);

}  // namespace tessaro
