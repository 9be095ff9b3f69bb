#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// Everything the program reaches outside itself at the vendor: one web host
// over plain HTTP and a support mail address. The host lies under the
// reserved ".example" domain, so no request ever reaches somebody else's
// server. The constants are usable without linking the update library (the
// console banner shows the home page address).
inline constexpr std::string_view vendorHost = "www.brimvale.example";
inline constexpr std::string_view homePageAddress = "http://www.brimvale.example/";
inline constexpr std::string_view supportAddress = "support@brimvale.example";

inline constexpr std::string_view versionFilePath = "/files/tessaro.dat";
inline constexpr std::string_view productPagePath = "/tessaro/";
inline constexpr std::string_view uninstallPagePath = "/tessaro/uninstall.html";

// "http://", the vendor host and `path`, which starts with "/".
std::string vendorAddress(std::string_view path);

std::string versionFileAddress();
std::string productPageAddress();
std::string uninstallPageAddress();

// The converter search page for a pair of extensions: "/find/ico-jpg/".
// The custom converter cleans both extensions (ASCII letters and digits,
// lower case, at most 12 characters) before it asks for the page.
std::string converterSearchAddress(std::string_view fromExtension, std::string_view toExtension);

// "mailto:" and the support address.
std::string supportMailLink();

// The support mail link with the subject "<product title> Feedback". Blanks
// of the subject are written as %20, since a mailto: link is a URL and mail
// programs may cut it at the first blank.
std::string feedbackMailLink();

}  // namespace tessaro
