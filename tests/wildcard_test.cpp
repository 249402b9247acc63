#include "platform/wildcard.h"

#include <gtest/gtest.h>

namespace vorlith::platform {
namespace {

TEST(WildcardMatch, Table) {
    struct Case {
        const char* pattern;
        const char* name;
        bool match;
    };
    const Case cases[] = {
        {"*.JPG", "a.jpg", true},
        {"*.JPG", "B.JPG", true},
        {"*.JPG", "c.Jpg", true},
        {"*.JPG", "a.jpeg", false},
        {"*.JPG", "jpg", false},
        {"*.JPG", ".jpg", true},
        {"*.JPG", "x.jpg.bak", false},
        {"*.JPG", "x.bak.jpg", true},
        {"*..png", "a..png", true},
        {"*..png", "a.png", false},
        {"*.*", "noext", true},
        {"*.*", ".", true},
        {"*.3GP", "v.3gp", true},
        {"*.a?c", "x.abc", true},
        {"*.年", "照片.年", true},
        {"*.JPG", "\xff\xfe.jpg", true},
    };
    for (const auto& c : cases) EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

}  // namespace
}  // namespace vorlith::platform
