// The platform's wildcard rules for folder enumeration.
#pragma once

#include <string_view>

namespace vorlith::platform {

// True when `name` matches `pattern`: "*" stands for any run of bytes, "?"
// for one byte, ASCII letters match regardless of case, and "*.*" matches
// every name, with or without a dot.
bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace vorlith::platform
