#include "cli/help_text.h"

#include <array>
#include <random>

#include "l10n/letter_case.h"
#include "platform/random_seed.h"

namespace tessaro {

namespace {

// A blank line holds one blank. The option lines are two columns, the
// description starting at the 29th character.
constexpr std::array<std::string_view, 36> usageLines = {
    " ",
    "Usage: %s1% -i <filename> [options]",
    " ",
    "  %s1% -i example.%s2%",
    "  %s1% -i /tmp/example.%s2%",
    "  %s1% -i /tmp/example.%s2% -o /tmp/converted",
    "  %s1% -i /tmp/example.%s2% -o /tmp/converted --jpg-quality=95",
    " ",
    "Options:",
    " ",
    "  -h, -?, --help            Display this help and exit",
    "  -i FILE, --input=FILE     Set input file",
    "  -o PATH, --output=PATH    Set output folder",
    "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
    " ",
    "Advanced options:",
    " ",
    "  --width=NUM               Set output image width",
    "  --height=NUM              Set output image height",
    "  --filename-mask=STR       Define output filename format",
    "  --flip-horizontal         Flip output image horizontally",
    "  --flip-vertical           Flip output image vertically",
    "  --brightness=NUM          Set output image brightness, NUM = -100..100",
    "  --contrast=NUM            Set output image contrast, NUM = -100..100",
    "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99",
    "  --invert                  Invert output image",
    "  --greyscale               Greyscale output image",
    "  --profile=FILE            Set configuration file with required settings",
    "    ...                     Refer documentation for all available options",
    " ",
    "Other options:",
    " ",
    "  -q, --quiet               Don't print status messages to stdout",
    "  -d, --debug               Print debug information to stdout",
    "  -p, --pause               Pause at exit",
    "  -v, --version             Display version information and exit",
};

// Replaces every occurrence of `placeholder` (upper case) in any letter case,
// resuming after each inserted value so that a value is never rescanned.
void replacePlaceholder(std::string& text, std::string_view placeholder, std::string_view value) {
    std::string upperText = asciiUpper(text);
    std::string result;
    size_t start = 0;
    for (size_t found = upperText.find(placeholder); found != std::string::npos;
         found = upperText.find(placeholder, start)) {
        result.append(text, start, found - start).append(value);
        start = found + placeholder.size();
    }
    if (start == 0)
        return;
    text = result.append(text, start);
}

}  // namespace

std::string versionText(int32_t versionNumber) {
    std::string text = std::to_string(versionNumber);
    if (text.size() > 1)
        text.insert(1, ".");
    if (text.size() > 3)
        text.insert(3, ".");
    if (text.size() > 3 && text.back() == '0')
        text.resize(3);
    return text;
}

std::string productTitle(std::string_view name, int32_t versionNumber) {
    return std::string(name) + " " + versionText(versionNumber);
}

std::string formatMessage(std::string_view text, std::string_view s1, std::string_view s2,
                          std::string_view s3, std::string_view s4) {
    constexpr std::array<std::string_view, 4> placeholders = {"%S1%", "%S2%", "%S3%", "%S4%"};
    const std::array<std::string_view, 4> values = {s1, s2, s3, s4};
    std::string result(text);
    for (size_t index = 0; index < placeholders.size(); ++index) {
        if (!values[index].empty())
            replacePlaceholder(result, placeholders[index], values[index]);
    }
    return result;
}

std::string usageText(std::string_view prog, std::span<const std::string> inputFormats) {
    std::mt19937 random(randomSeed());
    std::string text;
    for (std::string_view line : usageLines) {
        std::string_view format;
        if (!inputFormats.empty()) {
            std::uniform_int_distribution<size_t> pick(0, inputFormats.size() - 1);
            format = inputFormats[pick(random)];
        }
        text.append(formatMessage(line, prog, format)).append("\n");
    }
    return text;
}

void printUsage(std::ostream& out, std::string_view prog,
                std::span<const std::string> inputFormats) {
    out << usageText(prog, inputFormats) << std::flush;
}

void printVersion(std::ostream& out) {
    out << versionText(programVersion) << '\n' << std::flush;
}

}  // namespace tessaro
