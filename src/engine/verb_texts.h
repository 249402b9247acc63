// The verb texts that open each log message.
#pragma once

#include <string>

#include "job_context.h"

namespace vorlith {

enum class Transfer { Copy, Move };
enum class CollisionMode { Overwrite, Rename };

// The verb, a full-width colon and the blanks the log format has always had
// for this case (one, except a recursive copy to an alternative name, which
// has none, and a flat move in rename mode to a free target, which has two).
std::string VerbText(Transfer transfer, CollisionMode collision, bool targetExisted, Driver driver);

// The verb of a failed placement, followed by one blank.
std::string FailureVerbText(Transfer transfer);

}  // namespace vorlith
