#pragma once

#include <filesystem>
#include <functional>

namespace tessaro::test {

// Runs `work`, which is to refuse the FIFO at `fifo` without waiting for a
// writer. Should it wait all the same, the FIFO gets writers that go at once
// until `work` ends, so a faulty reader fails its test instead of hanging it.
// Returns whether `work` ended without that help.
bool endsWithoutAWriter(const std::filesystem::path& fifo, const std::function<void()>& work);

}  // namespace tessaro::test
