#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"

namespace tessaro {

// The field behind one key of config.ini; its type decides how the value is
// written and read (long, byte, fraction or text).
using PreferenceField = std::variant<int32_t*, int8_t*, float*, std::string*>;

struct PreferenceKey {
    std::string_view name;
    PreferenceField (*field)(Settings&);
    // Keys of one format are written only when the product offers that
    // format; every key is read whatever the product offers.
    std::string_view formatKey = {};
};

// Which product format list selects the format keys written in a group.
enum class FormatList { none, input, output };

struct PreferenceGroup {
    std::string_view name;
    std::span<const PreferenceKey> keys;
    FormatList formats = FormatList::none;
    bool isWindowGeometry = false;  // written only with "Save Window Position"
};

// Every group of config.ini with its keys, in the order they are written.
std::span<const PreferenceGroup> preferenceGroups();

}  // namespace tessaro
