// Shared test fixtures: temporary folder trees, files with chosen last-write
// times, a host that records what a job reports, and a job runner.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fixed_options.h"
#include "job_context.h"
#include "job_host.h"
#include "operation_log.h"
#include "run_texts.h"

namespace vorlith::test {

// A fresh folder under /tmp, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

private:
    std::string path_;
};

// Seconds since the epoch of a local wall-clock time in the current TZ.
std::int64_t LocalSeconds(int year, int month, int day, int hour, int minute, int second);

// Creates `path` (and its parent folders) with `content` and the given
// last-write time in seconds since the epoch.
void MakeFile(const std::string& path, std::int64_t mtime, const std::string& content = "");
void MakeFolder(const std::string& path);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
// Every file and folder under `root`, as paths relative to it, sorted.
std::vector<std::string> ListTree(const std::string& root);

// Sets TZ for the test and restores the previous zone afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone);
    ~ScopedTimeZone();

private:
    std::string previous_;
    bool hadPrevious_;
};

// Replaces the clock behind CurrentTime for the test.
class ScopedClock {
public:
    explicit ScopedClock(std::int64_t seconds);
    ~ScopedClock();
    void Set(std::int64_t seconds) { *now_ = seconds; }
    void Advance(std::int64_t seconds) { *now_ += seconds; }

private:
    std::shared_ptr<std::int64_t> now_;
};

struct Row {
    std::string number;
    std::string path;
};

class RecordingHost : public JobHost {
public:
    void AppendRow(const std::string& number, const std::string& path) override { rows.push_back({number, path}); }
    int RowCount() const override { return static_cast<int>(rows.size()); }
    void ScrollToRow(int row) override { scrolledTo = row; }
    void SetCaption(const std::string& caption) override { captions.push_back(caption); }
    void PumpEvents() override {
        ++pumps;
        if (onPump) onPump(pumps);
    }
    void ShowPrompt(const std::string& message) override { prompts.push_back(message); }
    bool StopRequested() const override { return stop; }

    std::vector<Row> rows;
    std::vector<std::string> captions;
    std::vector<std::string> prompts;
    int scrolledTo = -1;
    int pumps = 0;
    bool stop = false;
    std::function<void(int)> onPump;
};

// The folders of a job test: src, dst and logs under a fresh temporary
// folder, in local time UTC.
struct JobFolders : ::testing::Test {
    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    std::string src = dir / "src", dst = dir / "dst", logs = dir / "logs";
    void SetUp() override {
        MakeFolder(src);
        MakeFolder(dst);
        MakeFolder(logs);
    }
};

// Options for a job from `source` to `destination`, otherwise initial.
FixedOptions JobOptions(const std::string& source, const std::string& destination);

struct JobResult {
    RecordingHost host;
    JobTally tally;
    RunTexts texts;
};

// Runs one whole job as the confirm button does: FlatScan when subfolders
// are not searched, otherwise RecursiveWalk of the source with a "/".
// The log goes to `logFolder`.
std::unique_ptr<JobResult> RunJob(const FixedOptions& options, const std::string& logFolder,
                                  std::function<void(RecordingHost&)> prepare = nullptr);

// The lines of a log file, CR LF removed, top first.
std::vector<std::string> LogLines(const std::string& path);

}  // namespace vorlith::test

namespace vorlith::test {

// A small tmpfs mounted at `dir` for the test: a second file system and a
// disk that fills up on demand. `mounted()` is false where mounting is
// refused (not root, no privileges); such tests skip.
class ScopedTmpfs {
public:
    ScopedTmpfs(const std::string& dir, const char* size);
    ~ScopedTmpfs();
    bool mounted() const { return mounted_; }
    bool RemountReadOnly();

private:
    std::string dir_;
    bool mounted_ = false;
};

}  // namespace vorlith::test
