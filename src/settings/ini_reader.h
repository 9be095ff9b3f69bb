#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace tessaro {

// The INI syntax shared by config.ini and profile files, as read.

struct IniEntry {
    std::string key;    // as written, trailing blanks and tabs removed
    std::string value;  // blanks and tabs around it removed; quotes kept
};

struct IniGroup {
    std::string name;               // as written between "[" and "]"
    std::vector<IniEntry> entries;  // in file order, repeated keys included

    // The value of the first entry named `key`, in any letter case.
    std::optional<std::string> value(std::string_view key) const;
};

struct IniDocument {
    // Every group in file order. Key lines before the first header belong to
    // no group and are dropped.
    std::vector<IniGroup> groups;

    // The first group named `name`, in any letter case; a later group of the
    // same name is never searched. nullptr when there is none.
    const IniGroup* group(std::string_view name) const;
    std::optional<std::string> value(std::string_view group, std::string_view key) const;
};

// Files larger than this are not read, so a huge file cannot exhaust memory.
inline constexpr std::size_t iniReadLimit = std::size_t{1} << 20;

// Parses the bytes of an INI file: UTF-8 after a byte-order mark (invalid
// sequences become U+FFFD), otherwise Latin-1. Lines end at CR or LF.
IniDocument parseIniText(std::string_view bytes);

// Reads and parses the regular file at `path`; the reason when it cannot be
// read (see readRegularFile).
[[nodiscard]] Result<IniDocument> readIniFile(const std::string& path,
                                              std::size_t sizeLimit = iniReadLimit);

}  // namespace tessaro
