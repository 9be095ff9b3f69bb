#pragma once

#include <string>

#include "settings/conversion_job.h"

namespace tessaro {

// The extension of the file name in `path`, without its dot, ASCII letters in
// lower case: "ICO" for "/pics/A.ICO" gives "ico"; "" when there is none.
std::string lowerCaseExtension(const std::string& path);

// The import step of every run: queues `path` as the run's one input file when
// its lower-cased extension is an accepted input extension and the file is not
// empty. A path that does not exist passes here and fails when the engine opens
// it. The entry is keyed by the full path and, when the file lies below
// job.inputBaseFolder, carries its subfolder relative to that folder. Returns
// false, leaving the queue as it was, when the path is refused.
[[nodiscard]] bool addInputFile(ConversionJob& job, const std::string& path);

}  // namespace tessaro
