#include "engine/naming/output_path.h"
#include "settings/setting_codes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

namespace tessaro::test {
namespace {

const PageFacts logoPage{.width = 64, .height = 32, .sourceDepth = 32, .depth = 24};

ConversionRequest logoRequest() {
    ConversionRequest request;
    request.inputPath = "/home/user/In.Put/Logo.ICO";
    request.output.folder = "/out/";
    request.output.formatKey = "jpg";
    request.randomNumber = 42;
    request.fileNumber = 1;
    return request;
}

TEST(OutputPath, StripExtension) {
    struct Case {
        std::string_view name;
        std::string_view stripped;
    };
    const Case cases[] = {{"icon.ico", "icon"}, {"my.app.ico", "my.app"}, {".ico", ""},
                          {"name.", "name"},    {"plain", "plain"},       {"", ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(stripExtension(c.name), c.stripped) << c.name;
    }
}

TEST(OutputPath, EveryTokenHasItsValue) {
    std::tm now{};
    now.tm_year = 2024 - 1900;
    now.tm_mon = 2;
    now.tm_mday = 7;
    now.tm_hour = 9;
    now.tm_min = 5;
    now.tm_sec = 3;
    const std::string_view expected[] = {"Logo", "LOGO", "logo", "Logo", "jpg",   "JPG",
                                         "Jpg",  "2024", "03",   "07",   "09",    "05",
                                         "03",   "24",   "64",   "32",   "00042", "00001"};
    ConversionRequest request = logoRequest();
    for (size_t i = 0; i < fileNameTokens.size(); ++i) {
        EXPECT_EQ(tokenValue(fileNameTokens[i], request, logoPage, now), expected[i])
            << fileNameTokens[i];
    }
    EXPECT_EQ(tokenValue("%FILENAME%", request, logoPage, now), std::nullopt);
    EXPECT_EQ(tokenValue("%x%", request, logoPage, now), std::nullopt);
}

TEST(OutputPath, FiveDigitForms) {
    struct Case {
        int32_t number;
        std::string_view text;
    };
    const Case cases[] = {{1, "00001"}, {42, "00042"}, {99999, "99999"}, {123456, "12345"}};
    for (const Case& c : cases) {
        ConversionRequest request = logoRequest();
        request.fileNumber = c.number;
        request.randomNumber = c.number;
        EXPECT_EQ(expandToken("%n%", "%n%", request, logoPage), c.text);
        EXPECT_EQ(expandToken("%RND%", "%rnd%", request, logoPage), c.text);
    }
}

TEST(OutputPath, MaskExpansion) {
    struct Case {
        std::string_view mask;
        std::string_view inputName;
        std::string_view path;
    };
    const Case cases[] = {
        {"%filename%.%ext%", "Logo.ICO", "/out/Logo.jpg"},
        {"", "Logo.ICO", "/out/Logo.jpg"},
        {"%FILENAME[U]%_%ext[t]%.%EXT%", "Logo.ICO", "/out/LOGO_Jpg.jpg"},
        {"%filename%", "Logo.ICO", "/out/Logo"},
        {"Copy of %filename%.%ext%", "Logo.ICO", "/out/copy of Logo.jpg"},
        {"Icon_%n%", "Logo.ICO", "/out/icon_00001"},
        {"%rnd%.%ext%", "Logo.ICO", "/out/00042.jpg"},
        {"%bpp%_%Width%x%HEIGHT%.%ext%", "Logo.ICO", "/out/24_64x32.jpg"},
        {"%filename[l]%-%filename[t]%.%ext%", "hELLO wORLD.ico",
         "/out/hello world-Hello world.jpg"},
        // Values inserted earlier are expanded by later tokens written in
        // lower case, never by the token that inserted them.
        {"%filename%.%ext%", "a%n%.ico", "/out/a00001.jpg"},
        {"%filename%.%ext%", "a%N%.ico", "/out/a%N%.jpg"},
        {"%filename%.%ext%", "%filename%.ico", "/out/%filename%.jpg"},
        {"%n%%filename%", "x.ico", "/out/00001x"},
        // Case mapping works on characters, not bytes.
        {"Ü_%filename[u]%_%filename[l]%", "Äpfel.ico", "/out/ü_ÄPFEL_äpfel"},
        {"%filename[t]%", "éCOLE.ico", "/out/École"},
        {"%filename[u]%", "ab\xff\xc3z.ico", "/out/AB\xff\xc3Z"},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.advanced.filenameMask = c.mask;
        ConversionRequest request = logoRequest();
        request.inputPath = "/in/" + std::string(c.inputName);
        EXPECT_EQ(buildOutputPath(settings, request, logoPage), c.path)
            << c.mask << " " << c.inputName;
    }
}

TEST(OutputPath, DateAndTimeTokensReadTheLocalClock) {
    Settings settings;
    settings.advanced.filenameMask = "%YYYY%-%mm%-%dd% %hh%.%ii%.%ss%";
    ConversionRequest request = logoRequest();
    // Retry when the clock ticked between the expansion and the reference.
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::time_t before = std::time(nullptr);
        std::string name = expandFileNameMask(settings, request, logoPage);
        if (std::time(nullptr) != before) {
            continue;
        }
        std::tm local{};
        localtime_r(&before, &local);
        char expected[64];
        std::strftime(expected, sizeof expected, "%Y-%m-%d %H.%M.%S", &local);
        EXPECT_EQ(name, expected);
        return;
    }
    FAIL() << "the clock kept ticking";
}

TEST(OutputPath, KeptSubfolders) {
    Settings settings;
    ConversionRequest request = logoRequest();
    request.inputSubfolder = "icons/small/";
    EXPECT_EQ(buildOutputPath(settings, request, logoPage), "/out/icons/small/Logo.jpg");

    settings.advanced.keepSubfolders = 0;
    EXPECT_EQ(buildOutputPath(settings, request, logoPage), "/out/Logo.jpg");

    settings.advanced.keepSubfolders = 1;
    request.output.folder = "/out";
    request.inputSubfolder = "icons";
    EXPECT_EQ(buildOutputPath(settings, request, logoPage), "/out/icons/Logo.jpg");

    request.output.folder.clear();
    request.inputSubfolder.clear();
    EXPECT_EQ(buildOutputPath(settings, request, logoPage), "Logo.jpg");
}

class OutputFileTime : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tessaro-filetime-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        input_ = folder_ / "in.ico";
        output_ = folder_ / "out.jpg";
        std::ofstream(input_) << "icon";
        std::ofstream(output_) << "picture";
        const char* zone = std::getenv("TZ");
        savedZone_ = zone ? std::optional<std::string>(zone) : std::nullopt;
        // A zone away from UTC, with summer time, so that wall-clock and
        // moment differ; written as a rule so no zone database is needed.
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
    void TearDown() override {
        if (savedZone_) {
            setenv("TZ", savedZone_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
        std::filesystem::remove_all(folder_);
    }
    static std::time_t modified(const std::filesystem::path& path) {
        struct stat status {};
        EXPECT_EQ(stat(path.c_str(), &status), 0);
        return status.st_mtim.tv_sec;
    }
    static void setModified(const std::filesystem::path& path, std::time_t moment) {
        const timespec times[2] = {{moment, 0}, {moment, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }

    std::filesystem::path folder_;
    std::filesystem::path input_;
    std::filesystem::path output_;
    std::optional<std::string> savedZone_;
};

TEST_F(OutputFileTime, CurrentKeepsTheWrittenTime) {
    Settings settings;
    setModified(output_, 1'000'000'000);
    EXPECT_TRUE(applyOutputFileTime(output_.string(), settings, input_.string()).ok());
    EXPECT_EQ(modified(output_), 1'000'000'000);
}

TEST_F(OutputFileTime, OriginalCopiesTheInputTime) {
    Settings settings;
    settings.advanced.fileTimestamp = storedCode(FileTimestamp::original);
    setModified(input_, 1'234'567'890);
    EXPECT_TRUE(applyOutputFileTime(output_.string(), settings, input_.string()).ok());
    EXPECT_EQ(modified(output_), 1'234'567'890);

    const std::string gone = (folder_ / "gone.ico").string();
    const Result<void> unread = applyOutputFileTime(output_.string(), settings, gone);
    ASSERT_FALSE(unread.ok());
    EXPECT_EQ(unread.failure().reason,
              "Cannot read the file time of " + gone + ": No such file or directory");
}

TEST_F(OutputFileTime, CustomIsLocalWallClockTime) {
    Settings settings;
    settings.advanced.fileTimestamp = storedCode(FileTimestamp::custom);
    struct Case {
        int year, month, day, hour, minute, second;
    };
    // One date in winter time and one in summer time.
    for (const Case& c : {Case{2020, 1, 15, 8, 30, 0}, Case{2021, 7, 4, 23, 59, 58}}) {
        std::tm wallClock{};
        wallClock.tm_year = c.year - 1900;
        wallClock.tm_mon = c.month - 1;
        wallClock.tm_mday = c.day;
        wallClock.tm_hour = c.hour;
        wallClock.tm_min = c.minute;
        wallClock.tm_sec = c.second;
        settings.advanced.customTimestamp = static_cast<int32_t>(timegm(&wallClock));
        ASSERT_TRUE(applyOutputFileTime(output_.string(), settings, input_.string()).ok());

        std::time_t written = modified(output_);
        std::tm local{};
        localtime_r(&written, &local);
        EXPECT_EQ(local.tm_year, wallClock.tm_year);
        EXPECT_EQ(local.tm_mon, wallClock.tm_mon);
        EXPECT_EQ(local.tm_mday, wallClock.tm_mday);
        EXPECT_EQ(local.tm_hour, wallClock.tm_hour);
        EXPECT_EQ(local.tm_min, wallClock.tm_min);
        EXPECT_EQ(local.tm_sec, wallClock.tm_sec);
    }
    const Result<void> unset =
        applyOutputFileTime((folder_ / "missing.jpg").string(), settings, input_.string());
    ASSERT_FALSE(unset.ok());
    EXPECT_EQ(unset.failure().reason, "Cannot set the file time: No such file or directory");
}

}  // namespace
}  // namespace tessaro::test
