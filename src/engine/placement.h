// Placing one named file into its dated folder, with its row, caption and
// log line.
#pragma once

#include <optional>
#include <string>

#include "job_context.h"
#include "platform/platform.h"

namespace vorlith {

// destination + "/" + levels + TargetFileName.
std::string TargetPath(JobContext& job);
// The same folder, "(1)" + TargetFileName.
std::string AlternateTargetPath(JobContext& job);

// Copies or moves the file at `sourcePath` to its TargetPath, as the copy or
// move and overwrite or rename options read now; reports it in a new row
// and the caption and logs it. In rename mode an existing file is never
// replaced: the file takes the first free name of "(1)", "(2)", ... +
// TargetFileName. A file that already lies at its target or one of its
// alternatives stays where it is. `sourceId` is the source's identity, when
// it could be looked up. `blockedBy` is why the file can't be placed at all
// (its level folders couldn't be made, or it is gone); the placement then
// fails with that reason without being tried.
void PlaceFile(JobContext& job, const std::string& sourcePath, const std::optional<platform::FileId>& sourceId,
               Driver driver, const platform::Outcome& blockedBy);

}  // namespace vorlith
