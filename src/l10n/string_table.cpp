#include "l10n/string_table.h"

#include <algorithm>

#include "l10n/built_in_texts.h"
#include "l10n/letter_case.h"

namespace tessaro {

namespace {

constexpr std::string_view groupMarker = "_GROUP_";
constexpr std::string_view endMarker = "_END_";

bool isMarker(std::string_view name, std::string_view marker) {
    return asciiUpper(name) == marker;
}

// The stored pairs up to, not including, the "_END_" pair (or all of them
// when it is missing).
std::span<const StoredText> pairsBeforeEnd(std::span<const StoredText> stored) {
    auto end = std::find_if(stored.begin(), stored.end(),
                            [](const StoredText& pair) { return isMarker(pair.name, endMarker); });
    return {stored.begin(), end};
}

void indexGroupEntries(StringGroup& group, std::vector<StringEntry>& entries) {
    if (group.firstEntry > group.lastEntry)
        return;
    auto first = entries.begin() + group.firstEntry;
    auto last = entries.begin() + group.lastEntry + 1;
    // Stable, so that of a key stored twice the first row is the one found.
    std::stable_sort(first, last, [](const StringEntry& left, const StringEntry& right) {
        return left.key < right.key;
    });
    unsigned char previousLetter = 0;
    for (uint32_t number = group.firstEntry; number <= group.lastEntry; ++number) {
        const std::string& key = entries[number].key;
        auto letter = key.empty() ? 0 : static_cast<unsigned char>(key.front());
        if (letter != previousLetter)
            group.firstEntryByLetter[letter] = number;
        previousLetter = letter;
    }
}

uint32_t findGroup(const StringTable& table, const std::string& upperName) {
    for (uint32_t number = 1; number < table.groups.size(); ++number) {
        if (table.groups[number].name == upperName)
            return number;
    }
    return 0;
}

const std::string& missingText() {
    static const std::string text = "%NO_STRING_ERROR%";
    return text;
}

const StringTable& builtInStringTable() {
    static const StringTable table = buildStringTable(builtInTexts());
    return table;
}

}  // namespace

StringTable buildStringTable(std::span<const StoredText> stored) {
    std::span<const StoredText> pairs = pairsBeforeEnd(stored);
    auto groupCount = std::count_if(pairs.begin(), pairs.end(), [](const StoredText& pair) {
        return isMarker(pair.name, groupMarker);
    });

    StringTable table;
    table.groups.resize(groupCount + 1);
    table.entries.resize(pairs.size() - groupCount + 1);

    uint32_t groupNumber = 0;
    uint32_t entryCount = 0;
    for (const StoredText& pair : pairs) {
        if (isMarker(pair.name, groupMarker)) {
            table.groups[groupNumber].lastEntry = entryCount;
            StringGroup& group = table.groups[++groupNumber];
            group.name = asciiUpper(pair.value);
            group.firstEntry = entryCount + 1;
        } else {
            table.entries[++entryCount] = {asciiUpper(pair.name), std::string(pair.value)};
        }
    }
    table.groups[groupNumber].lastEntry = entryCount;

    for (uint32_t number = 1; number < table.groups.size(); ++number) {
        indexGroupEntries(table.groups[number], table.entries);
    }
    return table;
}

const std::string& lookupText(const StringTable& table, StringLookupMemo& memo,
                              std::string_view group, std::string_view key) {
    std::string upperGroup = asciiUpper(group);
    std::string upperKey = asciiUpper(key);
    if (memo.group >= table.groups.size() || table.groups[memo.group].name != upperGroup) {
        memo.group = findGroup(table, upperGroup);
    }
    if (memo.group == 0 || upperKey.empty())
        return missingText();

    const StringGroup& found = table.groups[memo.group];
    uint32_t number = found.firstEntryByLetter[static_cast<unsigned char>(upperKey.front())];
    if (number == 0)
        return missingText();
    for (; number <= found.lastEntry; ++number) {
        int order = upperKey.compare(table.entries[number].key);
        if (order == 0)
            return table.entries[number].text;
        if (order < 0)
            break;
    }
    return missingText();
}

void loadStringTable() {
    builtInStringTable();
}

const std::string& getText(std::string_view group, std::string_view key) {
    // The remembered group is per thread: the conversion worker may look up
    // texts while the window or console thread does.
    thread_local StringLookupMemo memo;
    return lookupText(builtInStringTable(), memo, group, key);
}

}  // namespace tessaro
