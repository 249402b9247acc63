// Checks on the user's name parts before a job starts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "organizer_options.h"

namespace vorlith {

// True when `part` holds a character that would leave the target folder or
// that memory-card file systems refuse: / \ : * ? " < > | or a control byte.
bool HasUnsafeNameCharacters(std::string_view part);

// The refusal message when the prefix, or the custom extension while the
// custom item is selected, is unsafe; nullopt when both may be used.
std::optional<std::string> CheckNameParts(const OrganizerOptions& options);

}  // namespace vorlith
