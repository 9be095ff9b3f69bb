// Writes the seed inputs of the fuzz targets, one folder per target:
//   make-fuzz-seeds <corpus folder>
// Icons come from the project's own icon writer (sound pages of every kind
// and the malformed table), theme packages from the package writer, config.ini
// from the preferences writer, other texts from the formats the program reads. Every seed is small,
// so the fuzzer starts from short inputs and mutates quickly.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "settings/preferences_file.h"
#include "settings/reset_settings.h"
#include "support/icon_writer.h"
#include "themes/image_keys.h"
#include "themes/zip_writer.h"

namespace {

namespace fs = std::filesystem;
using tessaro::test::IconPage;
using tessaro::test::Rgba;
using namespace std::string_literals;
using Seeds = std::vector<std::pair<std::string, std::string>>;

constexpr Rgba red{200, 30, 30, 255};
constexpr Rgba seeThrough{20, 90, 200, 100};
constexpr Rgba quadrants[4] = {
    {200, 30, 30, 255}, {20, 170, 40, 255}, {30, 40, 210, 255}, {240, 220, 10, 128}};

std::string text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::string fileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Sound icons: every classic depth with and without a mask, larger bitmap
// headers with bit fields, PNG pages of 8 and 16 bits per channel, and
// several pages in one file.
Seeds iconSeeds() {
    Seeds seeds;
    for (int32_t bitCount : {1, 4, 8, 16, 24, 32}) {
        const Rgba color = bitCount == 1 ? Rgba{255, 255, 255, 255} : red;
        seeds.emplace_back("classic-" + std::to_string(bitCount),
                           text(tessaro::test::encodeIcon(
                               {tessaro::test::filledPage(8, 8, bitCount, color, false, true)})));
    }
    IconPage version5 = tessaro::test::quadrantPage(6, 6, 32, quadrants);
    version5.header = tessaro::test::BitmapHeader::version5;
    version5.bitFields = true;
    seeds.emplace_back("version5-header-bitfields-32", text(tessaro::test::encodeIcon({version5})));
    IconPage bitFields = tessaro::test::filledPage(8, 8, 16, red, false, true);
    bitFields.bitFields = true;
    bitFields.header = tessaro::test::BitmapHeader::version4;
    seeds.emplace_back("version4-header-bitfields-16",
                       text(tessaro::test::encodeIcon({bitFields})));
    seeds.emplace_back(
        "quadrants-24",
        text(tessaro::test::encodeIcon({tessaro::test::quadrantPage(6, 10, 24, quadrants)})));
    seeds.emplace_back(
        "png-page",
        text(tessaro::test::encodeIcon({tessaro::test::quadrantPage(8, 8, 32, quadrants, true)})));
    for (const auto& [name, layout] :
         {std::pair{"png-page-grey16", tessaro::test::PngLayout::grey16},
          std::pair{"png-page-rgba16", tessaro::test::PngLayout::rgba16}}) {
        IconPage page = tessaro::test::quadrantPage(4, 4, 32, quadrants, true);
        page.pngLayout = layout;
        seeds.emplace_back(name, text(tessaro::test::encodeIcon({page})));
    }
    seeds.emplace_back(
        "three-pages",
        text(tessaro::test::encodeIcon({tessaro::test::filledPage(4, 4, 4, red),
                                        tessaro::test::filledPage(8, 8, 32, seeThrough),
                                        tessaro::test::filledPage(6, 6, 32, seeThrough, true)})));
    for (const tessaro::test::MalformedIcon& malformed : tessaro::test::malformedIcons()) {
        std::string name = "malformed-" + malformed.name;
        for (char& letter : name) {
            if (letter == ' ' || letter == '/')
                letter = '-';
        }
        seeds.emplace_back(std::move(name), text(malformed.bytes));
    }
    return seeds;
}

// A package as the window mode expects it, one without a description, and
// one whose pictures claim absurd sizes.
Seeds themeSeeds() {
    const std::string picture =
        text(tessaro::test::encodePng(tessaro::test::filledPage(16, 16, 32, seeThrough, true)));
    std::string config = "[Theme]\r\nName=Seed\r\n\r\n[Buttons]\r\n";
    config += std::string(tessaro::buttonImages[0].key) + "=convert.png\r\n\r\n[Icons]\r\n";
    config += std::string(tessaro::menuIcons[0].key) + "=first\r\n";
    config += std::string(tessaro::menuIcons[1].key) + "=second.PNG\r\n";

    // A 1 x 1 picture whose IHDR (big-endian width at byte 16) claims 65537 pixels across.
    std::string oversized =
        text(tessaro::test::encodePng(tessaro::test::filledPage(1, 1, 32, red, true)));
    oversized[17] = '\x01';

    const std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>
        packages = {
            {"package",
             {{"theme.cfg", config},
              {"convert.png", picture},
              {"first_16.png", picture},
              {"second.PNG", picture}}},
            {"no-description", {{"first_16.png", picture}}},
            {"oversized-picture", {{"theme.cfg", config}, {"convert.png", oversized}}},
        };
    Seeds seeds;
    const fs::path scratch = fs::temp_directory_path() / "tessaro-fuzz-seed.zip";
    for (const auto& [name, entries] : packages) {
        if (!tessaro::writeZipArchive(scratch.string(), entries).ok())
            return {};
        seeds.emplace_back(name, fileText(scratch));
    }
    fs::remove(scratch);
    return seeds;
}

// The text config.ini holds with the window mode's defaults.
std::string defaultPreferences() {
    tessaro::Settings settings;
    tessaro::resetSettings(settings, false);
    // Fixed dates keep the seed the same on every run.
    settings.general.updateDate = 1767225600;
    settings.advanced.customTimestamp = 1767225600;
    const fs::path scratch = fs::temp_directory_path() / "tessaro-fuzz-seed.ini";
    if (!tessaro::savePreferences(settings, {scratch.string()}))
        return {};
    std::string text = fileText(scratch);
    fs::remove(scratch);
    return text;
}

// Profiles, and config.ini as written and as an older layout left it.
Seeds profileSeeds() {
    const std::string preferences = defaultPreferences();
    if (preferences.empty())
        return {};
    return {
        {"preferences", preferences},
        {"older-preferences",
         "[General]\r\nCFG=10\r\n[Input]\r\nRAW Load As=1\r\n"
         "[Advanced]\r\nFilename Mask=%filename%_%width%\r\n"
         "Custom Timestamp=-99999999999\r\n"},
        {"cli-group",
         "\xEF\xBB\xBF[CLI]\r\n--JPG-QUALITY=70\r\n--WM-TEXT=Proof\r\n"
         "--WIDTH=$20\r\n--ROTATION=90\r\n"},
        {"groups",
         "--JPG-QUALITY=10\n[Settings]\n--WIDTH=20\n[cli]\n--FRAME=1\n"
         "--brightness = -20\r[Other]\n"},
        {"latin1", "[CLI]\n--WM-TEXT=Caf\xE9\n--WM-FONT=Arial\n--HEIGHT=50%\n"},
    };
}

// One argument per line.
Seeds commandLineSeeds() {
    return {
        {"convert", "-i\n/tmp/example.ico\n-o\n/tmp/converted\n--jpg-quality=95"},
        {"watermark",
         "-i\nicon.ico\n--wm-text=%filename% %width%\n--wm-font=Arial\n"
         "--frame=1\n--width=$40\n-d"},
        {"help", "--help"},
        {"short", "-i=a.ico\n-c\njpg\n--rotation=45\n--brightness=-30"},
    };
}

// Answers of the version server, and an address as the update check splits it.
Seeds httpResponseSeeds() {
    return {
        {"version", "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n 280\r\n"},
        {"not-found", "HTTP/1.0 404 Not Found\r\n\r\n300"},
        {"no-body", "HTTP/1.1 204 No Content\r\nConnection: close\r\n"},
        {"address", "http://updates.example:8080/latest/version.txt"},
        {"zero-byte", "HTTP/1.1 200 OK\r\n\r\n2\0 99"s},
    };
}

bool writeSeeds(const fs::path& folder, const Seeds& seeds) {
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder, error);
    if (error || seeds.empty())
        return false;
    for (const auto& [name, bytes] : seeds) {
        if (!tessaro::test::writeBytes(folder / name,
                                       std::vector<uint8_t>(bytes.begin(), bytes.end())))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-fuzz-seeds <corpus folder>\n");
        return 2;
    }
    const fs::path corpus = argv[1];
    const Seeds icons = iconSeeds();
    const std::vector<std::pair<std::string, Seeds>> targets = {
        {"icon_check_fuzzer", icons},
        {"icon_conversion_fuzzer", icons},
        {"framed_conversion_fuzzer", icons},
        {"theme_package_fuzzer", themeSeeds()},
        {"profile_fuzzer", profileSeeds()},
        {"command_line_fuzzer", commandLineSeeds()},
        {"http_response_fuzzer", httpResponseSeeds()},
    };
    for (const auto& [target, seeds] : targets) {
        if (!writeSeeds(corpus / target, seeds)) {
            std::fprintf(stderr, "make-fuzz-seeds: cannot write the seeds of %s\n", target.c_str());
            return 1;
        }
    }
    return 0;
}
