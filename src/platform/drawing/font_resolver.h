#pragma once

#include <optional>
#include <string>

namespace tessaro::drawing {

// The installed family that fontconfig gives for `face` when that is the face
// itself or a substitute the configuration binds to it as strongly as the
// name (the metric-compatible aliases, "Arial" to "Liberation Sans"). A face
// that only reaches the generic default through weak fallbacks resolves to
// nothing: drawing with it would silently show some other font.
std::optional<std::string> resolveFontFamily(const std::string& face);

}  // namespace tessaro::drawing
