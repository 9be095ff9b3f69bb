// Runs a fuzz target over given inputs once each, without libFuzzer, so the
// tests replay the committed seeds and regression inputs in any build:
//   <target>_replay FILE_OR_FOLDER...
// Every regular file named, and every regular file inside a folder named
// (sorted by name, not below it), is one input. The target's own checks
// abort on a fault; the run fails too when an input cannot be read or
// nothing was run.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);
// Optional, as with libFuzzer: a target that defines it is set up before its first input.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

// Adds the inputs a path stands for; false when it names no file or folder.
bool collectInputs(const fs::path& path, std::vector<fs::path>& inputs) {
    std::error_code error;
    if (fs::is_regular_file(path, error)) {
        inputs.push_back(path);
        return true;
    }
    if (!fs::is_directory(path, error))
        return false;
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(path, error)) {
        if (entry.is_regular_file(error))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    inputs.insert(inputs.end(), files.begin(), files.end());
    return !error;
}

bool runInput(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(file), {});
    if (file.bad()) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    std::fprintf(stderr, "running %s\n", path.c_str());
    // A buffer of exactly the input's size, as libFuzzer gives, so that the
    // address sanitizer sees a read past its end.
    const std::unique_ptr<uint8_t[]> input(new uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), input.get());
    LLVMFuzzerTestOneInput(input.get(), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize != nullptr)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<fs::path> inputs;
    for (int index = 1; index < argc; ++index) {
        if (!collectInputs(argv[index], inputs)) {
            std::fprintf(stderr, "no file or folder %s\n", argv[index]);
            return 1;
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs to run\n");
        return 1;
    }
    for (const fs::path& input : inputs) {
        if (!runInput(input))
            return 1;
    }
    std::fprintf(stderr, "ran %zu inputs\n", inputs.size());
    return 0;
}
