#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "settings/setting_codes.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

struct Parsed {
    Settings settings;
    ConversionJob job;
    CommandLineResult result;
};

Parsed parse(const std::vector<std::string>& arguments) {
    Parsed parsed;
    parsed.result = parseCommandLine(arguments, parsed.settings, parsed.job);
    return parsed;
}

std::string describe(const std::vector<std::string>& arguments) {
    std::string text;
    for (const std::string& argument : arguments) {
        text += "[" + argument + "] ";
    }
    return text;
}

TEST(OptionNameAndValue, SplitLongOptionsAtTheFirstEquals) {
    EXPECT_EQ(optionName("--Jpg-Quality=90"), "--JPG-QUALITY");
    EXPECT_EQ(optionValue("--Jpg-Quality=90"), "90");
    EXPECT_EQ(optionValue("--wm-text=a=b"), "a=b");
    EXPECT_EQ(optionName("-i"), "-I");
    EXPECT_EQ(optionValue("-i"), "-i");
    EXPECT_EQ(optionName("-i=x"), "-I=X");
    EXPECT_EQ(optionName("picture.ico"), "");
    EXPECT_EQ(optionValue("picture.ico"), "picture.ico");
}

struct StepCase {
    std::vector<std::string> arguments;
    NextStep next;
    std::string errorMessage;
};

TEST(CommandLine, DecidesTheNextStep) {
    const std::string missing = "Incorrect number of parameters";
    const std::vector<StepCase> cases = {
        {{}, NextStep::startWindowMode, ""},
        {{"picture.ico"}, NextStep::startWindowMode, ""},
        {{"--colour=red", "stray", "-i", "a.ico"}, NextStep::runConversion, ""},
        {{"-i", "pic.ico", "--jpg-quality=80", "-q"}, NextStep::runConversion, ""},
        {{"--brightness=-40", "-i", "pic.ico"}, NextStep::runConversion, ""},
        {{"  -I  ", "  a.ico "}, NextStep::runConversion, ""},
        {{"-i", "a.ico", "-h"}, NextStep::runConversion, ""},
        {{"-q", "-d"}, NextStep::startWindowMode, ""},
        {{"-i"}, NextStep::reportError, missing},
        {{"-i", "-o", "out"}, NextStep::reportError, missing},
        {{"-i", "-q"}, NextStep::reportError, missing},
        {{"--input"}, NextStep::reportError, missing},
        {{"--input="}, NextStep::reportError, missing},
        {{"-i", "pic.ico", "--jpg-quality", "80"}, NextStep::reportError, missing},
        {{"-o", "out", "--wm-text="}, NextStep::reportError, missing},
        // The next option never passes for a short option's value.
        {{"-i", "--output=out"}, NextStep::reportError, missing},
        {{"--profile=/nonexistent/profile.bvp"}, NextStep::reportError, "Invalid profile file"},
        {{"--profile="}, NextStep::reportError, missing},
        {{"-v"}, NextStep::printVersion, ""},
        {{"--Version", "-i", "a.ico"}, NextStep::printVersion, ""},
        {{"-h"}, NextStep::printHelp, ""},
        {{"-?"}, NextStep::printHelp, ""},
        {{"--HELP"}, NextStep::printHelp, ""},
        {{"-u"}, NextStep::uninstallFeedback, ""},
        {{"-T"}, NextStep::takeScreenshots, ""},
    };
    for (const StepCase& row : cases) {
        Parsed parsed = parse(row.arguments);
        EXPECT_EQ(parsed.result.next, row.next) << describe(row.arguments);
        EXPECT_EQ(parsed.result.errorMessage, row.errorMessage) << describe(row.arguments);
    }
}

TEST(CommandLine, KeepsTheFlagsReadBeforeAnError) {
    Parsed parsed = parse({"-p", "-q", "--jpg-quality=80", "-i", "--jpg-quality=70"});
    EXPECT_EQ(parsed.result.next, NextStep::reportError);
    EXPECT_TRUE(parsed.result.pause);
    EXPECT_TRUE(parsed.result.quiet);
    EXPECT_EQ(parsed.settings.output.jpgQuality, 80);
    // The input option counts as soon as it is seen, even without its value.
    EXPECT_TRUE(parsed.job.consoleMode);
}

