#include "engine/atomic_save.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/random_seed.h"

namespace tessaro {

namespace {

// Creates an empty file with a fresh name beside `path`; "" when none could be made.
std::string createTemporaryBeside(const std::string& path) {
    const std::filesystem::path target(path);
    std::mt19937 random(randomSeed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
        const std::string candidate =
            (target.parent_path() / ("." + target.filename().string() + "." + suffix + ".part"))
                .string();
        // The file mode follows the user's umask, as a directly written file would.
        const int descriptor =
            ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            ::close(descriptor);
            return candidate;
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

}  // namespace

bool saveImageAtomically(FIBITMAP* image, int32_t fif, const std::string& path, int32_t flags) {
    if (image == nullptr)
        return false;
    const std::string temporary = createTemporaryBeside(path);
    if (temporary.empty())
        return false;
    const bool saved =
        FreeImage_Save(static_cast<FREE_IMAGE_FORMAT>(fif), image, temporary.c_str(), flags) &&
        std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!saved)
        std::remove(temporary.c_str());
    return saved;
}

}  // namespace tessaro
