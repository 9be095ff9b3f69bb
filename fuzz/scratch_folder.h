#pragma once

// A private folder for the files a fuzz target has to write, on the memory
// file system when there is one, removed with everything in it at exit.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace tessaro::fuzz {

class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code error;
        const bool memory = std::filesystem::is_directory("/dev/shm", error);
        std::string pattern = std::string(memory ? "/dev/shm" : "/tmp") + "/tessaro-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, ending in "/".
    std::string path() const { return path_.string() + "/"; }

    bool isEmpty() const {
        std::error_code error;
        return std::filesystem::is_empty(path_, error) && !error;
    }

private:
    std::filesystem::path path_;
};

}  // namespace tessaro::fuzz
