// POSIX (Linux) implementation of the platform services.
#include "platform/platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

namespace vorlith::platform {

namespace {

SysError ErrorNow(std::string operation, const std::string& path) {
    return SysError{std::move(operation), path, errno};
}

std::string FolderOf(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    void Reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    // Closes and reports the result; a failed close can mean lost writes.
    int Close() {
        int rc = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const char* data, size_t size, off_t offset) {
    while (size > 0) {
        ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
        offset += n;
    }
    return true;
}

bool ReadAll(int fd, char* data, size_t size, off_t offset) {
    while (size > 0) {
        ssize_t n = ::pread(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;  // the file shrank under us
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
        offset += n;
    }
    return true;
}

// Copies the whole content of `in` to `out`, preferring the kernel's copy.
bool CopyContent(int in, int out, off_t size) {
    off_t done = 0;
    while (done < size) {
        ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(size - done), 0);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n == 0) break;  // the source shrank; finish with plain reads
        if (errno == EINTR) continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) return false;
        break;
    }
    std::vector<char> buffer(1 << 17);
    for (;;) {
        ssize_t n = ::pread(in, buffer.data(), buffer.size(), done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        if (!WriteAll(out, buffer.data(), static_cast<size_t>(n), done)) return false;
        done += n;
    }
}

std::string TemporaryNameBeside(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return FolderOf(target) + "/.vorlith-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + ".part";
}

// Puts `from` at `to` without ever replacing an existing `to`.
int RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return -1;
    // The file system lacks the flag: a hard link fails on an existing name too.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK) return -1;
    // No hard links either (FAT memory cards): check, then rename. Only a file
    // made in the instant between the two could still be replaced.
    if (Exists(to)) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from.c_str(), to.c_str());
}

Outcome SyncFolderOf(const std::string& path) {
    Fd dir(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.ok()) return ErrorNow("open", FolderOf(path));
    if (::fsync(dir.get()) != 0 && errno != EINVAL) return ErrorNow("fsync", FolderOf(path));
    return std::nullopt;
}

// Writes the content of `source` into a fresh temporary file beside `target`.
// On success `tempPath` names it; on failure nothing is left behind.
Outcome WriteTemporaryCopy(const std::string& source, const std::string& target, bool durable,
                           std::string& tempPath) {
    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.ok()) return ErrorNow("open", source);
    struct stat st {};
    if (::fstat(in.get(), &st) != 0) return ErrorNow("stat", source);
    if (!S_ISREG(st.st_mode)) return SysError{"copy", source, EINVAL};
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && existing.st_dev == st.st_dev && existing.st_ino == st.st_ino)
        return SysError{"copy", target, EINVAL};  // source and target are one file

    tempPath = TemporaryNameBeside(target);
    Fd out(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!out.ok()) return ErrorNow("create", target);
    auto fail = [&](const char* op, const std::string& path) {
        SysError e = ErrorNow(op, path);
        out.Reset();
        ::unlink(tempPath.c_str());
        return e;
    };
    if (!CopyContent(in.get(), out.get(), st.st_size)) return fail("copy", target);
    ::fchmod(out.get(), st.st_mode & 07777);
    struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (::futimens(out.get(), times) != 0) return fail("set time", target);
    if (durable && ::fsync(out.get()) != 0) return fail("fsync", target);
    if (out.Close() != 0) {
        SysError e = ErrorNow("close", target);
        ::unlink(tempPath.c_str());
        return e;
    }
    return std::nullopt;
}

}  // namespace

std::string SysError::Reason() const { return std::strerror(code); }

// --- DirReader ------------------------------------------------------------------

DirReader::~DirReader() { Close(); }

Outcome DirReader::Open(const std::string& folder) {
    Close();
    error_.reset();
    folder_ = folder.empty() ? "." : folder;
    DIR* dir = ::opendir(folder_.c_str());
    if (!dir) {
        error_ = ErrorNow("opendir", folder_);
        return error_;
    }
    handle_ = dir;
    return std::nullopt;
}

std::optional<DirEntry> DirReader::Read() {
    if (!handle_) return std::nullopt;
    errno = 0;
    struct dirent* d = ::readdir(static_cast<DIR*>(handle_));
    if (!d) {
        if (errno != 0) error_ = ErrorNow("readdir", folder_);
        return std::nullopt;
    }
    DirEntry entry{d->d_name, false, false};
    if (d->d_type == DT_DIR) {
        entry.isDirectory = true;
    } else if (d->d_type == DT_LNK || d->d_type == DT_UNKNOWN) {
        std::string full = folder_ + "/" + entry.name;
        struct stat st {};
        if (::lstat(full.c_str(), &st) == 0) {
            entry.isLink = S_ISLNK(st.st_mode);
            if (entry.isLink) {
                struct stat target {};
                entry.isDirectory = ::stat(full.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
            } else {
                entry.isDirectory = S_ISDIR(st.st_mode);
            }
        }
    }
    return entry;
}

void DirReader::Close() {
    if (handle_) ::closedir(static_cast<DIR*>(handle_));
    handle_ = nullptr;
}

// --- Single entries ---------------------------------------------------------------

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::optional<FileId> IdentityOf(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
    return FileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

std::optional<FileFacts> Inspect(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
    FileFacts facts{{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)},
                    static_cast<std::int64_t>(st.st_mtim.tv_sec)};
    // A link stands for the file it points to; a dangling one keeps its own time.
    struct stat target {};
    if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &target) == 0) facts.mtime = target.st_mtim.tv_sec;
    return facts;
}

