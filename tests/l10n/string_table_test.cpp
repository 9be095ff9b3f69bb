#include "l10n/string_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "l10n/built_in_texts.h"

namespace tessaro::test {
namespace {

constexpr const char* missing = "%NO_STRING_ERROR%";

struct LookupCase {
    const char* group;
    const char* key;
    const char* text;
};

TEST(StringTable, LooksUpGroupAndKeyInAnyLetterCase) {
    const LookupCase cases[] = {
        {"msg", "error", "Error"},
        {"MENU", "exit", "Exit"},
        {"Menu", "About", "About..."},
        {"Preferences", "Check For Updates", "Check for Updates:"},
        {"Preferences", "Medium", "Medium"},
        {"Preferences", "Align Left", "Left"},
        {"Preferences", "Left", "Left:"},
        {"Preferences", "Y-Offset", "Y-Offset:"},
        {"Preferences", "ZLIB9", "ZLib Level 9"},
        {"Preferences", "Title", "Preferences..."},
        {"About", "Title", "About..."},
        {"custom-converter", "TITLE", "Find a File Converter"},
        {"Uninstall", "Next", "Next"},
        {"Msg", "New Update Text",
         "A new version of Brimvale ICO to JPG is available! Are you ready to download it right "
         "now?"},
        // Missing pairs: unknown key, unknown group, empty key, a key that sorts
        // before, inside and after the keys sharing its first letter, a prefix of
        // a key, a key whose first letter no key of the group has, and a first
        // byte outside ASCII.
        {"Preferences", "Nonexistent", missing},
        {"Nonexistent", "Title", missing},
        {"Msg", "", missing},
        {"", "Error", missing},
        {"Msg", "Ea", missing},
        {"Msg", "Errors", missing},
        {"Msg", "Ez", missing},
        {"Msg", "Erro", missing},
        {"Msg", "Zoom", missing},
        {"Msg", "\xc3\x89rror", missing},
        {"Msg", "Error ", missing},
    };
    for (const LookupCase& lookup : cases) {
        EXPECT_EQ(getText(lookup.group, lookup.key), lookup.text)
            << lookup.group << " / " << lookup.key;
    }
}

TEST(StringTable, FindsEveryStoredTextInItsGroup) {
    std::string group;
    int checked = 0;
    for (const StoredText& pair : builtInTexts()) {
        if (pair.name == "_END_")
            break;
        if (pair.name == "_GROUP_") {
            group = pair.value;
            continue;
        }
        std::string lowerKey(pair.name);
        std::transform(lowerKey.begin(), lowerKey.end(), lowerKey.begin(), ::tolower);
        EXPECT_EQ(getText(group, pair.name), pair.value) << group << " / " << pair.name;
        EXPECT_EQ(getText(group, lowerKey), pair.value) << group << " / " << lowerKey;
        ++checked;
    }
    EXPECT_EQ(checked, 320);
}

TEST(StringTable, HoldsEightGroupsWithTheirEntryCounts) {
    StringTable table = buildStringTable(builtInTexts());
    const std::map<std::string, uint32_t> expected = {
        {"MENU", 28},
        {"GENERAL", 10},
        {"MSG", 41},
        {"DIALOG", 16},
        {"PREFERENCES", 214},
        {"ABOUT", 4},
        {"CUSTOM-CONVERTER", 4},
        {"UNINSTALL", 3},
    };
    ASSERT_EQ(table.groups.size(), expected.size() + 1);
    EXPECT_EQ(table.entries.size(), 321u);
    std::map<std::string, uint32_t> counts;
    for (size_t number = 1; number < table.groups.size(); ++number) {
        const StringGroup& group = table.groups[number];
        counts[group.name] = group.lastEntry + 1 - group.firstEntry;
    }
    EXPECT_EQ(counts, expected);
}

TEST(StringTable, KeepsAKeyStoredTwice) {
    StringTable table = buildStringTable(builtInTexts());
    StringLookupMemo memo;
    ASSERT_EQ(lookupText(table, memo, "Preferences", "Medium"), "Medium");
    const StringGroup& preferences = table.groups[memo.group];
    auto first = table.entries.begin() + preferences.firstEntry;
    auto last = table.entries.begin() + preferences.lastEntry + 1;
    EXPECT_EQ(
        std::count_if(first, last, [](const StringEntry& entry) { return entry.key == "MEDIUM"; }),
        2);
    EXPECT_TRUE(std::is_sorted(first, last, [](const StringEntry& left, const StringEntry& right) {
        return left.key < right.key;
    }));
}

TEST(StringTable, ReturnsMultiLineTextsWhole) {
    EXPECT_EQ(getText("Msg", "Invalid input folder"),
              "The following input folder is invalid or doesn't exist:\n%s1%\n\n"
              "Please, correct the input path and try again!");
    EXPECT_EQ(getText("Msg", "Ask continue to find"),
              "No matches of %s1% found!\n\nDo you want to search from the start of the list?");
}

TEST(StringTable, ReplacesTheRememberedGroupOnEachLookup) {
    StringTable table = buildStringTable(builtInTexts());
    StringLookupMemo memo;
    const LookupCase sequence[] = {
        {"Msg", "Error", "Error"},
        {"Menu", "Exit", "Exit"},
        {"Menu", "Error", missing},
        {"Nonexistent", "Error", missing},
        {"Msg", "Error", "Error"},
        {"About", "Title", "About..."},
        {"Uninstall", "Title", "Uninstall"},
        {"uninstall", "Next", "Next"},
        {"Custom-Converter", "Title", "Find a File Converter"},
    };
    for (const LookupCase& lookup : sequence) {
        EXPECT_EQ(lookupText(table, memo, lookup.group, lookup.key), lookup.text)
            << lookup.group << " / " << lookup.key;
    }
}

TEST(StringTable, BuildsGroupsFromAnyStoredSequence) {
    // Entries before the first group belong to none, an empty group finds
    // nothing, markers match in any letter case, and pairs after the end
    // pair are not read.
    const StoredText stored[] = {
        {"Orphan", "lost"},     {"_group_", "Empty"}, {"_GROUP_", "Fruit"},
        {"pear", "Pear"},       {"Apple", "Apple"},   {"plum", "Plum"},
        {"apricot", "Apricot"}, {"_end_", ""},        {"Banana", "Banana"},
    };
    StringTable table = buildStringTable(stored);
    ASSERT_EQ(table.groups.size(), 3u);
    EXPECT_EQ(table.entries.size(), 6u);
    StringLookupMemo memo;
    EXPECT_EQ(lookupText(table, memo, "", "Orphan"), missing);
    EXPECT_EQ(lookupText(table, memo, "Empty", "Apple"), missing);
    for (const char* fruit : {"Apple", "Apricot", "Pear", "Plum"}) {
        EXPECT_EQ(lookupText(table, memo, "fruit", fruit), fruit);
    }
    EXPECT_EQ(lookupText(table, memo, "Fruit", "Banana"), missing);
    EXPECT_EQ(lookupText(table, memo, "Fruit", "Peach"), missing);

    const StringGroup& fruit = table.groups[2];
    EXPECT_EQ(fruit.firstEntryByLetter['A'], fruit.firstEntry);
    EXPECT_EQ(fruit.firstEntryByLetter['P'], fruit.firstEntry + 2);
    EXPECT_EQ(fruit.firstEntryByLetter['B'], 0u);
}

}  // namespace
}  // namespace tessaro::test
