#include "themes/zip_archive.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <array>
#include <memory>

namespace tessaro {
namespace {

struct ReaderDeleter {
    void operator()(archive* reader) const { archive_read_free(reader); }
};
struct WriterDeleter {
    void operator()(archive* writer) const { archive_write_free(writer); }
};
struct EntryDeleter {
    void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};
using ArchiveReader = std::unique_ptr<archive, ReaderDeleter>;
using ArchiveWriter = std::unique_ptr<archive, WriterDeleter>;
using ArchiveEntry = std::unique_ptr<archive_entry, EntryDeleter>;

ArchiveReader openZip(const std::string& path) {
    ArchiveReader reader(archive_read_new());
    if (!reader || archive_read_support_format_zip(reader.get()) != ARCHIVE_OK ||
        archive_read_open_filename(reader.get(), path.c_str(), 64 * 1024) != ARCHIVE_OK) {
        return nullptr;
    }
    return reader;
}

// The next entry header, or null at the end of the archive or when it
// cannot be read; `broken` tells the two apart.
archive_entry* nextEntry(archive* reader, bool& broken) {
    archive_entry* entry = nullptr;
    int result = archive_read_next_header(reader, &entry);
    broken = result != ARCHIVE_OK && result != ARCHIVE_WARN && result != ARCHIVE_EOF;
    return result == ARCHIVE_OK || result == ARCHIVE_WARN ? entry : nullptr;
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
    ArchiveReader reader = openZip(path);
    if (!reader) {
        return std::nullopt;
    }
    std::map<std::string, std::int64_t> sizes;
    bool broken = false;
    while (archive_entry* entry = nextEntry(reader.get(), broken)) {
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
    ArchiveReader reader = openZip(path);
    if (!reader) {
        return std::nullopt;
    }
    std::map<std::string, std::string> contents;
    bool broken = false;
    while (contents.size() < names.size()) {
        archive_entry* entry = nextEntry(reader.get(), broken);
        if (entry == nullptr) {
            break;
        }
        std::string name = entryName(entry);
        std::int64_t size = listedSize(entry);
        if (size <= 0 || static_cast<std::uint64_t>(size) > sizeLimit || !names.contains(name) ||
            contents.contains(name)) {
            continue;
        }
        if (std::optional<std::string> data = readEntryData(reader.get(), sizeLimit, keepBytes)) {
            contents.emplace(std::move(name), std::move(*data));
        }
    }
    if (broken) {
        return std::nullopt;
    }
    return contents;
}

bool writeZipArchive(const std::string& path,
                     const std::vector<std::pair<std::string, std::string>>& entries) {
    ArchiveWriter writer(archive_write_new());
    if (!writer || archive_write_set_format_zip(writer.get()) != ARCHIVE_OK ||
        archive_write_open_filename(writer.get(), path.c_str()) != ARCHIVE_OK) {
        return false;
    }
    for (const auto& [name, content] : entries) {
        ArchiveEntry entry(archive_entry_new());
        if (!entry) {
            return false;
        }
        archive_entry_set_pathname_utf8(entry.get(), name.c_str());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), static_cast<la_int64_t>(content.size()));
        // A fixed time keeps packages built from the same pictures identical.
        archive_entry_set_mtime(entry.get(), 1767225600, 0);
        if (archive_write_header(writer.get(), entry.get()) != ARCHIVE_OK ||
            archive_write_data(writer.get(), content.data(), content.size()) !=
                static_cast<la_ssize_t>(content.size())) {
            return false;
        }
    }
    return archive_write_close(writer.get()) == ARCHIVE_OK;
}

}  // namespace tessaro
