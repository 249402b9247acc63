// The command line's arguments, turned into option values.
#pragma once

#include <string>
#include <variant>

#include "fixed_options.h"

namespace vorlith::cli {

struct JobRequest {
    FixedOptions options;   // source and destination already absolute
    std::string logFolder;  // empty: the program folder
};

struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
    std::string message;
};

using ParsedArguments = std::variant<JobRequest, ShowHelp, ShowVersion, UsageError>;

// Parses argv; relative folders resolve against `currentDirectory`. Checks
// the arguments only, not the folders they name.
ParsedArguments ParseArguments(int argc, const char* const* argv, const std::string& currentDirectory);

extern const char* const kUsage;

}  // namespace vorlith::cli