TEST(CommandLine, ReadsModeFlagsAndJobFields) {
    Parsed parsed =
        parse({"-D", "--quiet", "-P", "--input=pics/a.ico", "-o", "/tmp/out", "-c", "JPG"});
    EXPECT_TRUE(parsed.result.debug);
    EXPECT_TRUE(parsed.result.quiet);
    EXPECT_TRUE(parsed.result.pause);
    EXPECT_EQ(parsed.job.runMode, RunMode::debug);
    EXPECT_TRUE(parsed.job.consoleMode);
    EXPECT_EQ(parsed.job.namedInput, "pics/a.ico");
    EXPECT_EQ(parsed.job.output.folder, "/tmp/out");
    // The conversion keeps its letter case; the run checks it as given.
    EXPECT_EQ(parsed.job.output.formatKey, "JPG");
}

TEST(CommandLine, ScreenshotModeTakesTheFolderOfTheSecondArgument) {
    Parsed parsed = parse({"-T", "/tmp/shots"});
    EXPECT_EQ(parsed.result.next, NextStep::takeScreenshots);
    EXPECT_EQ(parsed.result.screenshotFolder, "/tmp/shots");
    EXPECT_EQ(parsed.job.runMode, RunMode::screenshots);
    EXPECT_EQ(parse({"-t"}).result.screenshotFolder, "");
}

template <typename T>
struct FieldCase {
    std::vector<std::string> arguments;
    std::function<T(const Parsed&)> field;
    T expected;
};

template <typename T>
void checkFields(const std::vector<FieldCase<T>>& cases) {
    for (const FieldCase<T>& row : cases) {
        Parsed parsed = parse(row.arguments);
        EXPECT_NE(parsed.result.next, NextStep::reportError) << describe(row.arguments);
        EXPECT_EQ(row.field(parsed), row.expected) << describe(row.arguments);
    }
}

int32_t jpgQuality(const Parsed& p) {
    return p.settings.output.jpgQuality;
}

TEST(CommandLine, ReadsNumbersInDecimalHexadecimalAndBinary) {
    checkFields<int32_t>({
        {{"--jpg-quality=80"}, jpgQuality, 80},
        {{"--jpg-quality=$1F"}, jpgQuality, 31},
        {{"--jpg-quality=$ff"}, jpgQuality, 255},
        {{"--jpg-quality=%101"}, jpgQuality, 5},
        {{"--jpg-quality=-$10"}, jpgQuality, -16},
        {{"--jpg-quality=+7"}, jpgQuality, 7},
        {{"--jpg-quality=\t12abc"}, jpgQuality, 12},
        {{"--jpg-quality=%102"}, jpgQuality, 2},
        {{"--jpg-quality=abc"}, jpgQuality, 0},
        {{"--jpg-quality=$"}, jpgQuality, 0},
        {{"--jpg-quality=4294967297"}, jpgQuality, 1},
        {{"--jpg-quality=-2147483648"}, jpgQuality, std::numeric_limits<int32_t>::min()},
        {{"--jpg-quality=90", "--jpg-quality=91"}, jpgQuality, 91},
        {{"--raw-width=640"}, [](const Parsed& p) { return p.settings.input.rawImageWidth; }, 640},
        {{"--fr-solid-opacity=128"},
         [](const Parsed& p) { return p.settings.frame.solidOpacity; },
         128},
        {{"--wm-image-y-offset=-5"},
         [](const Parsed& p) { return p.settings.watermark.imageYOffset; },
         -5},
        {{"--file-timestamp-custom=86400"},
         [](const Parsed& p) { return p.settings.advanced.customTimestamp; },
         86400},
    });
}

