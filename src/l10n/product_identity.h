#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro {

inline constexpr std::string_view productName = "Brimvale ICO to JPG";
// The internal version number: digits read as major, minor and patch level.
inline constexpr int32_t programVersion = 270;

// 270 reads "2.7", 271 "2.7.1", 300 "3.0".
std::string versionText(int32_t versionNumber);

// The name, one blank and the version text: "Brimvale ICO to JPG 2.7".
std::string productTitle(std::string_view name, int32_t versionNumber);

// The vendor: one web host over plain HTTP and a support mail address. The
// host lies under the reserved ".example" domain, so no request ever reaches
// somebody else's server. The update library builds its addresses on these;
// the console banner shows the home page address.
inline constexpr std::string_view vendorHost = "www.brimvale.example";
inline constexpr std::string_view homePageAddress = "http://www.brimvale.example/";
inline constexpr std::string_view supportAddress = "support@brimvale.example";

}  // namespace tessaro
