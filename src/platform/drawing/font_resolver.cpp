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

// `face` as fontconfig asks for it: with the configuration's substitutes and
// the defaults added. Nothing for an empty face.
Pattern requestFor(const std::string& face) {
    if (face.empty()) {
        return nullptr;
    }
    Pattern pattern(FcPatternCreate());
    if (!pattern) {
        return nullptr;
    }
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) {
        return nullptr;
    }
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

Pattern bestMatch(FcPattern* request) {
    FcResult result = FcResultNoMatch;
    return Pattern(FcFontMatch(nullptr, request, &result));
}

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
    const Pattern request = requestFor(face);
    if (!request) {
        return std::nullopt;
    }
    const std::vector<std::string> accepted = stronglyBoundFamilies(request.get());
    const Pattern match = bestMatch(request.get());
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

std::optional<std::string> matchedFontFamily(const std::string& face) {
    const Pattern request = requestFor(face);
    if (!request) {
        return std::nullopt;
    }
    const Pattern match = bestMatch(request.get());
    FcChar8* family = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(family));
}

}  // namespace tessaro::drawing
