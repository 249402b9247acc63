#include "scan_drivers.h"

#include <cerrno>

#include "control_names.h"
#include "date_value.h"
#include "folder_enumeration.h"
#include "folder_layout.h"
#include "messages.h"
#include "naming.h"
#include "placement.h"

namespace vorlith {

namespace {

void NoteFolderError(JobContext& job, const FolderEnumeration& listing) {
    if (listing.Error()) job.tally.folderErrors.push_back(*listing.Error());
}

// Runs ProcessFile on every matching file of `folder` (ending in "/").
void FilePass(JobContext& job, FolderEnumeration& listing, const std::string& folder, Driver driver) {
    for (auto entry = listing.First(folder + "*." + job.texts.ExtensionText, EntryFilter::Files); entry;
         entry = listing.Next()) {
        job.host.PumpEvents();
        if (job.host.StopRequested()) {
            job.tally.stopped = true;
            break;
        }
        ProcessFile(job, folder + entry->name, driver);
    }
    NoteFolderError(job, listing);
}

void WalkFolder(JobContext& job, std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    job.texts.ExtensionText = ChooseExtension(job.options);
    FolderEnumeration listing;
    FilePass(job, listing, folder, Driver::RecursiveWalk);
    if (job.tally.stopped || listing.Error()) return;  // an unreadable folder is reported once
    for (auto entry = listing.First(folder + "*.*", EntryFilter::Folders); entry; entry = listing.Next()) {
        if (entry->name == "." || entry->name == ".." || entry->isLink) continue;
        WalkFolder(job, folder + entry->name);
        if (job.tally.stopped) break;
    }
    NoteFolderError(job, listing);
    listing.Close();
}

void FlushLog(JobContext& job) {
    auto error = job.log.Flush();
    if (error && !job.tally.logError) job.tally.logError = std::move(error);
}

bool HadProblems(const JobTally& tally) {
    return tally.failed > 0 || !tally.folderErrors.empty() || tally.logError;
}

// The count of rows, and whatever went wrong, so that it reaches the user
// also where the only channel is the prompt.
std::string CompletionMessage(JobContext& job) {
    const JobTally& tally = job.tally;
    std::string message = std::string(messages::kCompletedPrefix) + IntText(job.host.RowCount());
    if (tally.failed > 0) message += std::string(messages::kCompletedFailedInfix) + IntText(tally.failed);
    message += messages::kUnit;
    if (!tally.folderErrors.empty())
        message += "，" + IntText(static_cast<std::int32_t>(tally.folderErrors.size())) +
                   std::string(messages::kFoldersUnreadable);
    if (tally.logError) message += messages::kLogFailed;
    return message;
}

}  // namespace

std::string ChooseExtension(const OrganizerOptions& options) {
    const std::string extensionControl(controls::kExtension);
    const int index = options.ReadSelectedIndex(extensionControl);
    if (index == controls::kCustomExtensionIndex) return options.ReadText(std::string(controls::kCustomExtension));
    return options.ReadItemText(extensionControl, index);
}

void ProcessFile(JobContext& job, const std::string& sourcePath, Driver driver) {
    // A file this job has placed is met again when the destination lies
    // inside the source; handling it twice could only harm it.
    const auto facts = platform::Inspect(sourcePath);
    const int lookupError = errno;
    if (facts && job.tally.placed.contains(facts->id)) return;
    // One look-up serves the name and every folder level of the file.
    const DateValue fileDate = facts ? LocalTimeValue(facts->mtime) : EarliestDate;
    NameFile(job, fileDate);
    SetFolderLevels(job, fileDate);
    // A file gone since the listing fails as itself; no dated folders are
    // made for it.
    const platform::Outcome blockedBy =
        facts ? CreateLevelFolders(job) : platform::Outcome(platform::SysError{"stat", sourcePath, lookupError});
    PlaceFile(job, sourcePath, facts ? std::optional(facts->id) : std::nullopt, driver, blockedBy);
}

void FlatScan(JobContext& job) {
    const std::string folder = job.options.ReadText(std::string(controls::kSourceFolder)) + "/";
    job.texts.ExtensionText = ChooseExtension(job.options);
    FolderEnumeration listing;
    FilePass(job, listing, folder, Driver::FlatScan);
    FlushLog(job);
    if (!job.tally.stopped) {
        if (HadProblems(job.tally)) job.host.ShowPrompt(CompletionMessage(job));
        job.host.SetCaption(std::string(messages::kDone));
    }
    listing.Close();
}

void RecursiveWalk(JobContext& job, const std::string& folder) {
    WalkFolder(job, folder);
    FlushLog(job);
    if (!job.tally.stopped) {
        job.host.ShowPrompt(CompletionMessage(job));
        job.host.SetCaption(std::string(messages::kDone));
    }
}

void RunChosenDriver(JobContext& job) {
    if (job.options.ReadChecked(std::string(controls::kSubfoldersNo))) {
        FlatScan(job);
    } else if (job.options.ReadChecked(std::string(controls::kSubfoldersYes))) {
        std::string folder = job.options.ReadText(std::string(controls::kSourceFolder));
        if (folder.empty() || folder.back() != '/') folder += '/';
        RecursiveWalk(job, folder);
    }
}

}  // namespace vorlith
