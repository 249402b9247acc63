// Letter case as the engine compares it: ASCII letters only, so the bytes of
// other characters (UTF-8 or not) are never changed.
#pragma once

#include <string_view>

namespace vorlith {

constexpr char FoldAsciiCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i])) return false;
    return true;
}

}  // namespace vorlith
