#include "themes/zip_writer.h"

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <memory>

namespace tessaro {
namespace {

struct WriterDeleter {
    void operator()(archive* writer) const { archive_write_free(writer); }
};
struct EntryDeleter {
    void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};
using ArchiveWriter = std::unique_ptr<archive, WriterDeleter>;
using ArchiveEntry = std::unique_ptr<archive_entry, EntryDeleter>;

Failure archiveFailure(archive* writer, const std::string& path) {
    const char* reason = archive_error_string(writer);
    return Failure{"Cannot write " + path + ": " + (reason != nullptr ? reason : "unknown reason")};
}

}  // namespace

Result<void> writeZipArchive(const std::string& path,
                             const std::vector<std::pair<std::string, std::string>>& entries) {
    ArchiveWriter writer(archive_write_new());
    if (!writer)
        return systemFailure(ENOMEM);
    if (archive_write_set_format_zip(writer.get()) != ARCHIVE_OK ||
        archive_write_open_filename(writer.get(), path.c_str()) != ARCHIVE_OK) {
        return archiveFailure(writer.get(), path);
    }
    for (const auto& [name, content] : entries) {
        ArchiveEntry entry(archive_entry_new());
        if (!entry)
            return systemFailure(ENOMEM);
        archive_entry_set_pathname_utf8(entry.get(), name.c_str());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), static_cast<la_int64_t>(content.size()));
        // A fixed time keeps packages built from the same pictures identical.
        archive_entry_set_mtime(entry.get(), 1767225600, 0);
        if (archive_write_header(writer.get(), entry.get()) != ARCHIVE_OK ||
            archive_write_data(writer.get(), content.data(), content.size()) !=
                static_cast<la_ssize_t>(content.size())) {
            return archiveFailure(writer.get(), path);
        }
    }
    if (archive_write_close(writer.get()) != ARCHIVE_OK)
        return archiveFailure(writer.get(), path);
    return {};
}

}  // namespace tessaro
