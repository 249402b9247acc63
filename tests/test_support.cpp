#include "test_support.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <sstream>

#include "control_names.h"
#include "date_value.h"
#include "scan_drivers.h"

namespace vorlith::test {

namespace {

void RemoveTree(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) {
        if (DIR* dir = ::opendir(path.c_str())) {
            while (auto* entry = ::readdir(dir)) {
                std::string name = entry->d_name;
                if (name != "." && name != "..") RemoveTree(path + "/" + name);
            }
            ::closedir(dir);
        }
        ::rmdir(path.c_str());
    } else {
        ::unlink(path.c_str());
    }
}

void ListInto(const std::string& root, const std::string& prefix, std::vector<std::string>& out) {
    DIR* dir = ::opendir((root + "/" + prefix).c_str());
    if (!dir) return;
    while (auto* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        std::string relative = prefix.empty() ? name : prefix + "/" + name;
        out.push_back(relative);
        struct stat st {};
        if (::lstat((root + "/" + relative).c_str(), &st) == 0 && S_ISDIR(st.st_mode)) ListInto(root, relative, out);
    }
    ::closedir(dir);
}

}  // namespace

TempDir::TempDir() {
    char pattern[] = "/tmp/vorlith-test-XXXXXX";
    path_ = ::mkdtemp(pattern);
}

TempDir::~TempDir() { RemoveTree(path_); }

std::int64_t LocalSeconds(int year, int month, int day, int hour, int minute, int second) {
    struct tm tm {};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

void MakeFolder(const std::string& path) {
    for (size_t pos = 1; pos <= path.size(); ++pos)
        if (pos == path.size() || path[pos] == '/') ::mkdir(path.substr(0, pos).c_str(), 0777);
}

void MakeFile(const std::string& path, std::int64_t mtime, const std::string& content) {
    MakeFolder(path.substr(0, path.rfind('/')));
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    struct timespec times[2] = {{static_cast<time_t>(mtime), 0}, {static_cast<time_t>(mtime), 0}};
    ::futimens(fd, times);
    ::close(fd);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::vector<std::string> ListTree(const std::string& root) {
    std::vector<std::string> out;
    ListInto(root, "", out);
    std::sort(out.begin(), out.end());
    return out;
}

ScopedTimeZone::ScopedTimeZone(const char* zone) {
    const char* old = std::getenv("TZ");
    hadPrevious_ = old != nullptr;
    if (old) previous_ = old;
    ::setenv("TZ", zone, 1);
    ::tzset();
}

ScopedTimeZone::~ScopedTimeZone() {
    if (hadPrevious_) ::setenv("TZ", previous_.c_str(), 1);
    else ::unsetenv("TZ");
    ::tzset();
}

ScopedClock::ScopedClock(std::int64_t seconds) : now_(std::make_shared<std::int64_t>(seconds)) {
    auto now = now_;
    SetClockForTesting([now] { return *now; });
}

ScopedClock::~ScopedClock() { SetClockForTesting(nullptr); }

FixedOptions JobOptions(const std::string& source, const std::string& destination) {
    FixedOptions options;
    options.SetText(controls::kSourceFolder, source);
    options.SetText(controls::kDestinationFolder, destination);
    return options;
}

std::unique_ptr<JobResult> RunJob(const FixedOptions& options, const std::string& logFolder,
                                  std::function<void(RecordingHost&)> prepare) {
    auto result = std::make_unique<JobResult>();
    if (prepare) prepare(result->host);
    OperationLog log(logFolder);
    JobContext job{options, result->host, result->texts, log};
    RunChosenDriver(job);
    result->tally = std::move(job.tally);
    return result;
}

std::vector<std::string> LogLines(const std::string& path) {
    std::vector<std::string> lines;
    std::string content = ReadFile(path);
    size_t pos = 0;
    while (pos < content.size()) {
        size_t end = content.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(content.substr(pos) + "<no CR LF>");
            break;
        }
        lines.push_back(content.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

}  // namespace vorlith::test

#include <sys/mount.h>

namespace vorlith::test {

ScopedTmpfs::ScopedTmpfs(const std::string& dir, const char* size) : dir_(dir) {
    MakeFolder(dir);
    const std::string options = std::string("size=") + size;
    mounted_ = ::mount("tmpfs", dir.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

ScopedTmpfs::~ScopedTmpfs() {
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
}

bool ScopedTmpfs::RemountReadOnly() {
    return ::mount("tmpfs", dir_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

}  // namespace vorlith::test
