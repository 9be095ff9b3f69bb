#pragma once

#include <type_traits>
#include <utility>

#include "settings/settings.h"

namespace tessaro {

// One field of the Settings record, reachable for writing and for reading.
template <typename T>
struct FieldRef {
    T& (*write)(Settings&) = nullptr;
    const T& (*read)(const Settings&) = nullptr;

    explicit operator bool() const { return write != nullptr; }
};

// Builds the reference from a selector such as
// [](auto& s) -> auto& { return s.output.jpgQuality; }, whose one body serves
// both the writing and the reading access.
template <typename Select>
constexpr auto fieldRef(Select) {
    using T = std::remove_cvref_t<decltype(Select{}(std::declval<Settings&>()))>;
    return FieldRef<T>{[](Settings& s) -> T& { return Select{}(s); },
                       [](const Settings& s) -> const T& { return Select{}(s); }};
}

}  // namespace tessaro

// The reference of the field at `path` within Settings:
// SETTINGS_FIELD(output.jpgQuality) reaches settings.output.jpgQuality.
#define SETTINGS_FIELD(path) ::tessaro::fieldRef([](auto& s) -> auto& { return s.path; })
