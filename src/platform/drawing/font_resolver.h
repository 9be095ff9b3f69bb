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

// The installed family of fontconfig's best match for `face`, weak fallbacks
// included: a generic name ("Monospace") gives the real face it stands for.
// Nothing for an empty face or when no font is installed at all.
std::optional<std::string> matchedFontFamily(const std::string& face);

}  // namespace tessaro::drawing
