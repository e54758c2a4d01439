#include "base/FileIO.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
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

namespace {

constexpr const char* kTempSuffix = ".nestrel-tmp";
constexpr size_t kRandomChars = 6;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path really names: symbolic links are followed (a dangling one to
// where it points, so that the save creates that file). Empty, with errno set,
// for a loop of links.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 0) + 256, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0) return path;
        link.resize(static_cast<size_t>(n));
        path = (!link.empty() && link[0] == '/') ? link : FolderOf(path) + "/" + link;
    }
    errno = ELOOP;
    return {};
}

std::string RandomChars() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::random_device device;
    std::string out(kRandomChars, 'x');
    for (char& c : out) c = kChars[device() % (sizeof kChars - 1)];
    return out;
}

// ".<name>.XXXXXX.nestrel-tmp" in the target's folder.
std::string HiddenTempName(const std::string& target, const std::string& random) {
    return FolderOf(target) + "/." + NameOf(target) + "." + random + kTempSuffix;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Whether `entry` is a temporary file that a save of `name` made: the hidden form,
// or "<name>.tmpXXXXXX", which earlier versions of the program left beside the file.
bool IsTemporaryOf(std::string_view entry, const std::string& name) {
    const std::string hidden = "." + name + ".";
    if (entry.size() == hidden.size() + kRandomChars + std::strlen(kTempSuffix) &&
        entry.substr(0, hidden.size()) == hidden && EndsWith(entry, kTempSuffix))
        return true;
    const std::string older = name + ".tmp";
    return entry.size() == older.size() + kRandomChars && entry.substr(0, older.size()) == older;
}

}  // namespace

const char* AtomicFileWriter::TempSuffix() { return kTempSuffix; }

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

bool AtomicFileWriter::Fail(const std::string& what) {
    int saved = errno;
    error_ = what + ": " + std::strerror(saved);
    Abandon();
    errno = saved;
    return false;
}

void AtomicFileWriter::Abandon() {
    // An unnamed file vanishes with its descriptor; a named one is removed. A file
    // written in place cannot be taken back: that is the price of a folder that
    // allows no new file, and the same as a plain write.
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

bool AtomicFileWriter::Open(const std::string& path) {
    Abandon();
    error_.clear();
    path_ = path;
    written_ = 0;
    if (Injected(WriteStep::Open)) return Fail("cannot create " + path);
    target_ = FollowLinks(path);
    if (target_.empty()) return Fail("cannot follow the links of " + path);

    struct stat st {};
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return Fail("cannot write " + path);
    }
    // Replacing by rename needs only the folder's permission, so the file's own is
    // asked for here: a file the user may not write is not silently replaced.
    if (exists) {
        if (Injected(WriteStep::Access)) {
            errno = EACCES;
            return Fail("cannot write " + path);
        }
        if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) return Fail("cannot write " + path);
    }
    mode_t mode;
    if (exists) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    const std::string folder = FolderOf(target_);
    int fd = -1;
    bool folderRefuses = Injected(WriteStep::FolderTemp);
    if (folderRefuses) errno = EACCES;
    // The temporary file sits in the target's folder so that the final rename stays
    // on one file system and is atomic. Unnamed first: a crash then leaves nothing.
    if (!folderRefuses && !Injected(WriteStep::Unnamed)) {
        fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (fd >= 0) {
            kind_ = Kind::Unnamed;
        } else {
            folderRefuses = errno == EACCES || errno == EPERM || errno == EROFS;
        }
    }
    if (fd < 0 && !folderRefuses) {
        std::string temp = HiddenTempName(target_, "XXXXXX");
        fd = ::mkstemps(temp.data(), static_cast<int>(std::strlen(kTempSuffix)));
        if (fd >= 0) {
            kind_ = Kind::Named;
            temp_ = std::move(temp);
        } else {
            folderRefuses = errno == EACCES || errno == EPERM;
        }
    }
    if (fd < 0 && folderRefuses && exists) {
        fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd >= 0) kind_ = Kind::InPlace;
    }
    if (fd < 0) return Fail("cannot create a temporary file beside " + path);
    fd_ = fd;
    // Keep the permissions of the file being replaced; new files get 0666 & ~umask.
    if (kind_ != Kind::InPlace) ::fchmod(fd_, mode);
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
        written_ += static_cast<uint64_t>(n);
    }
    return true;
}

bool AtomicFileWriter::LinkUnnamed() {
    // Linking through /proc names the open file without extra privileges.
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = HiddenTempName(target_, RandomChars());
        if (Injected(WriteStep::Link)) return false;
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temp_ = std::move(temp);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool AtomicFileWriter::Commit() {
    if (fd_ < 0) {
        if (error_.empty()) error_ = "cannot write " + path_ + ": the file is not open";
        return false;
    }
    if (kind_ == Kind::InPlace && ::ftruncate(fd_, static_cast<off_t>(written_)) != 0)
        return Fail("cannot write " + path_);
    if (Injected(WriteStep::Sync) || ::fsync(fd_) != 0) return Fail("cannot flush " + path_);
    if (kind_ == Kind::Unnamed && !LinkUnnamed()) return Fail("cannot name the new file beside " + path_);
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return Fail("cannot close " + path_);
    if (kind_ != Kind::InPlace) {
        if (Injected(WriteStep::Rename) || ::rename(temp_.c_str(), target_.c_str()) != 0)
            return Fail("cannot replace " + path_);
        temp_.clear();
        // The rename itself reaches the disk with the folder.
        int folder = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
    }
    RemoveStaleTemporaries();
    return true;
}

void AtomicFileWriter::RemoveStaleTemporaries() const {
    // Saves of this file that were killed before their rename left these behind.
    DIR* folder = ::opendir(FolderOf(target_).c_str());
    if (folder == nullptr) return;
    const std::string name = NameOf(target_);
    while (const dirent* entry = ::readdir(folder)) {
        if (IsTemporaryOf(entry->d_name, name)) ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error) {
    AtomicFileWriter writer;
    if (writer.Open(path) && writer.Write(contents) && writer.Commit()) return true;
    if (error) *error = writer.Error();
    return false;
}

std::string ReportFileName(const std::string& chosen) {
    if (chosen.empty()) return chosen;
    const size_t slash = chosen.find_last_of('/');
    const std::string base = slash == std::string::npos ? chosen : chosen.substr(slash + 1);
    // A leading dot names a hidden file, not an extension.
    const size_t dot = base.find_last_of('.');
    if (dot != std::string::npos && dot > 0 && dot + 1 < base.size()) return chosen;
    if (!base.empty() && base.back() == '.') return chosen + "txt";
    return chosen + ".txt";
}
