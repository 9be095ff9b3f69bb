#include "settings/preferences_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/atomic_write.h"
#include "settings/byte_field.h"
#include "settings/ini_reader.h"
#include "settings/preference_keys.h"
#include "settings/product_formats.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

fs::path homeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return {};
}

fs::path configFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && fs::path(configHome).is_absolute()) {
        return configHome;
    }
    fs::path home = homeFolder();
    return home.empty() ? fs::path() : home / ".config";
}

void createMissingFolders(const fs::path& folder) {
    fs::path current;
    for (const fs::path& part : folder) {
        current /= part;
        mkdir(current.c_str(), 0700);
    }
}

// Whole numbers: an optional sign and decimal digits, reading up to the first
// other character; no digits read as 0. Longer numbers wrap, so the field
// keeps the low bits of the value.
int64_t readInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    uint64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
    }
    return static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
}

// Fractions: an optional sign, digits and an optional fractional part;
// anything else reads as 0.
float readFraction(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t length = text.find_first_not_of("0123456789");
    length = length == std::string_view::npos ? text.size() : length;
    if (length < text.size() && text[length] == '.') {
        std::size_t fraction = text.find_first_not_of("0123456789", length + 1);
        length = fraction == std::string_view::npos ? text.size() : fraction;
    }
    float value = 0.0f;
    std::from_chars(text.data(), text.data() + length, value, std::chars_format::fixed);
    return negative ? -value : value;
}

void readValue(const PreferenceField& field, const std::string& text) {
    std::visit(
        [&](auto* target) {
            using Field = std::remove_pointer_t<decltype(target)>;
            if constexpr (std::is_same_v<Field, std::string>) {
                *target = text;
            } else if constexpr (std::is_same_v<Field, float>) {
                *target = readFraction(text);
            } else if constexpr (std::is_same_v<Field, int8_t>) {
                *target = keepLowByte(readInteger(text));
            } else {
                *target = static_cast<int32_t>(static_cast<uint32_t>(readInteger(text)));
            }
        },
        field);
}

// A line break inside a value would end its line and could forge further
// keys, so texts are written without CR and LF.
std::string writtenValue(const PreferenceField& field) {
    return std::visit(
        [](auto* source) -> std::string {
            using Field = std::remove_pointer_t<decltype(source)>;
            if constexpr (std::is_same_v<Field, std::string>) {
                std::string text = *source;
                std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
                return text;
            } else if constexpr (std::is_same_v<Field, float>) {
                char buffer[64];
                std::snprintf(buffer, sizeof buffer, "%.6f", static_cast<double>(*source));
                return buffer;
            } else {
                return std::to_string(static_cast<int32_t>(*source));
            }
        },
        field);
}

// The record as it stands before any key of the file is read: the reset
// defaults of the window mode, except where the file format has its own.
Settings fileDefaults() {
    Settings settings;
    resetSettings(settings, false);
    settings.general.cfg = 0;
    settings.window.x = 100;
    settings.window.y = 100;
    return settings;
}

void upgradeOlderLayouts(Settings& settings) {
    if (settings.general.cfg < 11 &&
        settings.advanced.filenameMask.find("%ext%") == std::string::npos) {
        settings.advanced.filenameMask += ".%ext%";
    }
    // Layout 14 inserted two raw load modes before the existing ones.
    if (settings.general.cfg < 14 && settings.input.rawLoadAs != 0) {
        settings.input.rawLoadAs =
            static_cast<int32_t>(static_cast<uint32_t>(settings.input.rawLoadAs) + 2u);
    }
}

const std::vector<std::string>* productFormats(FormatList list) {
    switch (list) {
        case FormatList::input:
            return &productInputFormats();
        case FormatList::output:
            return &productOutputFormats();
        case FormatList::none:
            break;
    }
    return nullptr;
}

void appendKeyLine(std::string& text, const PreferenceKey& key, Settings& record) {
    text += key.name;
    text += " = ";
    text += writtenValue(key.field(record));
    text += "\r\n";
}

// Nothing at all is at `path`, not even a dangling link: a file that is only
// unreadable, or lies in a folder that cannot be searched, is no missing file.
bool isMissing(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) != 0 && errno == ENOENT;
}

// The permission bits decide, as the user set them: the superuser, whom the
// system lets write anything, still leaves a file alone that has no write
// permission for anyone.
bool userMayWrite(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && (status.st_mode & 0222) != 0 &&
           faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// The file a chain of symbolic links at `path` ends in, which need not exist
// yet; `path` itself when it is no link.
Result<std::string> linkTarget(const std::string& path) {
    constexpr int maxLinks = 40;
    fs::path target = path;
    for (int links = 0; links < maxLinks; ++links) {
        std::error_code error;
        if (!fs::is_symlink(target, error)) {
            return target.string();
        }
        fs::path next = fs::read_symlink(target, error);
        if (error) {
            return systemFailure(error.value());
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return systemFailure(ELOOP);
}

}  // namespace

std::string preferencesPath(bool createFolders) {
    fs::path base = configFolder();
    if (base.empty()) {
        return {};
    }
    fs::path folder = base / "Brimvale" / "tessaro";
    if (createFolders) {
        createMissingFolders(folder);
    }
    return (folder / "config.ini").string();
}

bool loadPreferences(Settings& settings, PreferencesFile& file, DisplaySize primaryDisplay) {
    Result<IniDocument> document = readIniFile(file.path);
    if (!document) {
        if (!isMissing(file.path)) {
            file.unreadable = document.failure();
        }
        resetSettings(settings, false, primaryDisplay);
        return false;
    }
    settings = fileDefaults();
    for (const PreferenceGroup& group : preferenceGroups()) {
        const IniGroup* stored = document->group(group.name);
        if (stored == nullptr) {
            continue;
        }
        for (const PreferenceKey& key : group.keys) {
            if (std::optional<std::string> value = stored->value(key.name)) {
                readValue(key.field(settings), *value);
            }
        }
    }
    upgradeOlderLayouts(settings);
    return true;
}

Result<void> savePreferences(const Settings& settings, const PreferencesFile& file) {
    if (file.unreadable) {
        return Failure{"kept as it was, since it could not be read: " + file.unreadable->reason};
    }
    Result<std::string> target = linkTarget(file.path);
    if (!target) {
        return target.failure();
    }
    if (!isMissing(*target) && !userMayWrite(*target)) {
        return systemFailure(EACCES);
    }

    // The table reaches fields through a mutable record; the copy keeps the
    // caller's record untouched and carries the layout version to write.
    Settings record = settings;
    record.general.cfg = preferencesLayoutVersion;

    std::string text = "\xEF\xBB\xBF\r\n";
    for (const PreferenceGroup& group : preferenceGroups()) {
        text += "[";
        text += group.name;
        text += "]\r\n";
        if (!group.isWindowGeometry || record.general.saveWindowPosition != 0) {
            for (const PreferenceKey& key : group.keys) {
                if (key.formatKey.empty()) {
                    appendKeyLine(text, key, record);
                }
            }
            if (const std::vector<std::string>* formats = productFormats(group.formats)) {
                for (const std::string& format : *formats) {
                    for (const PreferenceKey& key : group.keys) {
                        if (key.formatKey == format) {
                            appendKeyLine(text, key, record);
                        }
                    }
                }
            }
        }
        text += "; \r\n";
    }
    return replaceFileAtomically(*target, text);
}

}  // namespace tessaro
