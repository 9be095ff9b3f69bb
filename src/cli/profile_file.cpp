#include "cli/profile_file.h"

#include <string_view>

#include "cli/option_table.h"
#include "cli/option_value.h"

namespace tessaro {
namespace {

constexpr std::string_view profileGroup = "CLI";

}  // namespace

Result<void> loadProfile(const std::string& path, Settings& settings) {
    if (path.empty())
        return Failure{"no profile file named"};
    const Result<IniDocument> document = readIniFile(path);
    if (!document)
        return document.failure();
    applyProfile(*document, settings);
    return {};
}

void applyProfile(const IniDocument& profile, Settings& settings) {
    const IniGroup* group = profile.group(profileGroup);
    if (group == nullptr) {
        return;
    }
    for (const IniEntry& entry : group->entries) {
        const OptionSpec* option = findProfileOption(upperCaseName(entry.key));
        if (option == nullptr) {
            continue;
        }
        std::string_view value = entry.value;
        if (option->profileStripsQuotes) {
            value = stripQuotes(value);
        }
        applySettingValue(*option, value, settings);
    }
}

}  // namespace tessaro
