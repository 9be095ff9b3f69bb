#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// The addresses the program reaches at the vendor, built on the vendor host
// and support address of l10n/product_identity.h.
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
