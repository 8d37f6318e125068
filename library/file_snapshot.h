#pragma once

#include <optional>
#include <string>

#include "library/solve_records.h"

namespace tessellix {

// A file as it was at one moment: its size, modification time and bytes, or that nothing
// readable was there. The editor takes one when it opens a puzzle, so that it can tell before
// writing over the file or deleting it that someone changed it meanwhile.
class FileSnapshot {
  public:
    FileSnapshot() = default;
    static FileSnapshot Take(const std::string& path);

    // Whether the file at path is no longer what this snapshot saw: another size, time or
    // content, gone, or there where nothing was.
    bool ChangedAt(const std::string& path) const { return Take(path) != *this; }

    friend bool operator==(const FileSnapshot&, const FileSnapshot&) = default;

  private:
    std::optional<FileStamp> stamp;
    std::optional<std::string> bytes;
};

}  // namespace tessellix
