#pragma once

namespace tessaro {

// Set once, when a stop signal ends the process: work that would take long
// stops at its next safe point instead of finishing, so a conversion ends
// after the page in hand rather than after the whole file.
void markProcessEnding();
[[nodiscard]] bool processEnding();

}  // namespace tessaro
