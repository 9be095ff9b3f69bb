#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/result.h"
#include "platform/unique_descriptor.h"

namespace tessaro {

// A regular file opened for reading, and its size as the open found it.
struct RegularFile {
    UniqueDescriptor descriptor;
    std::uint64_t size = 0;
};

// Every file the program reads (icons, pictures, profiles, config.ini, theme
// packages) is opened here. The open never waits, so a FIFO or a device
// named as input cannot hold the program, and the descriptor itself is
// checked, so whatever is swapped in at the path after an earlier look is
// refused too. The reasons are the system's own text, "not a regular file"
// and "larger than N bytes".
[[nodiscard]] Result<RegularFile> openRegularFile(const std::string& path, std::size_t maxBytes);

// The whole file, read from the descriptor that passed openRegularFile's
// checks; a file that grows beyond `maxBytes` while it is read is refused
// like one that was larger from the start.
[[nodiscard]] Result<std::vector<std::uint8_t>> readRegularFile(const std::string& path,
                                                                std::size_t maxBytes);

}  // namespace tessaro
