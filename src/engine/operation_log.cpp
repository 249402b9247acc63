#include "operation_log.h"

#include <cerrno>
#include <cstdlib>

namespace vorlith {

namespace {

bool IsFolderProblem(const platform::SysError& error) {
    return error.operation == "open" &&
           (error.code == EACCES || error.code == EPERM || error.code == EROFS || error.code == ENOENT ||
            error.code == ENOTDIR);
}

}  // namespace

std::string LogFileName(DateValue now) {
    return IntText(DatePart(now, kYear)) + IntText(DatePart(now, kMonth)) + IntText(DatePart(now, kDay)) +
           IntText(DatePart(now, kHour)) + ".txt";
}

std::string UserLogFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') return std::string(dataHome) + "/vorlith";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/share/vorlith";
}

OperationLog::OperationLog(std::string folder) : folder_(std::move(folder)), lastInsertion_(CurrentSeconds()) {}

OperationLog::~OperationLog() { Flush(); }

platform::Outcome OperationLog::WriteLogLine(const std::string& message) {
    // One reading of the clock names both the file and the line, so a line
    // never lands in the file of another hour than its own stamp says.
    const std::int64_t now = CurrentSeconds();
    if (now != stampSeconds_) {
        const DateValue local = LocalTimeValue(now);
        stampSeconds_ = now;
        stampFileName_ = LogFileName(local);
        stampText_ = DateText(local);
    }
    platform::Outcome result;
    if (!pending_.empty() && stampFileName_ != pendingFileName_) result = InsertPending();
    pendingFileName_ = stampFileName_;
    std::string line;
    line.reserve(stampText_.size() + message.size() + 5);
    line.append(stampText_).append("   ").append(message).append("\r\n");
    pending_.push_back(std::move(line));
    if (now - lastInsertion_ >= 1) {
        auto error = InsertPending();
        if (!result) result = std::move(error);
    }
    return result;
}

platform::Outcome OperationLog::Flush() { return pending_.empty() ? std::nullopt : InsertPending(); }

platform::Outcome OperationLog::InsertPending() {
    std::string block;
    size_t size = 0;
    for (const auto& line : pending_) size += line.size();
    block.reserve(size);
    for (auto it = pending_.rbegin(); it != pending_.rend(); ++it) block += *it;
    pending_.clear();
    lastInsertion_ = CurrentSeconds();

    auto error = platform::InsertAtFileStart(folder_ + "/" + pendingFileName_, block);
    if (error && IsFolderProblem(*error)) {
        std::string fallback = UserLogFolder();
        if (fallback != folder_ && !platform::MakeFolders(fallback)) {
            folder_ = std::move(fallback);
            error = platform::InsertAtFileStart(folder_ + "/" + pendingFileName_, block);
        }
    }
    return error;
}

}  // namespace vorlith
