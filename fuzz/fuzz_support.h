#pragma once

// What the fuzz targets share: the entry point that libFuzzer and the replay program call, a
// check that stops the run on a broken property, and a scratch folder for the targets that go
// through real files.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tessellix {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Aborts, so that libFuzzer keeps the input as a finding and the replay test fails.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

// A folder of this process's own, made on first use; its path ends with '/'.
const std::string& ScratchFolder();

}  // namespace tessellix
