// Feeds the bytes of an INI file to both of its readers: the INI reader with
// the profile keys, and the preferences loader. Whatever the preferences
// loader reads must survive its own save and load unchanged, so a value can
// never carry a line break or a forged key into config.ini.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "cli/profile_file.h"
#include "scratch_folder.h"
#include "settings/ini_reader.h"
#include "settings/preferences_file.h"

namespace {

constexpr std::size_t inputLimit = 64 * 1024;

std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The text config.ini holds after loading `path` and saving what was read.
std::string savedAfterLoading(const std::string& path, const std::string& savePath) {
    tessaro::Settings settings;
    tessaro::PreferencesFile loaded{path};
    tessaro::loadPreferences(settings, loaded);
    if (!tessaro::savePreferences(settings, {savePath}))
        std::abort();
    return fileText(savePath);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > inputLimit) {
        return 0;
    }
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tessaro::Settings settings;
    tessaro::applyProfile(tessaro::parseIniText(bytes), settings);

    static tessaro::fuzz::ScratchFolder folder;
    const std::string input = folder.path() + "input.ini";
    const std::string first = folder.path() + "first.ini";
    const std::string second = folder.path() + "second.ini";
    std::ofstream(input, std::ios::binary | std::ios::trunc) << bytes;
    const std::string saved = savedAfterLoading(input, first);
    if (savedAfterLoading(first, second) != saved) {
        std::fprintf(stderr, "config.ini changed on its second save:\n%s\n", saved.c_str());
        std::abort();
    }
    return 0;
}
