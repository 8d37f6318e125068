#include "library/whole_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <cstdint>
#include <filesystem>

namespace tessellix {

namespace {

ssize_t PosixWrite(int fd, const void* data, std::size_t size) {
    ssize_t written;
    do {
        written = ::write(fd, data, size);
    } while (written < 0 && errno == EINTR);
    return written;
}

// As many symbolic links as the system follows in one path before it gives up with ELOOP.
constexpr int kMostLinks = 40;

// Follows symbolic links from path to the file that they name, which need not exist yet. 0, or
// the errno value of the failure: ELOOP for a cycle or a chain longer than the system follows.
int FollowLinks(std::string& path) {
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            return errno == ENOENT ? 0 : errno;
        }
        if (!S_ISLNK(status.st_mode)) {
            return 0;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            return errno;
        }
        if (static_cast<std::size_t>(length) >= target.size()) {
            return ENAMETOOLONG;
        }
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/')
                   ? target
                   : (std::filesystem::path(path).parent_path() / target).string();
    }
    return ELOOP;
}

// ".NAME.tmpPID-STAMP-ATTEMPT": hidden beside NAME, and told apart from any file of the player's
// by its whole form.
constexpr std::string_view kTemporaryMark = ".tmp";

std::string TemporaryName(const std::string& target, pid_t pid, long long stamp, int attempt) {
    return "." + target + std::string(kTemporaryMark) + std::to_string(pid) + "-" +
           std::to_string(stamp) + "-" + std::to_string(attempt);
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The writer's PID in a name of TemporaryName's form; nothing for any other name.
std::optional<pid_t> WriterOf(std::string_view name) {
    const std::size_t lastDash = name.rfind('-');
    if (name.size() < 2 || name[0] != '.' || lastDash == std::string_view::npos || lastDash == 0 ||
        !AllDigits(name.substr(lastDash + 1))) {
        return std::nullopt;
    }
    const std::size_t stampDash = name.rfind('-', lastDash - 1);
    if (stampDash == std::string_view::npos ||
        !AllDigits(name.substr(stampDash + 1, lastDash - stampDash - 1))) {
        return std::nullopt;
    }
    const std::size_t mark = name.rfind(kTemporaryMark, stampDash);
    // NAME holds at least one character.
    if (mark == std::string_view::npos || mark < 2) {
        return std::nullopt;
    }
    const std::string_view digits =
        name.substr(mark + kTemporaryMark.size(), stampDash - mark - kTemporaryMark.size());
    pid_t pid = 0;
    const auto [end, problem] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (!AllDigits(digits) || problem != std::errc() || end != digits.data() + digits.size() ||
        pid <= 0) {
        return std::nullopt;
    }
    return pid;
}

bool IsRunning(pid_t pid) {
    // EPERM: it runs, as another user.
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

const BilingualText kNotRegular{"это не обычный файл", "not a regular file"};

BilingualText TooLong(std::size_t limit) {
    return BilingualText()
        .Say("файл длиннее ", "the file is longer than ")
        .Add(std::to_string(limit))
        .Say(" байт", " bytes");
}

}  // namespace

void RemoveStaleTemporaries(const std::string& folder) {
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr) {
        return;
    }
    const int folderFd = ::dirfd(listing);
    const auto now = std::chrono::system_clock::now();
    while (const dirent* entry = ::readdir(listing)) {
        const std::optional<pid_t> writer = WriterOf(entry->d_name);
        struct stat status {};
        if (!writer || ::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode)) {
            continue;
        }
        const auto written = std::chrono::system_clock::from_time_t(status.st_mtime);
        // A running process of that PID may be another that took the number since, so age alone
        // decides for it; its own writes, even in this process, take far less.
        if (IsRunning(*writer) && now - written < kStaleTemporaryAge) {
            continue;
        }
        ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(listing);
}

