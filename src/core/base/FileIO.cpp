#include "base/FileIO.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<bool(WriteStep)>& WriteHook() {
    static std::function<bool(WriteStep)> hook;
    return hook;
}

std::function<bool(ReadStep)>& ReadHook() {
    static std::function<bool(ReadStep)> hook;
    return hook;
}

bool Injected(WriteStep step) {
    const auto& hook = WriteHook();
    if (hook && hook(step)) {
        errno = ENOSPC;
        return true;
    }
    return false;
}

bool Injected(ReadStep step) {
    const auto& hook = ReadHook();
    if (hook && hook(step)) {
        errno = EIO;
        return true;
    }
    return false;
}

}  // namespace

void SetWriteFaultHook(std::function<bool(WriteStep)> hook) { WriteHook() = std::move(hook); }

void SetReadFaultHook(std::function<bool(ReadStep)> hook) { ReadHook() = std::move(hook); }

// ---- reading ----------------------------------------------------------------

InputFile::~InputFile() { Close(); }

bool InputFile::Open(const std::string& path) {
    Close();
    if (Injected(ReadStep::Open)) return false;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    sizeHint_ = st.st_size > 0 ? static_cast<uint64_t>(st.st_size) : 0;
    return true;
}

int64_t InputFile::Read(char* into, size_t size) {
    if (fd_ < 0) return -1;
    for (;;) {
        if (Injected(ReadStep::Read)) break;
        ssize_t n = ::read(fd_, into, size);
        if (n >= 0) return n;
        if (errno != EINTR) break;
    }
    int saved = errno;
    Close();
    errno = saved;
    return -1;
}

void InputFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    out.clear();
    InputFile file;
    if (!file.Open(path)) return false;
    // Read straight into the string: room for the size the file had when it
    // was opened, grown if it has become longer since.
    // Once the expected size is in, a small read checks for the end before
    // the string is grown.
    size_t size = 0;
    out.resize(static_cast<size_t>(file.SizeHint()));
    char probe[1 << 12];
    for (;;) {
        const bool full = size == out.size();
        int64_t n = full ? file.Read(probe, sizeof probe) : file.Read(out.data() + size, out.size() - size);
        if (n == 0) break;
        if (n < 0) {
            out.clear();
            out.shrink_to_fit();
            return false;
        }
        if (full) {
            out.resize(std::max(out.size() * 2, size_t{1} << 16));
            std::memcpy(out.data() + size, probe, static_cast<size_t>(n));
        }
        size += static_cast<size_t>(n);
    }
    out.resize(size);
    return true;
}

// ---- writing ----------------------------------------------------------------

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

bool AtomicFileWriter::Fail(const std::string& what) {
    int saved = errno;
    error_ = what + ": " + std::strerror(saved);
    Abandon();
    errno = saved;
    return false;
}

void AtomicFileWriter::Abandon() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

bool AtomicFileWriter::Open(const std::string& path) {
    Abandon();
    error_.clear();
    path_ = path;
    // The temporary file sits beside the target so that the final rename stays
    // on one file system and is atomic.
    std::string temp = path + ".tmpXXXXXX";
    int fd = Injected(WriteStep::Open) ? -1 : ::mkstemp(temp.data());
    if (fd < 0) return Fail("cannot create a temporary file beside " + path);
    fd_ = fd;
    temp_ = std::move(temp);
    // Keep the permissions of the file being replaced; new files get the usual 0666 & ~umask.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd_, st.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd_, 0666 & ~mask);
    }
    return true;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
    if (fd_ < 0) {
        if (error_.empty()) error_ = "cannot write " + path_ + ": the file is not open";
        return false;
    }
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        if (Injected(WriteStep::Write)) return Fail("cannot write " + path_);
        ssize_t n = ::write(fd_, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Fail("cannot write " + path_);
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

bool AtomicFileWriter::Commit() {
    if (fd_ < 0) {
        if (error_.empty()) error_ = "cannot write " + path_ + ": the file is not open";
        return false;
    }
    if (Injected(WriteStep::Sync) || ::fsync(fd_) != 0) return Fail("cannot flush " + path_);
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return Fail("cannot close " + path_);
    if (Injected(WriteStep::Rename) || ::rename(temp_.c_str(), path_.c_str()) != 0)
        return Fail("cannot replace " + path_);
    temp_.clear();
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error) {
    AtomicFileWriter writer;
    if (writer.Open(path) && writer.Write(contents) && writer.Commit()) return true;
    if (error) *error = writer.Error();
    return false;
}
