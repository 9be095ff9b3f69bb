#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace tessaro {

// Theme packages are read with bounds, so a broken or hostile package cannot
// exhaust memory: an entry larger than its limit is left unread.
inline constexpr std::size_t maxThemeConfigSize = 64 * 1024;
inline constexpr std::size_t maxThemePictureSize = 4 * 1024 * 1024;

// A package beyond these bounds is no package, so that a damaged or huge file
// among the packages costs next to nothing to look at. A theme holds a few
// hundred entries (every picture in five sizes), so its central directory
// takes some ten KiB.
inline constexpr std::uint64_t maxThemePackageSize = 64 * 1024 * 1024;
inline constexpr std::size_t maxThemeEntries = 4096;
inline constexpr std::size_t maxThemeDirectorySize = 1024 * 1024;

// A ZIP archive is read through its central directory, found at its end:
// a file without one (truncated, or not an archive) cannot be read, nor can
// one beyond the bounds above or one that is not a regular file.

// The uncompressed sizes of the regular entries of a ZIP archive that are
// larger than 0, by exact entry name; nullopt when the file cannot be read
// as a ZIP archive to its end.
[[nodiscard]] std::optional<std::map<std::string, std::int64_t>> listZipEntries(
    const std::string& path);

// The named entries, read in one pass. An entry whose size is above
// `sizeLimit` is left out without being read whole, as is one that fails to
// read. With `keepBytes` only that many first bytes of each are kept. nullopt
// when the file cannot be read as a ZIP archive up to the last entry wanted.
[[nodiscard]] std::optional<std::map<std::string, std::string>> readZipEntries(
    const std::string& path, const std::set<std::string>& names, std::size_t sizeLimit,
    std::size_t keepBytes = SIZE_MAX);

}  // namespace tessaro
