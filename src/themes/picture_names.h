#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// The file name stem of the project's picture for an image key: the key in
// lower case ("CustomConverter" -> "customconverter"). The built-in set and
// the handdrawn package name their pictures this way.
std::string pictureNameOf(std::string_view key);

// The built-in picture of a button key, which differs from the icon of the
// same key in size.
std::string buttonPictureNameOf(std::string_view key);

}  // namespace tessaro
