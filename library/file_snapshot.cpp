#include "library/file_snapshot.h"

#include "library/whole_file.h"

namespace tessellix {

FileSnapshot FileSnapshot::Take(const std::string& path) {
    FileSnapshot snapshot;
    snapshot.stamp = StampOf(path);
    if (Result<std::string> read = ReadWholeFile(path)) {
        snapshot.bytes = std::move(*read);
    }
    return snapshot;
}

}  // namespace tessellix
