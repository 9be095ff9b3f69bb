#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro {

// The save path of page `pageNumber` (counted from 1) of a multi-page file:
// "[n]" inserted so that exactly `formatKey.size() + 1` characters of `path`
// follow it, which puts it before ".jpg" in "name.jpg". A shorter path gets it
// at the start. Characters are counted in UTF-8, never splitting one.
std::string withPageNumber(std::string_view path, std::string_view formatKey, int32_t pageNumber);

}  // namespace tessaro
