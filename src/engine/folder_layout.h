// The dated folder levels of a file and their creation under the destination.
#pragma once

#include <string>

#include "date_value.h"
#include "job_context.h"
#include "platform/platform.h"

namespace vorlith {

// Sets FolderLevel1..3 from the chosen layout and the year, month and day of
// `fileDate` (the file's FileWriteTime): layout 0 gives "2014年/" "12月/"
// "29日/", layout 5 gives "2014/" "" "".
void SetFolderLevels(JobContext& job, DateValue fileDate);

// destination + "/" + the levels in use, each ending in "/".
std::string LevelFolderPath(JobContext& job);

// Creates the level folders from the top down under the destination, which
// itself is never created. A level that exists already is fine; any other
// failure is returned (the placement into it then fails with that reason).
platform::Outcome CreateLevelFolders(JobContext& job);

}  // namespace vorlith
