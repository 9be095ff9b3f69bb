#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace tessaro {
namespace {

Failure tooLarge(std::size_t maxBytes) {
    return Failure{"larger than " + std::to_string(maxBytes) + " bytes"};
}

}  // namespace

Result<RegularFile> openRegularFile(const std::string& path, std::size_t maxBytes) {
    UniqueDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        return systemFailure(errno);
    }
    struct stat status {};
    if (fstat(file.get(), &status) != 0) {
        return systemFailure(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return Failure{"not a regular file"};
    }
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
        return tooLarge(maxBytes);
    }
    return RegularFile{std::move(file), static_cast<std::uint64_t>(status.st_size)};
}

Result<std::vector<std::uint8_t>> readRegularFile(const std::string& path, std::size_t maxBytes) {
    Result<RegularFile> file = openRegularFile(path, maxBytes);
    if (!file) {
        return file.failure();
    }
    // One byte beyond the bound tells a file that grew from one that ends
    // exactly there, without reading any more of it.
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[64 * 1024];
    while (true) {
        const std::size_t wanted = std::min(sizeof chunk, maxBytes + 1 - bytes.size());
        const ssize_t count = read(file->descriptor.get(), chunk, wanted);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return systemFailure(errno);
        }
        if (count == 0) {
            return bytes;
        }
        bytes.insert(bytes.end(), chunk, chunk + count);
        if (bytes.size() > maxBytes) {
            return tooLarge(maxBytes);
        }
    }
}

}  // namespace tessaro
