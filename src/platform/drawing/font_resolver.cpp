#include "platform/drawing/font_resolver.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <vector>

namespace tessaro::drawing {
namespace {

struct PatternDestroyer {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDestroyer>;

std::vector<std::string> stronglyBoundFamilies(FcPattern* pattern) {
    std::vector<std::string> families;
    FcValue value;
    FcValueBinding binding;
    for (int index = 0;
         FcPatternGetWithBinding(pattern, FC_FAMILY, index, &value, &binding) == FcResultMatch;
         ++index) {
        if (value.type == FcTypeString && binding == FcValueBindingStrong) {
            families.emplace_back(reinterpret_cast<const char*>(value.u.s));
        }
    }
    return families;
}

}  // namespace

std::optional<std::string> resolveFontFamily(const std::string& face) {
    if (face.empty()) {
        return std::nullopt;
    }
    Pattern pattern(FcPatternCreate());
    if (!pattern) {
        return std::nullopt;
    }
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) {
        return std::nullopt;
    }
    FcDefaultSubstitute(pattern.get());
    const std::vector<std::string> accepted = stronglyBoundFamilies(pattern.get());

    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match) {
        return std::nullopt;
    }
    FcChar8* family = nullptr;
    for (int index = 0; FcPatternGetString(match.get(), FC_FAMILY, index, &family) == FcResultMatch;
         ++index) {
        for (const std::string& name : accepted) {
            if (FcStrCmpIgnoreCase(family, reinterpret_cast<const FcChar8*>(name.c_str())) == 0) {
                return std::string(reinterpret_cast<const char*>(family));
            }
        }
    }
    return std::nullopt;
}

}  // namespace tessaro::drawing
