// The file-system, time and process services the engine relies on.
//
// One header, one source file per system (platform_posix.cpp here). Paths are
// byte strings handed to the system unchanged: a name that is not valid UTF-8
// goes through every call unharmed. Every operation that can fail returns its
// failure as a value carrying the operation, the path and the system's errno,
// taken at the failing call.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace vorlith::platform {

struct SysError {
    std::string operation;  // "mkdir", "copy", "rename", "open", ...
    std::string path;       // the path the failing call was about
    int code = 0;           // errno of the failing call

    // The system's wording of `code`, for rows, log lines and messages.
    std::string Reason() const;
};

// nullopt on success.
using Outcome = std::optional<SysError>;

// Identity of a file, to tell whether two paths name one file.
struct FileId {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileId&) const = default;
};

// --- Directory enumeration -------------------------------------------------

struct DirEntry {
    std::string name;
    bool isDirectory = false;  // a folder, or a link to one
    bool isLink = false;       // the entry itself is a symbolic link
};

// Lists one folder, "." and ".." included, in the order the system returns.
class DirReader {
public:
    DirReader() = default;
    ~DirReader();
    DirReader(const DirReader&) = delete;
    DirReader& operator=(const DirReader&) = delete;

    // Closes what is open and opens `folder` ("" means the current folder).
    Outcome Open(const std::string& folder);
    // The next entry, or nullopt at the end or on a read error (see `Error`).
    std::optional<DirEntry> Read();
    void Close();
    // The read error that ended the listing, if one did.
    const Outcome& Error() const { return error_; }

private:
    void* handle_ = nullptr;
    std::string folder_;
    Outcome error_;
};

// --- Single entries --------------------------------------------------------

// True when any entry (file, folder, link, dangling link) is at `path`.
bool Exists(const std::string& path);

// The identity of the file at `path` (links not followed), or nullopt.
std::optional<FileId> IdentityOf(const std::string& path);

// Identity and last-write time of the entry at `path`, from one look-up
// where possible; nullopt when nothing is there, with errno telling why.
struct FileFacts {
    FileId id;                           // the entry itself (a link's own)
    std::int64_t mtime = 0;              // seconds since the epoch, UTC
};
std::optional<FileFacts> Inspect(const std::string& path);

// Last-write time of `path` in seconds since the epoch (UTC), fraction
// dropped; links are followed, a dangling link reports its own time.
std::optional<std::int64_t> LastWriteTime(const std::string& path);

// Creates one folder; fails when it exists or its parent is missing.
Outcome MakeFolder(const std::string& path);

// True when `path` is a folder (links followed).
bool IsFolder(const std::string& path);

enum class Collision {
    Replace,    // an existing target is replaced, in one step
    NoReplace,  // an existing target makes the call fail with EEXIST
};

// Copies the regular file `source` to `target`, keeping its last-write time
// and permission bits. The content is written to a temporary file beside
// the target first and then renamed into place, so an existing target is
// never left half-written. With `durable` the copy is flushed to disk
// before it becomes visible. Fails when source and target are one file.
Outcome CopyFile(const std::string& source, const std::string& target, Collision collision,
                 bool durable = false);

// Moves `source` to `target`: a rename within one file system; across file
// systems a durable copy, after which the source is deleted. The source is
// never deleted before its copy is complete and flushed.
// `viaCopy`, when given, tells whether the file was copied (a new file) or
// renamed (the same file).
Outcome MoveFile(const std::string& source, const std::string& target, Collision collision,
                 bool* viaCopy = nullptr);

// --- Time -------------------------------------------------------------------

struct LocalFields {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Local wall-clock fields of the instant `seconds` (since the epoch), with the
// UTC offset in force at that instant; nullopt when it can't be expressed.
std::optional<LocalFields> ToLocalFields(std::int64_t seconds);

// Seconds since the epoch now, fraction dropped.
std::int64_t NowSeconds();

// --- Process -----------------------------------------------------------------

// Full path of the running executable.
std::string ExecutablePath();
// The current directory, or "" when it can't be read.
std::string CurrentDirectory();
Outcome ChangeDirectory(const std::string& path);
// Creates `path` and any missing parents.
Outcome MakeFolders(const std::string& path);

// --- Log files ----------------------------------------------------------------

// Inserts `block` at the start of the file at `path`, creating it when
// missing. Holds an exclusive advisory lock only while inserting, so two
// processes never interleave their bytes. The file is grown first, so a
// full disk fails before any existing byte has moved.
Outcome InsertAtFileStart(const std::string& path, const std::string& block);

}  // namespace vorlith::platform
