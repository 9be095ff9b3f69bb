#pragma once

namespace tessaro {

// Waits until one key is pressed on standard input. On a terminal the key
// counts without Enter and is not echoed; from a pipe or file one byte is read.
// The end of the input ends the wait too, so a script never hangs here.
void waitForKey();

}  // namespace tessaro