TEST(CommandLine, ReadsKeywordsInAnyCase) {
    checkFields<int32_t>({
        {{"--jpg-chroma=medium"},
         [](const Parsed& p) { return p.settings.output.jpgChroma; },
         storedCode(JpegChroma::medium)},
        {{"--jpg-chroma=foo"},
         [](const Parsed& p) { return p.settings.output.jpgChroma; },
         storedCode(JpegChroma::none)},
        {{"--JPG-CHROMA= High "},
         [](const Parsed& p) { return p.settings.output.jpgChroma; },
         storedCode(JpegChroma::high)},
        {{"--raw-load-as=48hs"},
         [](const Parsed& p) { return p.settings.input.rawLoadAs; },
         storedCode(RawLoadMode::rgb48HalfSize)},
        {{"--png-compression=zlib9"},
         [](const Parsed& p) { return p.settings.output.pngCompression; },
         3},
        {{"--bmp-compression=LZW"},
         [](const Parsed& p) { return p.settings.output.bmpCompression; },
         6},
        {{"--resize-algorithm=Lanczos"},
         [](const Parsed& p) { return int32_t{p.settings.transform.imageResizeAlgorithm}; },
         storedCode(ResizeAlgorithm::lanczos)},
        {{"--wm-text-position=topleft"},
         [](const Parsed& p) { return int32_t{p.settings.watermark.textPosition}; },
         storedCode(AnchorPosition::topLeft)},
        {{"--wm-image-position=MiddleCenter"},
         [](const Parsed& p) { return int32_t{p.settings.watermark.imagePosition}; },
         storedCode(AnchorPosition::middleCenter)},
        {{"--file-timestamp=custom"},
         [](const Parsed& p) { return int32_t{p.settings.advanced.fileTimestamp}; },
         storedCode(FileTimestamp::custom)},
        {{"--wm-font-effect=strikethrought"},
         [](const Parsed& p) { return int32_t{p.settings.watermark.fontEffect}; },
         storedCode(FontEffect::strikeout)},
    });
}

