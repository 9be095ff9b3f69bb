#include <gtest/gtest.h>

#include "support/program_runner.h"

namespace tessaro::test {
namespace {

constexpr const char* expectedHelp =
    " \n"
    "Usage: tessaro -i <filename> [options]\n"
    " \n"
    "  tessaro -i example.ico\n"
    "  tessaro -i /tmp/example.ico\n"
    "  tessaro -i /tmp/example.ico -o /tmp/converted\n"
    "  tessaro -i /tmp/example.ico -o /tmp/converted --jpg-quality=95\n"
    " \n"
    "Options:\n"
    " \n"
    "  -h, -?, --help            Display this help and exit\n"
    "  -i FILE, --input=FILE     Set input file\n"
    "  -o PATH, --output=PATH    Set output folder\n"
    "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)\n"
    " \n"
    "Advanced options:\n"
    " \n"
    "  --width=NUM               Set output image width\n"
    "  --height=NUM              Set output image height\n"
    "  --filename-mask=STR       Define output filename format\n"
    "  --flip-horizontal         Flip output image horizontally\n"
    "  --flip-vertical           Flip output image vertically\n"
    "  --brightness=NUM          Set output image brightness, NUM = -100..100\n"
    "  --contrast=NUM            Set output image contrast, NUM = -100..100\n"
    "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99\n"
    "  --invert                  Invert output image\n"
    "  --greyscale               Greyscale output image\n"
    "  --profile=FILE            Set configuration file with required settings\n"
    "    ...                     Refer documentation for all available options\n"
    " \n"
    "Other options:\n"
    " \n"
    "  -q, --quiet               Don't print status messages to stdout\n"
    "  -d, --debug               Print debug information to stdout\n"
    "  -p, --pause               Pause at exit\n"
    "  -v, --version             Display version information and exit\n";

struct CommandCase {
    std::vector<std::string> arguments;
    const char* output;
};

TEST(ProgramEntry, PrintsHelpAndVersionForTheFirstArgument) {
    const CommandCase cases[] = {
        {{"-v"}, "2.7\n"},      {{"--version"}, "2.7\n"},   {{"--VERSION", "-h"}, "2.7\n"},
        {{"-V"}, "2.7\n"},      {{"-h"}, expectedHelp},     {{"-H"}, expectedHelp},
        {{"-?"}, expectedHelp}, {{"--help"}, expectedHelp}, {{"--Help", "-v"}, expectedHelp},
    };
    ScratchHome home;
    for (const CommandCase& command : cases) {
        ProgramResult result = runTessaro(home, command.arguments);
        EXPECT_EQ(result.exitStatus, 0) << command.arguments.front();
        EXPECT_EQ(result.standardOutput, command.output) << command.arguments.front();
        EXPECT_EQ(result.standardError, "") << command.arguments.front();
    }
}

}  // namespace
}  // namespace tessaro::test
