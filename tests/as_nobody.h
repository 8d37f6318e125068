#pragma once

// Root may write any file whatever its permission bits, so what a player without root rights
// sees of a read-only file is checked in a child process that runs as the user nobody.

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace tessellix {

// What a test step running as nobody returned, or, when none could run, why not (for QSKIP).
struct NobodyRun {
    std::optional<std::string> said;
    const char* skipReason = "";
};

// The uid and gid the child takes; nothing when the system has no user nobody.
inline std::optional<std::pair<uid_t, gid_t>> NobodyIds() {
    const passwd* user = ::getpwnam("nobody");
    if (user == nullptr) {
        return std::nullopt;
    }
    return std::pair{user->pw_uid, user->pw_gid};
}

// Runs step in a forked child as nobody (when the test runs as root; an ordinary user keeps its
// own rights) and returns what it returned. Files the step must write belong to nobody, or lie
// in a folder that nobody may write.
inline NobodyRun RunAsNobody(const std::function<std::string()>& step) {
    const auto ids = NobodyIds();
    if (::geteuid() == 0 && !ids) {
        return {std::nullopt, "the system has no user nobody"};
    }
    int channel[2];
    if (::pipe(channel) != 0) {
        return {std::nullopt, "no pipe to a child process"};
    }
    const pid_t child = ::fork();
    if (child < 0) {
        return {std::nullopt, "no child process"};
    }
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 ||
                                 ::setresgid(ids->second, ids->second, ids->second) != 0 ||
                                 ::setresuid(ids->first, ids->first, ids->first) != 0)) {
            ::_exit(2);
        }
        const std::string said = step();
        const ssize_t written = ::write(channel[1], said.data(), said.size());
        ::_exit(written == static_cast<ssize_t>(said.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string said;
    char chunk[512];
    for (ssize_t got; (got = ::read(channel[0], chunk, sizeof chunk)) > 0;) {
        said.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2) {
        return {std::nullopt, "a child process could not become nobody"};
    }
    return {said};
}

// Gives path to nobody, so that a step running as nobody may write it or in it.
inline bool GiveToNobody(const std::string& path) {
    const auto ids = NobodyIds();
    return ::geteuid() != 0 || (ids && ::chown(path.c_str(), ids->first, ids->second) == 0);
}

}  // namespace tessellix
