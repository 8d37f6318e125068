#include "fuzz/fuzz_support.h"

#include <stdlib.h>

#include <filesystem>

namespace tessellix {

namespace {

// Removes the folder when the run ends normally; an aborted run leaves it for a look.
struct Scratch {
    std::string path;
    Scratch() {
        // In memory where there is such a folder: the writers sync every file they write.
        std::error_code error;
        const std::filesystem::path memory("/dev/shm");
        const std::filesystem::path base = std::filesystem::is_directory(memory, error)
                                               ? memory
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "tessellix-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        path = pattern + "/";
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

const std::string& ScratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

}  // namespace tessellix
