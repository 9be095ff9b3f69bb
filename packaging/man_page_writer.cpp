// Writes the manual page from its template, filling in the console options
// from the option table, so the page lists exactly the options the program
// reads. The build fails when an option has no description here or a
// description names an option the program no longer has.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/option_table.h"
#include "settings/keywords.h"

namespace {

using tessaro::OptionRole;
using tessaro::OptionSpec;
using tessaro::ValueKind;

// Descriptions of the options whose meaning is not told by their name's
// family (the "-BPP" and "-COMPRESSION" options are described by format).
const std::map<std::string_view, std::string_view> descriptions = {
    {"--INPUT", "Set the input file: the icon to convert. Naming it starts a console run."},
    {"--OUTPUT",
     "Set the output folder (it must exist). Without it, the pictures go to the folder of the "
     "input file."},
    {"--CONVERSION", "Set the output format by its file extension, in lower case (jpg)."},
    {"--DDS-LOAD-AS", "How DDS files are loaded."},
    {"--GIF-FRAME-LOADING", "Which frames of a GIF file are converted."},
    {"--ICO-FRAME-LOADING", "Which pages of an icon are converted."},
    {"--RAW-LOAD-AS", "How raw files are loaded."},
    {"--RAW-HEADER-SIZE", "Size of the header of raw files, in bytes."},
    {"--RAW-WIDTH", "Width of raw images, in pixels."},
    {"--RAW-HEIGHT", "Height of raw images, in pixels."},
    {"--RAW-TONE-MAPPING", "Tone mapping of raw images."},
    {"--TIFF-FRAME-LOADING", "Which pages of a TIFF file are converted."},
    {"--BMP-COLOR-TABLE", "Colour table of BMP pictures."},
    {"--JPG-QUALITY", "JPEG quality."},
    {"--JPG-CHROMA", "Chroma subsampling of JPEG pictures."},
    {"--JPG-SAVE-AS", "JPEG encoding."},
    {"--PNG-INTERLACED", "Save PNG pictures interlaced."},
    {"--TIFF-COLOR-MODEL", "Colour model of TIFF pictures."},
    {"--ROTATION-TYPE", "How the picture is rotated."},
    {"--ROTATION", "Rotate the picture by this angle, in degrees."},
    {"--ROTATION-BACK-COLOR", "Colour of the area a rotation uncovers."},
    {"--WIDTH", "Resize the picture to this width."},
    {"--WIDTH-UNIT", "Unit of the width."},
    {"--HEIGHT", "Resize the picture to this height."},
    {"--HEIGHT-UNIT", "Unit of the height."},
    {"--KEEP-ASPECT-RATIO", "Keep the proportions of the picture when resizing."},
    {"--RESIZE-TYPE", "How the new size is applied."},
    {"--RESIZE-ALGORITHM", "Filter used for resizing."},
    {"--FLIP-HORIZONTAL", "Flip the picture horizontally."},
    {"--FLIP-VERTICAL", "Flip the picture vertically."},
    {"--BRIGHTNESS", "Change the brightness, -100 to 100."},
    {"--CONTRAST", "Change the contrast, -100 to 100."},
    {"--GAMMA", "Change the gamma, 0.01 to 9.99."},
    {"--INVERT", "Invert the colours."},
    {"--GREYSCALE", "Turn the picture grey."},
    {"--THRESHOLD", "Turn the picture black and white at this threshold."},
    {"--FR-SOLID-LEFT", "Draw a frame; width of its left band, in pixels."},
    {"--FR-SOLID-RIGHT", "Draw a frame; width of its right band, in pixels."},
    {"--FR-SOLID-TOP", "Draw a frame; width of its top band, in pixels."},
    {"--FR-SOLID-BOTTOM", "Draw a frame; width of its bottom band, in pixels."},
    {"--FR-SOLID-LEFT-COLOR", "Colour of the left band of the frame."},
    {"--FR-SOLID-RIGHT-COLOR", "Colour of the right band of the frame."},
    {"--FR-SOLID-TOP-COLOR", "Colour of the top band of the frame."},
    {"--FR-SOLID-BOTTOM-COLOR", "Colour of the bottom band of the frame."},
    {"--FR-SOLID-OPACITY", "Opacity of the frame, in percent."},
    {"--WM-TEXT",
     "Draw a text watermark with this text; it may hold the tokens of the file name mask."},
    {"--WM-FONT", "Font of the watermark text, by family name."},
    {"--WM-FONT-SIZE", "Size of the watermark font, in points."},
    {"--WM-FONT-LEADING", "Extra space between the lines of the watermark text."},
    {"--WM-FONT-COLOR", "Colour of the watermark text."},
    {"--WM-FONT-STYLE", "Style of the watermark font."},
    {"--WM-FONT-EFFECT", "Effect of the watermark font."},
    {"--WM-TEXT-ANTIALIASING", "Draw the watermark text anti-aliased."},
    {"--WM-TEXT-ALIGNMENT", "Alignment of the lines of the watermark text."},
    {"--WM-TEXT-PADDING", "Space around the watermark text, in pixels."},
    {"--WM-TEXT-OPACITY", "Opacity of the watermark text, in percent."},
    {"--WM-BACK-COLOR", "Colour of the box behind the watermark text."},
    {"--WM-BACK-OPACITY", "Opacity of the box behind the watermark text, in percent."},
    {"--WM-TEXT-BOUNDARY", "Area the watermark text is placed in."},
    {"--WM-TEXT-POSITION", "Position of the watermark text in its area."},
    {"--WM-TEXT-X-OFFSET", "Horizontal offset of the watermark text, in pixels."},
    {"--WM-TEXT-Y-OFFSET", "Vertical offset of the watermark text, in pixels."},
    {"--WM-TEXT-ROTATION", "Rotation of the watermark text, in degrees."},
    {"--WM-TEXT-SIZE", "How the watermark text is sized."},
    {"--WM-IMAGE", "Draw this picture file as the watermark."},
    {"--WM-IMAGE-GREYSCALE", "Turn the watermark picture grey."},
    {"--WM-IMAGE-OPACITY", "Opacity of the watermark picture, in percent."},
    {"--WM-IMAGE-BOUNDARY", "Area the watermark picture is placed in."},
    {"--WM-IMAGE-POSITION", "Position of the watermark picture in its area."},
    {"--WM-IMAGE-X-OFFSET", "Horizontal offset of the watermark picture, in pixels."},
    {"--WM-IMAGE-Y-OFFSET", "Vertical offset of the watermark picture, in pixels."},
    {"--WM-IMAGE-ROTATION", "Rotation of the watermark picture, in degrees."},
    {"--WM-IMAGE-SIZE", "How the watermark picture is sized."},
    {"--FILENAME-MASK", "Output file name mask, with tokens such as %filename%."},
    {"--FILE-TIMESTAMP", "Modification time given to the output files."},
    {"--FILE-TIMESTAMP-CUSTOM",
     "Modification time for CUSTOM, in seconds since 1970-01-01 00:00:00 local time."},
    {"--NO-SUBFOLDERS", "Do not keep the subfolders of the input below the output folder."},
    {"--PROFILE",
     "Apply the settings of this profile file where the option stands; options after it "
     "override them."},
    {"--DEBUG", "Print the settings of the run and every step of the conversion."},
    {"--QUIET", "Do not print status messages on standard output."},
    {"--PAUSE", "Wait for a key before the program ends."},
};

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return lower;
}

