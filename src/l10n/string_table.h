#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// One pair of the stored texts. A pair named "_GROUP_" opens the group named
// by its value, "_END_" ends the sequence, and any other name is a key of the
// current group with its text.
struct StoredText {
    std::string_view name;
    std::string_view value;
};

struct StringEntry {
    std::string key;  // upper case
    std::string text;
};

struct StringGroup {
    std::string name;  // upper case
    // Entry numbers of the group's range; first > last for an empty group.
    uint32_t firstEntry = 1;
    uint32_t lastEntry = 0;
    // Slot c holds the group's first entry whose key starts with the byte c,
    // or 0 when none does, so a lookup scans only keys sharing that letter.
    std::array<uint32_t, 256> firstEntryByLetter{};
};

// The index over the stored texts. Groups and entries are numbered from 1;
// slot 0 of each list stays empty. Each group's entries form one range sorted
// by key.
struct StringTable {
    std::vector<StringGroup> groups;
    std::vector<StringEntry> entries;
};

// The group found by the previous lookup (0 for none), so that runs of
// lookups in one group skip the group search. Each thread keeps its own.
struct StringLookupMemo {
    uint32_t group = 0;
};

StringTable buildStringTable(std::span<const StoredText> stored);

// The text of a group and key, both matched without regard to ASCII letter
// case, or "%NO_STRING_ERROR%" when the table holds no such pair.
const std::string& lookupText(const StringTable& table, StringLookupMemo& memo,
                              std::string_view group, std::string_view key);

// Builds the index of the program's built-in texts now, so that the first
// shown text does not pay for it. Lookups build it on demand as well.
void loadStringTable();

// lookupText over the built-in texts, safe to call from any thread.
const std::string& getText(std::string_view group, std::string_view key);

}  // namespace tessaro
