#include "settings/ini_reader.h"

#include <cstdint>

#include "l10n/letter_case.h"
#include "l10n/utf8.h"
#include "platform/regular_file.h"

namespace tessaro {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";
constexpr std::string_view blanks = " \t";

std::string sanitizeUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        std::size_t length = utf8SequenceLength(bytes);
        if (length == 0) {
            text += replacementCharacter;
            length = 1;
        } else {
            text += bytes.substr(0, length);
        }
        bytes.remove_prefix(length);
    }
    return text;
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

void parseLine(std::string_view line, IniDocument& document) {
    line = trimBlanks(line);
    if (line.empty() || line.front() == ';') {
        return;
    }
    if (line.front() == '[') {
        std::string_view name = line.substr(1);
        name = name.substr(0, name.find(']'));
        document.groups.push_back(IniGroup{std::string(name), {}});
        return;
    }
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || document.groups.empty()) {
        return;
    }
    document.groups.back().entries.push_back(IniEntry{
        std::string(trimBlanks(line.substr(0, equals))),
        std::string(trimBlanks(line.substr(equals + 1))),
    });
}

}  // namespace

std::optional<std::string> IniGroup::value(std::string_view key) const {
    for (const IniEntry& entry : entries) {
        if (equalIgnoringAsciiCase(entry.key, key)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

const IniGroup* IniDocument::group(std::string_view name) const {
    for (const IniGroup& candidate : groups) {
        if (equalIgnoringAsciiCase(candidate.name, name)) {
            return &candidate;
        }
    }
    return nullptr;
}

std::optional<std::string> IniDocument::value(std::string_view groupName,
                                              std::string_view key) const {
    const IniGroup* found = group(groupName);
    if (found == nullptr) {
        return std::nullopt;
    }
    return found->value(key);
}

IniDocument parseIniText(std::string_view bytes) {
    std::string text;
    if (bytes.starts_with(byteOrderMark)) {
        text = sanitizeUtf8(bytes.substr(byteOrderMark.size()));
    } else {
        text = latin1ToUtf8(bytes);
    }
    IniDocument document;
    std::string_view rest = text;
    while (!rest.empty()) {
        std::size_t end = rest.find_first_of("\r\n");
        parseLine(rest.substr(0, end), document);
        if (end == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(end + 1);
    }
    return document;
}

Result<IniDocument> readIniFile(const std::string& path, std::size_t sizeLimit) {
    Result<std::vector<std::uint8_t>> bytes = readRegularFile(path, sizeLimit);
    if (!bytes) {
        return bytes.failure();
    }
    return parseIniText(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace tessaro