std::optional<std::int64_t> LastWriteTime(const std::string& path) {
    auto facts = Inspect(path);
    if (!facts) return std::nullopt;
    return facts->mtime;
}

Outcome MakeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) return ErrorNow("mkdir", path);
    return std::nullopt;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

Outcome CopyFile(const std::string& source, const std::string& target, Collision collision, bool durable) {
    if (collision == Collision::NoReplace && Exists(target)) return SysError{"copy", target, EEXIST};
    std::string temp;
    if (auto error = WriteTemporaryCopy(source, target, durable, temp)) return error;
    int rc = collision == Collision::Replace ? ::rename(temp.c_str(), target.c_str())
                                             : RenameNoReplace(temp, target);
    if (rc != 0) {
        SysError e = ErrorNow("rename", target);
        ::unlink(temp.c_str());
        return e;
    }
    if (durable) return SyncFolderOf(target);
    return std::nullopt;
}

Outcome MoveFile(const std::string& source, const std::string& target, Collision collision, bool* viaCopy) {
    if (viaCopy) *viaCopy = false;
    int rc = collision == Collision::Replace ? ::rename(source.c_str(), target.c_str())
                                             : RenameNoReplace(source, target);
    if (rc == 0) return std::nullopt;
    const int code = errno;
    if (code != EXDEV) {
        const bool sourceGone = code == ENOENT && !Exists(source);
        return SysError{"rename", sourceGone ? source : target, code};
    }
    // Another file system: the source goes only once its copy is safe on disk.
    if (viaCopy) *viaCopy = true;
    if (auto error = CopyFile(source, target, collision, /*durable=*/true)) return error;
    if (::unlink(source.c_str()) != 0) return ErrorNow("delete", source);
    return std::nullopt;
}

// --- Time ---------------------------------------------------------------------------

std::optional<LocalFields> ToLocalFields(std::int64_t seconds) {
    std::time_t t = static_cast<std::time_t>(seconds);
    struct tm tm {};
    if (!::localtime_r(&t, &tm)) return std::nullopt;
    return LocalFields{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::int64_t NowSeconds() {
    struct timespec ts {};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<std::int64_t>(ts.tv_sec);
}

// --- Process ----------------------------------------------------------------------------

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return "";
        if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), static_cast<size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
}

std::string CurrentDirectory() {
    std::vector<char> buffer(4096);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return "";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

Outcome ChangeDirectory(const std::string& path) {
    if (::chdir(path.empty() ? "/" : path.c_str()) != 0) return ErrorNow("chdir", path);
    return std::nullopt;
}

Outcome MakeFolders(const std::string& path) {
    for (size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos != path.size() && path[pos] != '/') continue;
        std::string part = path.substr(0, pos);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return ErrorNow("mkdir", part);
    }
    if (!IsFolder(path)) return SysError{"mkdir", path, ENOTDIR};
    return std::nullopt;
}

// --- Log files ---------------------------------------------------------------------------

Outcome InsertAtFileStart(const std::string& path, const std::string& block) {
    Fd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (!fd.ok()) return ErrorNow("open", path);
    if (::flock(fd.get(), LOCK_EX) != 0) return ErrorNow("lock", path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return ErrorNow("stat", path);
    const off_t oldSize = st.st_size;
    const off_t shift = static_cast<off_t>(block.size());
    // Reserve the space first: a full disk then fails before anything moves.
    int rc = ::posix_fallocate(fd.get(), oldSize, shift);
    if (rc != 0 && rc != EOPNOTSUPP && rc != EINVAL) {
        errno = rc;
        return ErrorNow("write", path);
    }
    std::vector<char> buffer(static_cast<size_t>(std::min<off_t>(oldSize, 1 << 20)));
    // Move the old content toward the end, last part first, so no byte is
    // overwritten before it has been moved.
    off_t end = oldSize;
    while (end > 0) {
        off_t n = std::min<off_t>(end, static_cast<off_t>(buffer.size()));
        end -= n;
        if (!ReadAll(fd.get(), buffer.data(), static_cast<size_t>(n), end)) return ErrorNow("read", path);
        if (!WriteAll(fd.get(), buffer.data(), static_cast<size_t>(n), end + shift)) return ErrorNow("write", path);
    }
    if (!WriteAll(fd.get(), block.data(), block.size(), 0)) return ErrorNow("write", path);
    if (fd.Close() != 0) return ErrorNow("close", path);  // closing also drops the lock
    return std::nullopt;
}

}  // namespace vorlith::platform
