#include "cli/settings_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"

namespace tessaro::test {
namespace {

using Lines = std::vector<std::string>;

Settings settingsFrom(const std::vector<std::string>& arguments) {
    Settings settings;
    ConversionJob job;
    CommandLineResult result = parseCommandLine(arguments, settings, job);
    EXPECT_NE(result.next, NextStep::reportError);
    return settings;
}

TEST(SettingsListing, ListsTheLoadOptionsOfTheInputFormat) {
    Settings defaults;
    EXPECT_EQ(loadOptionLines(defaults, "ico"), Lines{"ICO Frame Loading: ALL"});
    EXPECT_EQ(loadOptionLines(settingsFrom({"--ico-frame-loading=last"}), "ico"),
              Lines{"ICO Frame Loading: LAST"});
    EXPECT_EQ(loadOptionLines(settingsFrom({"--raw-load-as=48hs", "--raw-width=$40"}), "raw"),
              (Lines{"RAW Load As: 48HS", "RAW Header Size: 0", "RAW Image Width: 64",
                     "RAW Image Height: 0", "RAW Tone Mapping: AL"}));
    EXPECT_EQ(loadOptionLines(defaults, "png"), Lines{});
}

TEST(SettingsListing, ListsTheSaveOptionsOfTheOutputFormat) {
    EXPECT_EQ(saveOptionLines(Settings{}, "jpg"),
              (Lines{"JPG BPP: 0", "JPG Quality: 95", "JPG Chroma Subsampling: NONE",
                     "JPG Save As: STANDARD"}));
    Settings settings = settingsFrom({"--png-compression=zlib9", "--png-interlaced", "--png-bpp=24",
                                      "--exr-compression=pxr24", "--tiff-compression=packbits",
                                      "--tiff-color-model=lab", "--bmp-compression=rle",
                                      "--bmp-color-table=exact"});
    EXPECT_EQ(saveOptionLines(settings, "png"),
              (Lines{"PNG BPP: 24", "PNG Compression: ZLIB9", "PNG Interlaced: 1"}));
    EXPECT_EQ(saveOptionLines(settings, "exr"), (Lines{"EXR BPP: 0", "EXR Compression: PXR24"}));
    EXPECT_EQ(saveOptionLines(settings, "tiff"),
              (Lines{"TIFF BPP: 0", "TIFF Compression: PACKBITS", "TIFF Color Model: LAB"}));
    EXPECT_EQ(saveOptionLines(settings, "bmp"),
              (Lines{"BMP BPP: 0", "BMP Compression: RLE", "BMP Color Table: EXACT"}));
    EXPECT_EQ(saveOptionLines(settings, "webp"), Lines{"WEBP BPP: 0"});
    EXPECT_EQ(saveOptionLines(settings, "JPG"), Lines{});
}

TEST(SettingsListing, ListsTheGeometryLines) {
    Settings settings =
        settingsFrom({"--rotation=90", "--rotation-type=advanced", "--rotation-back-color=FF0000",
                      "--width=800", "--height=50", "--height-unit=percent", "--keep-aspect-ratio",
                      "--resize-type=largeimages", "--flip-vertical"});
    EXPECT_EQ(processingLines(settings, ListingSection::rotation),
              (Lines{"Image Rotation Type: ADVANCED", "Image Rotation: 90",
                     "Image Rotation Back Color: FF0000"}));
    EXPECT_EQ(processingLines(settings, ListingSection::width), Lines{"Width: 800 PIXELS"});
    EXPECT_EQ(processingLines(settings, ListingSection::height), Lines{"Height: 50 PERCENT"});
    EXPECT_EQ(processingLines(settings, ListingSection::resize),
              (Lines{"Keep Aspect Ratio: 1", "Image Resize Type: LARGEIMAGES",
                     "Image Resize Algorithm: BICUBIC"}));
    EXPECT_EQ(processingLines(settings, ListingSection::flips),
              (Lines{"Flip Horizontal: 0", "Flip Vertical: 1"}));
}

TEST(SettingsListing, ListsTheColorLines) {
    Settings settings = settingsFrom(
        {"--brightness=-40", "--contrast=$10", "--gamma=2.5", "--invert", "--threshold=128"});
    EXPECT_EQ(processingLines(settings, ListingSection::brightness), Lines{"Brightness: -40"});
    EXPECT_EQ(processingLines(settings, ListingSection::contrast), Lines{"Contrast: 16"});
    EXPECT_EQ(processingLines(settings, ListingSection::gamma), Lines{"Gamma: 2.50"});
    EXPECT_EQ(processingLines(Settings{}, ListingSection::gamma), Lines{"Gamma: 1.00"});
    EXPECT_EQ(processingLines(settings, ListingSection::invert), Lines{"Invert: 1"});
    EXPECT_EQ(processingLines(settings, ListingSection::greyscale), Lines{"Greyscale: 0"});
    EXPECT_EQ(processingLines(settings, ListingSection::threshold), Lines{"Image Threshold: 128"});
}

TEST(SettingsListing, ListsTheFrameLines) {
    EXPECT_EQ(processingLines(Settings{}, ListingSection::frame), Lines{"Frame: NONE"});
    Settings settings = settingsFrom({"--fr-solid-left=4", "--fr-solid-bottom=2",
                                      "--fr-solid-top-color=00FF00", "--fr-solid-opacity=128"});
    EXPECT_EQ(processingLines(settings, ListingSection::frame), Lines{"Frame: SOLID"});
    EXPECT_EQ(
        processingLines(settings, ListingSection::frameDetails),
        (Lines{"Frame left: 4", "Frame right: 0", "Frame top: 0", "Frame bottom: 2",
               "Frame left color: 000000", "Frame right color: 000000", "Frame top color: 00FF00",
               "Frame bottom color: 000000", "Frame opacity: 128"}));
}

TEST(SettingsListing, ListsTheWatermarkLines) {
    EXPECT_EQ(processingLines(Settings{}, ListingSection::watermark), Lines{"Watermark: NONE"});
    Settings text = settingsFrom({"--wm-text=Proof", "--wm-font-style=bolditalic",
                                  "--wm-text-position=topcenter", "--wm-text-x-offset=-3"});
    EXPECT_EQ(processingLines(text, ListingSection::watermark), Lines{"Watermark: TEXT"});
    EXPECT_EQ(processingLines(text, ListingSection::textWatermark),
              (Lines{"Watermark text: Proof", "Watermark font: Arial", "Watermark font size: 14",
                     "Watermark font leading: 0", "Watermark font color: FFFFFF",
                     "Watermark font style: BOLDITALIC", "Watermark font effect: NONE",
                     "Watermark text antialiasing: 0", "Watermark text alignment: LEFT",
                     "Watermark text padding: 0", "Watermark text opacity: 255",
                     "Watermark background color: 000000", "Watermark background opacity: 1",
                     "Watermark boundary: IMAGE", "Watermark position: TOPCENTER",
                     "Watermark offset (x/y): -3/10", "Watermark rotation: 0",
                     "Watermark size/mode: FIXED"}));

    Settings image = settingsFrom({"--wm-image=logo.png", "--wm-image-greyscale",
                                   "--wm-image-boundary=frame", "--wm-image-y-offset=7"});
    image.watermark.imageSize = 2;  // a mode only the preferences dialog offers
    EXPECT_EQ(processingLines(image, ListingSection::watermark), Lines{"Watermark: IMAGE"});
    EXPECT_EQ(
        processingLines(image, ListingSection::imageWatermark),
        (Lines{"Watermark image: logo.png", "Watermark greyscale: 1", "Watermark opacity: 255",
               "Watermark boundary: FRAME", "Watermark position: BOTTOMRIGHT",
               "Watermark offset (x/y): 10/7", "Watermark rotation: 0", "Watermark size/mode: "}));
}

TEST(SettingsListing, ShowsTheCustomTimestampOnlyWhenChosen) {
    EXPECT_EQ(processingLines(Settings{}, ListingSection::advanced),
              (Lines{"Filename Mask: %filename%.%ext%", "File Timestamp: CURRENT",
                     "Keep Subfolders: 1"}));
    Settings settings = settingsFrom({"--file-timestamp=custom", "--file-timestamp-custom=86400",
                                      "--no-subfolders", "--filename-mask=%filename%_s.%ext%"});
    EXPECT_EQ(processingLines(settings, ListingSection::advanced),
              (Lines{"Filename Mask: %filename%_s.%ext%", "File Timestamp: CUSTOM",
                     "Custom Timestamp: 86400", "Keep Subfolders: 0"}));
}

}  // namespace
}  // namespace tessaro::test
