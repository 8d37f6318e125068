#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "library/failure.h"

namespace tessellix {

// The most bytes that ReadWholeFile takes by default: far beyond any file of the game, and so a
// sign that the path names something else.
inline constexpr std::size_t kWholeFileLimit = std::size_t{16} << 20;

// What ReadWholeFile makes of a path where no file is.
enum class MissingFile { Fails, ReadsEmpty };
// What ReadWholeFile makes of a file longer than its limit: refused, as a part of a file written
// back would lose the rest; or read up to the limit, where only the start of it is looked at.
enum class LongFile { Fails, ReadsStart };

// The bytes of the regular file at path, at most `limit` of them; an interrupted read is tried
// again. A folder, a FIFO, a device or anything else that is no regular file is refused without
// waiting on it. Otherwise the reason, ready to show after the file's name.
[[nodiscard]] Result<std::string> ReadWholeFile(const std::string& path,
                                                MissingFile missing = MissingFile::Fails,
                                                std::size_t limit = kWholeFileLimit,
                                                LongFile longFile = LongFile::Fails);

// How old a temporary file of the writer must be before it counts as left behind although a
// process of its writer's PID runs.
inline constexpr std::chrono::hours kStaleTemporaryAge{1};

// Removes from folder the temporary files that WriteWholeFile left when its process was killed
// mid-write: files of its own naming whose writer no longer runs, or older than
// kStaleTemporaryAge. Any other file, a link or a folder of that name stays. Done before every
// write, and when the data folder is scanned.
void RemoveStaleTemporaries(const std::string& folder);

// Stands for POSIX write(): returns the number of bytes written, or -1 with errno set.
// Tests inject failures and short writes here.
using WriteCall = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

// Writes all size bytes to fd through `write` (POSIX write() when empty), in as many calls as it
// takes; a call that fails or writes nothing ends it. Nothing when every byte went out;
// otherwise the reason, ready to show.
[[nodiscard]] std::optional<Failure> WriteAllBytes(int fd, const void* data, std::size_t size,
                                                   const WriteCall& write = {});

// Creates or replaces the whole file at path with bytes. They go to a temporary file in the same
// folder, which replaces the old file only once it is completely written and synced, so a
// failure at any point leaves the old file as it was. A symbolic link is followed to the file
// it names. A file that the user may not write is refused with the system's reason, as an open
// for writing would refuse it; a replaced file keeps its permission bits, and its owner where
// the system allows. A hard-linked file becomes a copy of its own. Temporary files that killed
// writes left in the folder go first (RemoveStaleTemporaries).
// Nothing on success; otherwise the reason, ready to show after the file's name.
[[nodiscard]] std::optional<Failure> WriteWholeFile(const std::string& path, std::string_view bytes,
                                                    const WriteCall& write = {});

}  // namespace tessellix
