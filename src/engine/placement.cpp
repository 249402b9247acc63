#include "placement.h"

#include <cerrno>
#include <optional>

#include "control_names.h"
#include "date_value.h"
#include "folder_layout.h"
#include "messages.h"
#include "verb_texts.h"

namespace vorlith {

namespace {

using platform::Collision;
using platform::Outcome;

// A mode holds when its button is checked and its partner is not; both are
// read at the moment of the test.
bool ModeHolds(const OrganizerOptions& options, std::string_view button, std::string_view partner) {
    return options.ReadChecked(std::string(button)) != 0 && options.ReadChecked(std::string(partner)) == 0;
}

std::optional<Transfer> ReadTransfer(const OrganizerOptions& options) {
    if (ModeHolds(options, controls::kCopy, controls::kMove)) return Transfer::Copy;
    if (ModeHolds(options, controls::kMove, controls::kCopy)) return Transfer::Move;
    return std::nullopt;
}

std::optional<CollisionMode> ReadCollision(const OrganizerOptions& options) {
    if (ModeHolds(options, controls::kOverwrite, controls::kRename)) return CollisionMode::Overwrite;
    if (ModeHolds(options, controls::kRename, controls::kOverwrite)) return CollisionMode::Rename;
    return std::nullopt;
}

// Candidate 0 is TargetPath, candidate k the alternative "(k)" + name.
std::string Candidate(const std::string& folder, const std::string& name, int k) {
    if (k == 0) return folder + name;
    return folder + "(" + IntText(k) + ")" + name;
}

struct Placement {
    std::string path;   // where the file went, or the path tried
    int candidate = 0;  // 0: TargetPath, k: the alternative "(k)"
    Outcome error;
    bool renamed = false;  // moved by a rename, so it is still the source's file
};

// Where the candidates stand: the first free one, or the one the source
// already lies at.
struct Survey {
    int firstFree = 0;
    std::optional<std::string> inPlace;
};

Survey SurveyCandidates(const std::optional<platform::FileId>& sourceId, const std::string& folder,
                        const std::string& name) {
    for (int k = 0;; ++k) {
        std::string candidate = Candidate(folder, name, k);
        const auto id = platform::IdentityOf(candidate);
        if (!id) return Survey{k, std::nullopt};
        if (sourceId && *id == *sourceId) return Survey{k, std::move(candidate)};
    }
}

Placement Transport(Transfer transfer, const std::string& sourcePath, const std::string& folder,
                    const std::string& name, int k, Collision collision) {
    Placement placed{Candidate(folder, name, k), k, std::nullopt, false};
    if (transfer == Transfer::Copy) {
        placed.error = platform::CopyFile(sourcePath, placed.path, collision);
    } else {
        bool viaCopy = false;
        placed.error = platform::MoveFile(sourcePath, placed.path, collision, &viaCopy);
        placed.renamed = !viaCopy;
    }
    return placed;
}

Placement Place(const std::string& sourcePath, const std::string& folder, const std::string& name, Transfer transfer,
                CollisionMode collision, int firstFree) {
    if (collision == CollisionMode::Overwrite) return Transport(transfer, sourcePath, folder, name, 0, Collision::Replace);
    // Rename mode: a name that turns up taken between the survey and the
    // placement is skipped, never replaced.
    for (int k = firstFree;; ++k) {
        Placement placed = Transport(transfer, sourcePath, folder, name, k, Collision::NoReplace);
        const bool taken = placed.error && placed.error->code == EEXIST && placed.error->path == placed.path;
        if (!taken || k >= 1000000) return placed;
    }
}

std::string FailureReason(const platform::SysError& error, const std::string& tried) {
    if (error.path.empty() || error.path == tried) return error.Reason();
    return error.Reason() + ": " + error.path;
}

void Report(JobContext& job, const std::string& cell) {
    const int n = job.host.RowCount() + 1;
    job.host.AppendRow(IntText(n) + std::string(messages::kUnit), cell);
    job.host.ScrollToRow(n - 1);
    job.host.SetCaption(std::string(messages::kCaptionPrefix) + IntText(n) + std::string(messages::kUnit));
}

void Log(JobContext& job, const std::string& message) {
    auto error = job.log.WriteLogLine(message);
    if (error && !job.tally.logError) job.tally.logError = std::move(error);
}

}  // namespace

std::string TargetPath(JobContext& job) { return LevelFolderPath(job) + job.texts.TargetFileName; }

std::string AlternateTargetPath(JobContext& job) { return Candidate(LevelFolderPath(job), job.texts.TargetFileName, 1); }

void PlaceFile(JobContext& job, const std::string& sourcePath, const std::optional<platform::FileId>& sourceId,
               Driver driver, const Outcome& blockedBy) {
    const std::string folder = LevelFolderPath(job);
    const std::string& name = job.texts.TargetFileName;
    const auto transfer = ReadTransfer(job.options);
    const auto collision = ReadCollision(job.options);
    if (!transfer || !collision) {
        ++job.tally.failed;
        Report(job, folder + name + std::string(messages::kFailedOpen) + "未选择复制或移动、覆盖或重命名" +
                        std::string(messages::kFailedClose));
        return;
    }
    const Survey survey = SurveyCandidates(sourceId, folder, name);
    if (survey.inPlace) {
        Report(job, sourcePath + std::string(messages::kAlreadyInPlace));
        return;
    }
    const Placement placed = blockedBy ? Placement{Candidate(folder, name, 0), 0, blockedBy, false}
                                       : Place(sourcePath, folder, name, *transfer, *collision, survey.firstFree);
    if (placed.error) {
        ++job.tally.failed;
        const std::string reason = FailureReason(*placed.error, placed.path);
        Report(job, placed.path + std::string(messages::kFailedOpen) + reason + std::string(messages::kFailedClose));
        Log(job, FailureVerbText(*transfer) + sourcePath + std::string(messages::kArrow) + placed.path + " （" +
                     reason + "）");
        return;
    }
    const auto placedId = placed.renamed ? sourceId : platform::IdentityOf(placed.path);
    if (placedId) job.tally.placed.insert(*placedId);
    Report(job, placed.path);
    Log(job, VerbText(*transfer, *collision, placed.candidate > 0, driver) + sourcePath +
                 std::string(messages::kArrow) + placed.path);
}

}  // namespace vorlith
