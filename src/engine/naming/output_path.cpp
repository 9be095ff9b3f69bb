#include "engine/naming/output_path.h"

#include <cstdio>

#include "l10n/letter_case.h"
#include "l10n/text_case.h"

namespace tessaro {
namespace {

constexpr std::string_view defaultMask = "%filename%.%ext%";
constexpr size_t fiveDigits = 5;

std::string fileNameOf(std::string_view path) {
    size_t separator = path.rfind('/');
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// Padded on the left with "0" to five characters, or cut to the first five.
std::string fiveDigitForm(int32_t value) {
    std::string digits = std::to_string(value);
    if (digits.size() >= fiveDigits) {
        return digits.substr(0, fiveDigits);
    }
    return std::string(fiveDigits - digits.size(), '0') + digits;
}

bool matchesIgnoringCase(std::string_view text, size_t position, std::string_view token) {
    if (text.size() - position < token.size()) {
        return false;
    }
    return equalIgnoringAsciiCase(text.substr(position, token.size()), token);
}

// Folders are joined with "/" even when the caller left it off, so a file
// never lands beside its folder under a glued-together name.
void appendFolder(std::string& path, std::string_view folder) {
    if (folder.empty()) {
        return;
    }
    path += folder;
    if (path.back() != '/') {
        path += '/';
    }
}

std::tm localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

std::string stripExtension(std::string_view fileName) {
    size_t dot = fileName.rfind('.');
    return std::string(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
}

std::optional<std::string> tokenValue(std::string_view token, const ConversionRequest& request,
                                      const PageFacts& page, const std::tm& now) {
    if (token.starts_with("%filename")) {
        std::string name = stripExtension(fileNameOf(request.inputPath));
        if (token == "%filename%") {
            return name;
        }
        if (token == "%filename[u]%") {
            return upperCaseText(name);
        }
        if (token == "%filename[l]%") {
            return lowerCaseText(name);
        }
        if (token == "%filename[t]%") {
            return titleCaseText(name);
        }
        return std::nullopt;
    }
    if (token == "%ext%") {
        return request.output.formatKey;
    }
    if (token == "%ext[u]%") {
        return upperCaseText(request.output.formatKey);
    }
    if (token == "%ext[t]%") {
        return titleCaseText(request.output.formatKey);
    }
    if (token == "%yyyy%") {
        char year[16];
        std::snprintf(year, sizeof year, "%04d", now.tm_year + 1900);
        return year;
    }
    if (token == "%mm%") {
        return twoDigits(now.tm_mon + 1);
    }
    if (token == "%dd%") {
        return twoDigits(now.tm_mday);
    }
    if (token == "%hh%") {
        return twoDigits(now.tm_hour);
    }
    if (token == "%ii%") {
        return twoDigits(now.tm_min);
    }
    if (token == "%ss%") {
        return twoDigits(now.tm_sec);
    }
    if (token == "%bpp%") {
        return std::to_string(page.depth);
    }
    if (token == "%width%") {
        return std::to_string(page.width);
    }
    if (token == "%height%") {
        return std::to_string(page.height);
    }
    if (token == "%rnd%") {
        return fiveDigitForm(request.randomNumber);
    }
    if (token == "%n%") {
        return fiveDigitForm(request.fileNumber);
    }
    return std::nullopt;
}

std::string expandToken(std::string_view text, std::string_view token,
                        const ConversionRequest& request, const PageFacts& page) {
    std::string lowerToken = asciiLower(token);
    std::optional<std::string> value = tokenValue(lowerToken, request, page, localNow());
    if (!value) {
        return std::string(text);
    }
    // The scan moves past each inserted value, so a value that holds the
    // token itself is not expanded again.
    std::string expanded;
    size_t position = 0;
    while (position < text.size()) {
        if (matchesIgnoringCase(text, position, lowerToken)) {
            expanded += *value;
            position += lowerToken.size();
        } else {
            expanded += text[position];
            ++position;
        }
    }
    return expanded;
}

std::string expandFileNameMask(const Settings& settings, const ConversionRequest& request,
                               const PageFacts& page) {
    std::string name = lowerCaseText(settings.advanced.filenameMask);
    if (name.empty()) {
        name = defaultMask;
    }
    for (std::string_view token : fileNameTokens) {
        if (name.find(token) != std::string::npos) {
            name = expandToken(name, token, request, page);
        }
    }
    return name;
}

std::string buildOutputPath(const Settings& settings, const ConversionRequest& request,
                            const PageFacts& page) {
    std::string path;
    appendFolder(path, request.output.folder);
    if (settings.advanced.keepSubfolders != 0) {
        appendFolder(path, request.inputSubfolder);
    }
    return path + expandFileNameMask(settings, request, page);
}

}  // namespace tessaro
