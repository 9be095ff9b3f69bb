#pragma once

#include <cstdint>
#include <string>

namespace tessaro {

// Where and how a run saves its pages: the same for every file of the run.
struct OutputRequest {
    std::string folder;     // ends in "/"
    std::string formatKey;  // "jpg"
    int32_t fif = 0;        // FreeImage's id of the format
    int32_t bitDepth = 0;   // bits per pixel of every page; 0 lets each page's depth choose
    int32_t saveFlags = 0;

    bool automaticDepth() const { return bitDepth == 0; }
    bool operator==(const OutputRequest&) const = default;
};

// What the engine reads to convert one input file. The engine never writes
// it; what it finds out comes back in its result.
struct ConversionRequest {
    std::string inputPath;
    std::string inputSubfolder;  // below the run's input base folder, "" when none
    int32_t fileNumber = 1;      // the mask's counter, %n%
    int32_t randomNumber = 1;    // the mask's random number, %rnd%
    OutputRequest output;
};

}  // namespace tessaro
