#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <ctime>

#include "engine/naming/output_path.h"
#include "settings/setting_codes.h"

namespace tessaro {
namespace {

// "Custom Timestamp" counts seconds on the local wall clock; the file system
// wants the moment itself, so the calendar fields are read back as local time.
std::time_t momentOfLocalTimestamp(int32_t localSeconds) {
    std::time_t wallClock = localSeconds;
    std::tm fields{};
    gmtime_r(&wallClock, &fields);
    fields.tm_isdst = -1;
    return std::mktime(&fields);
}

Result<void> setModificationTime(const std::string& path, const timespec& modified) {
    const timespec times[2] = {{0, UTIME_OMIT}, modified};
    if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
        return Failure{"Cannot set the file time: " + systemFailure(errno).reason};
    return {};
}

}  // namespace

Result<void> applyOutputFileTime(const std::string& path, const Settings& settings,
                                 const std::string& inputPath) {
    // A number that is no timestamp leaves the time the file was written.
    const FileTimestamp timestamp =
        codeOf<FileTimestamp>(settings.advanced.fileTimestamp).value_or(FileTimestamp::current);
    switch (timestamp) {
        case FileTimestamp::current:
            return {};
        case FileTimestamp::original: {
            struct stat input {};
            if (stat(inputPath.c_str(), &input) != 0)
                return Failure{"Cannot read the file time of " + inputPath + ": " +
                               systemFailure(errno).reason};
            return setModificationTime(path, input.st_mtim);
        }
        case FileTimestamp::custom: {
            std::time_t moment = momentOfLocalTimestamp(settings.advanced.customTimestamp);
            if (moment == static_cast<std::time_t>(-1))
                return Failure{"The custom file time is no moment of the local clock"};
            return setModificationTime(path, timespec{moment, 0});
        }
    }
    return {};
}

}  // namespace tessaro