// roff reads "-" as a hyphen; option names need the minus sign.
std::string roffName(std::string_view name) {
    std::string escaped;
    for (char c : lowerCase(name)) {
        if (c == '-') {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

std::string_view valueName(const OptionSpec& option) {
    switch (option.kind) {
        case ValueKind::none:
            return {};
        case ValueKind::number:
            return "NUM";
        case ValueKind::fraction:
            return "FRACTION";
        case ValueKind::keyword:
            return "KEYWORD";
        case ValueKind::text:
        case ValueKind::rawText:
            if (option.role == OptionRole::input || option.role == OptionRole::profile) {
                return "FILE";
            }
            return option.role == OptionRole::output ? "PATH" : "TEXT";
    }
    return {};
}

// The format a per-format option such as "--PNG-BPP" belongs to, in lower
// case ("png"), or "" when the option has no format in front.
std::string formatOf(std::string_view longName, std::string_view suffix) {
    if (!longName.ends_with(suffix)) {
        return {};
    }
    return lowerCase(longName.substr(2, longName.size() - 2 - suffix.size()));
}

std::string describe(const OptionSpec& option) {
    if (auto found = descriptions.find(option.longName); found != descriptions.end()) {
        return std::string(found->second);
    }
    if (std::string format = formatOf(option.longName, "-BPP"); !format.empty()) {
        return "Bit depth of pictures saved as " + format + ".";
    }
    if (std::string format = formatOf(option.longName, "-COMPRESSION"); !format.empty()) {
        return "Compression of pictures saved as " + format + ".";
    }
    return {};
}

std::string keywordList(const OptionSpec& option) {
    const std::string format = formatOf(option.longName, "-COMPRESSION");
    std::string list;
    for (int32_t code = 0; code < 256; ++code) {
        std::string name = tessaro::keywordName(option.keywordTable, code, format);
        if (!name.empty()) {
            list += (list.empty() ? "" : ", ") + std::string("\\fB") + name + "\\fR";
        }
    }
    return list;
}

bool writeOption(std::ostream& out, const OptionSpec& option) {
    std::string description = describe(option);
    if (description.empty()) {
        std::cerr << "man page: no description for " << option.longName << '\n';
        return false;
    }
    const std::string_view value = valueName(option);
    out << ".TP\n";
    if (!option.shortName.empty()) {
        out << "\\fB" << roffName(option.shortName) << "\\fR";
        if (!value.empty()) {
            out << " \\fI" << value << "\\fR";
        }
        out << ", ";
    }
    out << "\\fB" << roffName(option.longName) << "\\fR";
    if (!value.empty()) {
        out << "=\\fI" << value << "\\fR";
    }
    out << '\n' << description << '\n';
    if (option.kind == ValueKind::keyword) {
        out << "KEYWORD is one of " << keywordList(option) << ".\n";
    }
    return true;
}

bool writeOptions(std::ostream& out) {
    bool complete = true;
    std::set<std::string_view> known;
    for (const OptionSpec& option : tessaro::optionTable()) {
        known.insert(option.longName);
        complete = writeOption(out, option) && complete;
    }
    for (const auto& [name, text] : descriptions) {
        if (!known.contains(name)) {
            std::cerr << "man page: " << name << " is not an option\n";
            complete = false;
        }
    }
    return complete;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: man-page-writer TEMPLATE OUTPUT VERSION\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "man page: cannot read " << argv[1] << '\n';
        return 1;
    }
    std::ostringstream page;
    bool complete = true;
    for (std::string line; std::getline(in, line);) {
        if (line == "@OPTIONS@") {
            complete = writeOptions(page) && complete;
            continue;
        }
        if (auto at = line.find("@VERSION@"); at != std::string::npos) {
            line.replace(at, std::string_view("@VERSION@").size(), argv[3]);
        }
        page << line << '\n';
    }
    if (!complete) {
        return 1;
    }
    std::ofstream out(argv[2]);
    out << page.str();
    return out.flush() ? 0 : 1;
}
