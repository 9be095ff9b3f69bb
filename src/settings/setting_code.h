#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tessaro {

// The names of one value of a coded setting: the keyword that spells it on
// the command line, in profiles and in the debug listing ("" when these do
// not know it), and the text key of its entry in the preferences list (""
// when the list does not offer it; such values come last, so every entry
// stands at the index of its code).
struct CodeName {
    std::string_view keyword;
    std::string_view listText;
    bool isValue = true;  // false only for noValue
};

// What nameOf gives for a number that is no value of its enum.
inline constexpr CodeName noValue{{}, {}, false};

// A coded setting is an enum class whose values are the stored codes 0, 1, 2
// and so on, with a `constexpr CodeName nameOf(Code)` beside it: a switch
// with no default that names every value and returns noValue after the
// switch for numbers outside the enum. A value added to the enum fails the
// build until it is named there and handled in every switch of the engine;
// the keyword table and the preferences list follow from the names.

// How many values `Code` has: the codes run from 0 to codeCount - 1.
template <typename Code>
constexpr int32_t codeCount() {
    int32_t count = 0;
    while (nameOf(static_cast<Code>(count)).isValue) {
        ++count;
    }
    return count;
}

// The stored number of `code`, as the Settings record holds it.
template <typename Code>
constexpr std::underlying_type_t<Code> storedCode(Code code) {
    return static_cast<std::underlying_type_t<Code>>(code);
}

// The value a stored number stands for; empty when the number is no value of
// `Code` (the record keeps whatever number it was given).
template <typename Code>
constexpr std::optional<Code> codeOf(int32_t stored) {
    if (stored < 0 || stored >= codeCount<Code>()) {
        return std::nullopt;
    }
    return static_cast<Code>(stored);
}

// The entries of the preferences list of `Code`, in code order; a list entry
// stands at the index of its code.
template <typename Code>
std::vector<std::string_view> listTexts() {
    std::vector<std::string_view> texts;
    for (int32_t code = 0; code < codeCount<Code>(); ++code) {
        const std::string_view text = nameOf(static_cast<Code>(code)).listText;
        if (!text.empty()) {
            texts.push_back(text);
        }
    }
    return texts;
}

}  // namespace tessaro
