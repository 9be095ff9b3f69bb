#include "cli/help_text.h"

#include <array>
#include <random>

#include "l10n/format_message.h"
#include "l10n/product_identity.h"
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

}  // namespace

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
