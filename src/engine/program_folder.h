// The folder of the running executable.
#pragma once

#include <string>

namespace vorlith {

// The executable's full path up to, not including, its last "/"; the empty
// text for an executable in "/". Log files go there.
std::string ProgramFolder();

}  // namespace vorlith
