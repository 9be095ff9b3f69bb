#pragma once

#include <string>

#include "ui/window_mode.h"

namespace tessaro {

// Queues `path` as the input file (addInputFile decides) and, when taken,
// shows it; the first input file also proposes its own folder as the output
// folder. False, with nothing changed, when the file is refused.
bool acceptInputFile(WindowMode& mode, const std::string& path);

// When no output folder is chosen yet, chooses the folder of the input just
// taken (the job's base folder for a folder input), as a drop does. A
// relative path counts from the current folder.
void proposeOutputFolder(WindowMode& mode, const std::string& inputPath);

// The Select Input File command: the input file requester.
void selectInputFile(WindowMode& mode);

// The Select Output Folder command: the output folder requester.
void selectOutputFolder(WindowMode& mode);

// Refills the output folder list from the history and selects the job's
// output folder, or the first entry; an empty history leaves the list as it is.
void refreshOutputFolderList(WindowMode& mode);

// The New command: a fresh run state, an empty input field and no output folder
// selected; the history stays in the list.
void newJob(WindowMode& mode);

// The folder part of a path with its trailing "/"; "" when there is none.
std::string folderOfPath(const std::string& path);

}  // namespace tessaro