Result<std::string> ReadWholeFile(const std::string& path, MissingFile missing, std::size_t limit,
                                  LongFile longFile) {
    // A device or a FIFO is not even opened: opening some has effects of its own.
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) {
        return Failure(S_ISDIR(named.st_mode) ? ErrorText(EISDIR) : kNotRegular);
    }
    // Non-blocking, so that a FIFO that took the name since cannot hang the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT && missing == MissingFile::ReadsEmpty) {
            return std::string();
        }
        return Failure(ErrorText(errno));
    }
    const auto failed = [fd](const BilingualText& reason) {
        ::close(fd);
        return Result<std::string>(Failure(reason));
    };
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return failed(ErrorText(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        return failed(ErrorText(EISDIR));
    }
    if (!S_ISREG(status.st_mode)) {
        return failed(kNotRegular);
    }
    if (longFile == LongFile::Fails && static_cast<std::uintmax_t>(status.st_size) > limit) {
        return failed(TooLong(limit));
    }
    std::string bytes;
    // One byte past the limit tells a file that grew beyond it while it was read.
    const std::size_t wanted = longFile == LongFile::Fails && limit < SIZE_MAX ? limit + 1 : limit;
    while (bytes.size() < wanted) {
        char chunk[4096];
        const ssize_t got = ::read(fd, chunk, std::min(sizeof chunk, wanted - bytes.size()));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return failed(ErrorText(errno));
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (bytes.size() > limit) {
        return Failure(TooLong(limit));
    }
    return bytes;
}

std::optional<Failure> WriteAllBytes(int fd, const void* data, std::size_t size,
                                     const WriteCall& write) {
    const WriteCall& call = write ? write : WriteCall(PosixWrite);
    std::size_t done = 0;
    while (done < size) {
        errno = 0;
        const ssize_t written = call(fd, static_cast<const char*>(data) + done, size - done);
        if (written < 0) {
            return Failure(ErrorText(errno));
        }
        if (written == 0) {
            // A full disk can show as a write that makes no progress without any error.
            return Failure(BilingualText()
                               .Say("записано только ", "only ")
                               .Add(std::to_string(done))
                               .Say(" байт из ", " of ")
                               .Add(std::to_string(size))
                               .Say(" (диск, возможно, переполнен)",
                                    " bytes were written (the disk may be full)"));
        }
        done += static_cast<std::size_t>(written);
    }
    return std::nullopt;
}

std::optional<Failure> WriteWholeFile(const std::string& path, std::string_view bytes,
                                      const WriteCall& write) {
    // The file that a link names is replaced, and the link stays.
    std::string named = path;
    if (const int error = FollowLinks(named); error != 0) {
        return Failure(ErrorText(error));
    }
    struct stat old {};
    const bool replaces = ::stat(named.c_str(), &old) == 0;
    // A rename asks only the folder, so the file's own permission is asked here, as an open for
    // writing would ask it: a read-only file stays as it is.
    if (replaces && ::faccessat(AT_FDCWD, named.c_str(), W_OK, AT_EACCESS) != 0) {
        return Failure(ErrorText(errno));
    }
    const std::filesystem::path target(named);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    RemoveStaleTemporaries(folder.string());
    // In the target's folder, so that the final rename cannot cross file systems. The clock
    // keeps two writes of one process apart; O_EXCL keeps apart what still meets.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = (folder / TemporaryName(target.filename().string(), ::getpid(), stamp, attempt))
                        .string();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        return Failure(ErrorText(errno));
    }
    if (replaces && S_ISREG(old.st_mode)) {
        // The owner too, where the system allows it, so that a file that root wrote for a player
        // stays the player's; the bits after it, as a change of owner may clear some.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            [[maybe_unused]] const int kept = ::fchown(fd, old.st_uid, old.st_gid);
        }
        ::fchmod(fd, old.st_mode & 07777);
    }
    const auto abandon = [&](const Failure& reason) {
        if (fd >= 0) {
            ::close(fd);
        }
        ::unlink(temporary.c_str());
        return reason;
    };

    if (const std::optional<Failure> written =
            WriteAllBytes(fd, bytes.data(), bytes.size(), write)) {
        return abandon(*written);
    }
    if (::fsync(fd) != 0) {
        return abandon(Failure(ErrorText(errno)));
    }
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) {
        return abandon(Failure(ErrorText(errno)));
    }
    if (::rename(temporary.c_str(), named.c_str()) != 0) {
        return abandon(Failure(ErrorText(errno)));
    }
    // Makes the rename itself durable; the file is complete either way.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return std::nullopt;
}

}  // namespace tessellix
