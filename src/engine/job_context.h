// Everything one job works with: the options it reads, the host it reports
// to, the program's RunTexts, the log, and what the job has done so far.
#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

#include "job_host.h"
#include "operation_log.h"
#include "organizer_options.h"
#include "platform/platform.h"
#include "run_texts.h"

namespace vorlith {

enum class Driver { FlatScan, RecursiveWalk };

struct FileIdHash {
    size_t operator()(const platform::FileId& id) const noexcept {
        return std::hash<std::uint64_t>()(id.inode * 0x9E3779B97F4A7C15ull ^ id.device);
    }
};

// What a job leaves behind for its caller.
struct JobTally {
    int failed = 0;                                  // placements that failed
    bool stopped = false;                            // ended early on request
    std::vector<platform::SysError> folderErrors;    // folders that couldn't be listed
    platform::Outcome logError;                      // first failure of the log
    // Files this job has placed, so a walk that reaches them again leaves them.
    std::unordered_set<platform::FileId, FileIdHash> placed;
};

struct JobContext {
    const OrganizerOptions& options;
    JobHost& host;
    RunTexts& texts;
    OperationLog& log;
    JobTally tally{};
};

}  // namespace vorlith
