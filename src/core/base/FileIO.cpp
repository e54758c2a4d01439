#include "base/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<bool(WriteStep)>& FaultHook() {
    static std::function<bool(WriteStep)> hook;
    return hook;
}

bool Injected(WriteStep step) {
    const auto& hook = FaultHook();
    if (hook && hook(step)) {
        errno = ENOSPC;
        return true;
    }
    return false;
}

void SetError(std::string* error, const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
}

}  // namespace

void SetWriteFaultHook(std::function<bool(WriteStep)> hook) { FaultHook() = std::move(hook); }

bool ReadWholeFile(const std::string& path, std::string& out) {
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return false;
    }
    if (st.st_size > 0) out.reserve(static_cast<size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            out.clear();
            return false;
        }
        out.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error) {
    // The temporary file sits beside the target so that the final rename stays
    // on one file system and is atomic.
    std::string temp = path + ".tmpXXXXXX";
    int fd = Injected(WriteStep::Open) ? -1 : ::mkstemp(temp.data());
    if (fd < 0) {
        SetError(error, "cannot create a temporary file beside " + path);
        return false;
    }
    auto fail = [&](const std::string& what) {
        SetError(error, what);
        int saved = errno;
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        errno = saved;
        return false;
    };
    // Keep the permissions of the file being replaced; new files get the usual 0666 & ~umask.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    const char* data = contents.data();
    size_t left = contents.size();
    while (left > 0) {
        if (Injected(WriteStep::Write)) return fail("cannot write " + path);
        ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail("cannot write " + path);
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    if (Injected(WriteStep::Sync) || ::fsync(fd) != 0) return fail("cannot flush " + path);
    if (::close(fd) != 0) {
        fd = -1;
        return fail("cannot close " + path);
    }
    fd = -1;
    if (Injected(WriteStep::Rename) || ::rename(temp.c_str(), path.c_str()) != 0)
        return fail("cannot replace " + path);
    return true;
}
