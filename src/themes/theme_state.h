#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tessaro {

// An installed theme package: its base name (the file name without ".zip")
// and the display name from its theme.cfg.
struct ThemeName {
    std::string baseName;
    std::string displayName;
};

// What tells one version of a package file from another without reading
// it: a file rewritten, replaced or touched changes at least one of these.
struct PackageStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedNanoseconds = 0;

    friend bool operator==(const PackageStamp&, const PackageStamp&) = default;
};

// A package as the last scan found it.
struct ScannedPackage {
    PackageStamp stamp;
    std::string displayName;
};

// The pictures of the window mode and the installed themes. The window mode
// owns one and turns the bytes into pixmaps; nothing here decodes pictures.
struct ThemeState {
    // The folder holding the packages, ending in "/" (see themeFolder()).
    std::string folder;
    // PNG bytes by image number (see image_keys.h).
    std::map<int, std::string> images;
    // The packages in the order the scan found them.
    std::vector<ThemeName> themeNames;
    // What the last scan read, by base name, so that the next one opens only
    // packages that changed since.
    std::map<std::string, ScannedPackage> scannedPackages;
};

}  // namespace tessaro