TEST(CommandLine, ReadsFractionsWithInfinityAndNaN) {
    auto gamma = [](const std::string& value) {
        Parsed parsed = parse({"--gamma=" + value});
        EXPECT_EQ(parsed.settings.adjustment.doImageColorCorrection, 1) << value;
        return parsed.settings.adjustment.imageGamma;
    };
    EXPECT_FLOAT_EQ(gamma("2.5"), 2.5f);
    EXPECT_FLOAT_EQ(gamma(" -0.25xyz"), -0.25f);
    EXPECT_FLOAT_EQ(gamma(".5"), 0.5f);
    EXPECT_FLOAT_EQ(gamma("9.99"), 9.99f);
    EXPECT_EQ(gamma("abc"), 0.0f);
    EXPECT_EQ(gamma("+Infinity"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(gamma("-INFINITY"), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(gamma("1e999"), 1.0f);
    EXPECT_EQ(gamma(std::string(400, '9')), std::numeric_limits<float>::infinity());
    EXPECT_EQ(gamma("0." + std::string(400, '0') + "1"), 0.0f);
    EXPECT_TRUE(std::isnan(gamma("nan")));
    EXPECT_TRUE(std::isnan(gamma("NaN")));
}

std::string watermarkText(const Parsed& p) {
    return p.settings.watermark.text;
}

TEST(CommandLine, JoinsQuotedTextAndStripsQuotes) {
    checkFields<std::string>({
        {{"--wm-text=Sample"}, watermarkText, "Sample"},
        {{"--wm-text=a=b"}, watermarkText, "a=b"},
        {{"--wm-text=\"Hello", "World\"", "-q"}, watermarkText, "Hello World"},
        {{"--wm-text=\"one", "two", "three\""}, watermarkText, "one two three"},
        // Nothing ends the quote: every remaining argument is swallowed.
        {{"--wm-text=\"a", "-i", "pic.ico"}, watermarkText, "a -i pic.ico"},
        // A continuation is taken whole, even when it looks like a long option.
        {{"--wm-text=\"a", "--b=c\""}, watermarkText, "a --b=c"},
        {{"--wm-text=\""}, watermarkText, ""},
        {{"--wm-text=\"\"Proof\"\""}, watermarkText, "Proof"},
        {{"--wm-text=\"Proof\"", "tail\""}, watermarkText, "Proof"},
        {{"-o", "\"/tmp/my", "pictures\""},
         [](const Parsed& p) { return p.job.output.folder; },
         "/tmp/my pictures"},
        {{"--filename-mask=\"%filename%_small.%ext%\""},
         [](const Parsed& p) { return p.settings.advanced.filenameMask; },
         "%filename%_small.%ext%"},
        // The conversion strips quotes but never joins.
        {{"-c", "\"jp", "g\""}, [](const Parsed& p) { return p.job.output.formatKey; }, "jp"},
    });
    Parsed swallowed = parse({"--wm-text=\"a", "-i", "pic.ico"});
    EXPECT_FALSE(swallowed.job.consoleMode);
    EXPECT_EQ(swallowed.result.next, NextStep::startWindowMode);
}

TEST(CommandLine, SetsDoFlagsAndNeverClearsThem) {
    Parsed rotation = parse({"--rotation=0"});
    EXPECT_EQ(rotation.settings.transform.doImageRotation, 1);
    EXPECT_EQ(rotation.settings.transform.imageRotation, 0);

    Parsed resize = parse({"--width=800", "--height-unit=percent"});
    EXPECT_EQ(resize.settings.transform.doImageResize, 1);
    EXPECT_EQ(resize.settings.transform.imageWidth, 800);
    EXPECT_EQ(resize.settings.transform.imageHeightUnit, storedCode(SizeUnit::percent));

    Parsed watermark = parse({"--wm-text=Sample", "--wm-image=logo.png"});
    EXPECT_EQ(watermark.settings.watermark.doWatermark, storedCode(WatermarkType::picture));
    EXPECT_EQ(watermark.settings.watermark.text, "Sample");
    EXPECT_EQ(watermark.settings.watermark.image, "logo.png");
    EXPECT_EQ(parse({"--wm-image=l.png", "--wm-text=S"}).settings.watermark.doWatermark,
              storedCode(WatermarkType::text));

    Parsed frame = parse({"--fr-solid-top=4", "--fr-solid-top-color=FF0000"});
    EXPECT_EQ(frame.settings.frame.doFrame, storedCode(FrameType::solid));
    EXPECT_EQ(frame.settings.frame.solidTop, 4);
    EXPECT_EQ(frame.settings.frame.solidTopColor, "FF0000");
    EXPECT_EQ(parse({"--fr-solid-opacity=9"}).settings.frame.doFrame, storedCode(FrameType::none));

    Parsed switches = parse({"--invert", "--greyscale", "--png-interlaced", "--flip-vertical",
                             "--keep-aspect-ratio", "--wm-text-antialiasing",
                             "--wm-image-greyscale", "--no-subfolders", "--threshold=128"});
    EXPECT_EQ(switches.settings.adjustment.doImageColorCorrection, 1);
    EXPECT_EQ(switches.settings.adjustment.imageInvert, 1);
    EXPECT_EQ(switches.settings.adjustment.doImageGreyscale, 1);
    EXPECT_EQ(switches.settings.adjustment.doImageThreshold, 1);
    EXPECT_EQ(switches.settings.adjustment.imageThreshold, 128);
    EXPECT_EQ(switches.settings.output.pngInterlaced, 1);
    EXPECT_EQ(switches.settings.transform.doImageFlipVertical, 1);
    EXPECT_EQ(switches.settings.transform.doImageFlipHorizontal, 0);
    EXPECT_EQ(switches.settings.transform.keepAspectRatio, 1);
    EXPECT_EQ(switches.settings.watermark.textAntialiasing, 1);
    EXPECT_EQ(switches.settings.watermark.imageGreyscale, 1);
    EXPECT_EQ(switches.settings.advanced.keepSubfolders, 0);
}

TEST(CommandLine, AppliesAProfileWhereItStands) {
    ScratchHome folder;
    std::filesystem::path profile = folder.root() / "p.bvp";
    std::ofstream(profile) << "[CLI]\n--JPG-QUALITY=70\n--WM-TEXT=Proof\n--INPUT=x.ico\n";
    std::string option = "--profile=" + profile.string();

    EXPECT_EQ(parse({"--jpg-quality=90", option}).settings.output.jpgQuality, 70);
    EXPECT_EQ(parse({option, "--jpg-quality=90"}).settings.output.jpgQuality, 90);
    EXPECT_EQ(parse({"--profile", profile.string()}).result.errorMessage,
              "Incorrect number of parameters");

    Parsed applied = parse({option});
    EXPECT_EQ(applied.settings.watermark.doWatermark, storedCode(WatermarkType::text));
    EXPECT_EQ(applied.settings.watermark.text, "Proof");
    // A profile never names an input.
    EXPECT_FALSE(applied.job.consoleMode);
    EXPECT_EQ(applied.result.next, NextStep::startWindowMode);

    Parsed missing =
        parse({"--jpg-quality=80", "--profile=" + (folder.root() / "none.bvp").string(),
               "--jpg-quality=90", "-i", "a.ico"});
    EXPECT_EQ(missing.result.next, NextStep::reportError);
    EXPECT_EQ(missing.result.errorMessage, "Invalid profile file");
    EXPECT_EQ(missing.settings.output.jpgQuality, 80);
    EXPECT_FALSE(missing.job.consoleMode);
}

}  // namespace
}  // namespace tessaro::test
