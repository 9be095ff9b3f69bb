#include "themes/zip_archive.h"

#include <archive.h>
#include <archive_entry.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <string_view>
#include <utility>

#include "platform/regular_file.h"

namespace tessaro {
namespace {

struct ReaderDeleter {
    void operator()(archive* reader) const { archive_read_free(reader); }
};
using ArchiveReader = std::unique_ptr<archive, ReaderDeleter>;

// The end record of the central directory: its fixed part, and how far from
// the file's end the archive library looks for it.
constexpr std::size_t endRecordSize = 22;
constexpr std::size_t endRecordSearch = 16 * 1024;
constexpr std::string_view endRecordSignature("PK\x05\x06", 4);
constexpr std::string_view zip64LocatorSignature("PK\x06\x07", 4);
constexpr std::size_t zip64LocatorSize = 20;

std::uint32_t littleEndian(std::string_view bytes, std::size_t offset, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

[[nodiscard]] bool readAt(int descriptor, std::string& buffer, std::uint64_t offset) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t count = ::pread(descriptor, buffer.data() + done, buffer.size() - done,
                                      static_cast<off_t>(offset + done));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// Whether the end record that the archive library will find (the last one
// in the file's final 16 KiB) describes a directory within the bounds, right
// before the record. The library reads that directory whole when the archive
// is opened, so this is checked first, from the record alone.
bool hasBoundedDirectory(int descriptor, std::uint64_t fileSize) {
    if (fileSize < endRecordSize) {
        return false;
    }
    const std::uint64_t tailOffset = fileSize - std::min<std::uint64_t>(endRecordSearch, fileSize);
    std::string tail(static_cast<std::size_t>(fileSize - tailOffset), '\0');
    if (!readAt(descriptor, tail, tailOffset)) {
        return false;
    }
    const std::size_t at = tail.rfind(endRecordSignature, tail.size() - endRecordSize);
    if (at == std::string::npos) {
        return false;
    }
    // A theme never needs the 64-bit extension, whose records could claim
    // any number of entries.
    if (at >= zip64LocatorSize && tail.compare(at - zip64LocatorSize, zip64LocatorSignature.size(),
                                               zip64LocatorSignature) == 0) {
        return false;
    }
    const std::string_view record(tail.data() + at, endRecordSize);
    const std::uint32_t disk = littleEndian(record, 4, 2);
    const std::uint32_t directoryDisk = littleEndian(record, 6, 2);
    const std::uint32_t entriesOnDisk = littleEndian(record, 8, 2);
    const std::uint32_t entries = littleEndian(record, 10, 2);
    const std::uint64_t directorySize = littleEndian(record, 12, 4);
    const std::uint64_t directoryOffset = littleEndian(record, 16, 4);
    return disk == 0 && directoryDisk == 0 && entriesOnDisk == entries &&
           entries <= maxThemeEntries && directorySize <= maxThemeDirectorySize &&
           directoryOffset + directorySize == tailOffset + at;
}

// A package opened for reading through its central directory. Members are
// destroyed in reverse order: the reader before the file it reads.
struct ZipPackage {
    UniqueDescriptor file;
    ArchiveReader reader;
    std::size_t entriesSeen = 0;
};

// Only a regular file within the size bound, whose directory is within its
// bounds, is handed to the archive library, and only to its reader of the
// central directory: a file without one is no package, however it starts.
std::optional<ZipPackage> openZip(const std::string& path) {
    Result<RegularFile> file = openRegularFile(path, maxThemePackageSize);
    if (!file || !hasBoundedDirectory(file->descriptor.get(), file->size)) {
        return std::nullopt;
    }
    ArchiveReader reader(archive_read_new());
    if (!reader || archive_read_support_format_zip_seekable(reader.get()) != ARCHIVE_OK ||
        archive_read_open_fd(reader.get(), file->descriptor.get(), 64 * 1024) != ARCHIVE_OK) {
        return std::nullopt;
    }
    return ZipPackage{std::move(file->descriptor), std::move(reader)};
}

// The next entry header, or null at the end of the archive, when it cannot
// be read, or past the number of entries a theme may hold; `broken` tells
// the end apart from the others.
archive_entry* nextEntry(ZipPackage& package, bool& broken) {
    archive_entry* entry = nullptr;
    const int result = archive_read_next_header(package.reader.get(), &entry);
    if (result == ARCHIVE_EOF) {
        broken = false;
        return nullptr;
    }
    broken =
        (result != ARCHIVE_OK && result != ARCHIVE_WARN) || ++package.entriesSeen > maxThemeEntries;
    return broken ? nullptr : entry;
}

std::string entryName(archive_entry* entry) {
    const char* name = archive_entry_pathname_utf8(entry);
    if (name == nullptr) {
        name = archive_entry_pathname(entry);
    }
    return name == nullptr ? std::string() : std::string(name);
}

// The listed size of a regular entry; 0 when unknown or not a file.
std::int64_t listedSize(archive_entry* entry) {
    if (archive_entry_filetype(entry) != AE_IFREG || !archive_entry_size_is_set(entry)) {
        return 0;
    }
    return std::max<std::int64_t>(archive_entry_size(entry), 0);
}

// Reads the current entry's data, at most `keepBytes` of it; nullopt when
// the data turns out larger than `sizeLimit` or fails to read.
std::optional<std::string> readEntryData(archive* reader, std::size_t sizeLimit,
                                         std::size_t keepBytes) {
    std::string data;
    std::array<char, 16 * 1024> chunk;
    while (data.size() < keepBytes) {
        la_ssize_t count = archive_read_data(reader, chunk.data(), chunk.size());
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        if (static_cast<std::size_t>(count) > sizeLimit - data.size()) {
            return std::nullopt;
        }
        data.append(chunk.data(), std::min<std::size_t>(static_cast<std::size_t>(count),
                                                        keepBytes - data.size()));
    }
    return data;
}

}  // namespace

std::optional<std::map<std::string, std::int64_t>> listZipEntries(const std::string& path) {
    std::optional<ZipPackage> package = openZip(path);
    if (!package) {
        return std::nullopt;
    }
    std::map<std::string, std::int64_t> sizes;
    bool broken = false;
    while (archive_entry* entry = nextEntry(*package, broken)) {
        if (std::int64_t size = listedSize(entry); size > 0) {
            sizes.emplace(entryName(entry), size);
        }
    }
    if (broken) {
        return std::nullopt;
    }
    return sizes;
}

std::optional<std::map<std::string, std::string>> readZipEntries(const std::string& path,
                                                                 const std::set<std::string>& names,
                                                                 std::size_t sizeLimit,
                                                                 std::size_t keepBytes) {
    std::optional<ZipPackage> package = openZip(path);
    if (!package) {
        return std::nullopt;
    }
    std::map<std::string, std::string> contents;
    bool broken = false;
    while (contents.size() < names.size()) {
        archive_entry* entry = nextEntry(*package, broken);
        if (entry == nullptr) {
            break;
        }
        std::string name = entryName(entry);
        std::int64_t size = listedSize(entry);
        if (size <= 0 || static_cast<std::uint64_t>(size) > sizeLimit || !names.contains(name) ||
            contents.contains(name)) {
            continue;
        }
        if (std::optional<std::string> data =
                readEntryData(package->reader.get(), sizeLimit, keepBytes)) {
            contents.emplace(std::move(name), std::move(*data));
        }
    }
    if (broken) {
        return std::nullopt;
    }
    return contents;
}

}  // namespace tessaro
