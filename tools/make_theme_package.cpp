// Builds the handdrawn theme package from the rendered artwork:
//   make-theme-package <package.zip> <picture folder> <icon size>...
// The folder holds <icon>_<size>.png for every icon and size, and
// button_<button>.png for every button. theme.cfg names every picture by its
// base name, so the program appends the size it asks for.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "themes/image_keys.h"
#include "themes/picture_names.h"
#include "themes/zip_writer.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string themeConfig() {
    std::string config = "[Theme]\r\nName=Hand-drawn\r\n\r\n[Buttons]\r\n";
    for (const tessaro::ImageKey& button : tessaro::buttonImages) {
        config += std::string(button.key) + "=" + tessaro::buttonPictureNameOf(button.key) + "\r\n";
    }
    config += "\r\n[Icons]\r\n";
    for (const tessaro::ImageKey& icon : tessaro::menuIcons) {
        config += std::string(icon.key) + "=" + tessaro::pictureNameOf(icon.key) + "\r\n";
    }
    return config;
}

// Adds the picture file as the entry; false when the file cannot be read.
bool addPicture(Entries& entries, const std::filesystem::path& file, std::string entryName) {
    std::optional<std::string> bytes = readFile(file);
    if (!bytes) {
        std::fprintf(stderr, "make-theme-package: cannot read %s\n", file.c_str());
        return false;
    }
    entries.emplace_back(std::move(entryName), std::move(*bytes));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: make-theme-package <package.zip> <picture folder> <size>...\n");
        return 2;
    }
    const std::string packagePath = argv[1];
    const std::filesystem::path pictures = argv[2];
    const std::vector<std::string> sizes(argv + 3, argv + argc);

    Entries entries{{"theme.cfg", themeConfig()}};
    bool complete = true;
    for (const tessaro::ImageKey& button : tessaro::buttonImages) {
        // Buttons are asked for with the size 16 whatever their pixel size.
        std::string name = tessaro::buttonPictureNameOf(button.key);
        complete &= addPicture(entries, pictures / (name + ".png"), name + "_16.png");
    }
    for (const tessaro::ImageKey& icon : tessaro::menuIcons) {
        std::string name = tessaro::pictureNameOf(icon.key);
        for (const std::string& size : sizes) {
            std::string fileName = name + "_" + size + ".png";
            complete &= addPicture(entries, pictures / fileName, fileName);
        }
    }
    const tessaro::Result<void> written =
        complete ? tessaro::writeZipArchive(packagePath, entries)
                 : tessaro::Failure{"a picture is missing or unreadable"};
    if (!written) {
        std::fprintf(stderr, "make-theme-package: cannot build %s: %s\n", packagePath.c_str(),
                     written.failure().reason.c_str());
        std::error_code ignored;
        std::filesystem::remove(packagePath, ignored);
        return 1;
    }
    return 0;
}
