// The operation log: hourly text files, newest line first, CR LF line ends.
//
// Lines are kept pending and inserted at the top of the hour's file as one
// block, newest first, which leaves exactly the bytes that inserting each line
// on its own would leave. The block goes in when a line comes 1 s or more
// after the last insertion, before the first line of a new hour, and on
// Flush, which a job calls when it ends. Between insertions no file is open.
#pragma once

#include <string>
#include <vector>

#include "date_value.h"
#include "platform/platform.h"

namespace vorlith {

// "2014359.txt" for 2014-03-05 09:xx: year, month, day and hour, unpadded.
std::string LogFileName(DateValue now);

// The per-user folder for log files when the preferred one can't be written:
// $XDG_DATA_HOME/vorlith, by default ~/.local/share/vorlith.
std::string UserLogFolder();

class OperationLog {
public:
    // `folder` is where the log files go ("" for the file-system root).
    explicit OperationLog(std::string folder);
    ~OperationLog();
    OperationLog(const OperationLog&) = delete;
    OperationLog& operator=(const OperationLog&) = delete;

    // Records one line for `message`, stamped with the current time. Returns
    // the failure of an insertion that this call triggered.
    platform::Outcome WriteLogLine(const std::string& message);
    // Inserts every pending line now.
    platform::Outcome Flush();
    // The folder the lines go to; changes to UserLogFolder() when the
    // preferred folder can't be opened.
    const std::string& Folder() const { return folder_; }

private:
    platform::Outcome InsertPending();

    std::string folder_;
    std::string pendingFileName_;
    std::vector<std::string> pending_;  // oldest first
    std::int64_t lastInsertion_;        // seconds since the epoch
    // The file name and stamp of the last second seen, so a burst of lines
    // converts the time once.
    std::int64_t stampSeconds_ = -1;
    std::string stampFileName_;
    std::string stampText_;
};

}  // namespace vorlith
