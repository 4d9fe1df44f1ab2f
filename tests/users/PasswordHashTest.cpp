#include "users/PasswordHash.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// "geheim" hashed as the program writes it (once: hashing takes a while), its costs
// "m=...,t=...,p=..." replaced by `costs`.
std::string WithCosts(const std::string& costs)
{
    static const std::string own = PasswordHash::Hash("geheim");
    const size_t start = own.find("$m=") + 1;
    return own.substr(0, start) + costs + own.substr(own.find('$', start));
}

TEST(PasswordHash, OnlyTheProgramsOwnFormWithAffordableCostsIsComputed)
{
    const std::string own = WithCosts("m=65536,t=2,p=1");
    EXPECT_TRUE(PasswordHash::Matches(own, "geheim"));
    for (const char* costs : {"m=262144,t=2,p=1", "m=65536,t=8,p=1", "m=131072,t=4,p=1"})
        EXPECT_TRUE(PasswordHash::IsAcceptedHash(WithCosts(costs))) << costs;

    const std::string tail = own.substr(own.find("p=1$") + 3); // "$salt$hash"
    // Computed, the first two would take hours or four gigabytes: the test would not end.
    const std::vector<std::string> refused = {WithCosts("m=65536,t=4294967295,p=1"),
                                              WithCosts("m=4194304,t=2,p=1"),
                                              WithCosts("m=262145,t=2,p=1"),
                                              WithCosts("m=65536,t=9,p=1"),
                                              WithCosts("m=262144,t=8,p=1"),
                                              WithCosts("m=65536,t=2,p=2"),
                                              WithCosts("m=99999999999999999999,t=2,p=1"),
                                              WithCosts("m=065536,t=2,p=1"),
                                              WithCosts("m=+65536,t=2,p=1"),
                                              "$argon2i$v=19$m=32768,t=4,p=1" + tail,
                                              "$argon2id$v=16$m=65536,t=2,p=1" + tail,
                                              "$argon2id$v=19$m=65536,t=2,p=1$" + own.substr(own.rfind('$')),
                                              own + "=",
                                              own + std::string(1, '\0'),
                                              own + std::string(64, 'A'),
                                              "$argon2id$garbage"};
    for (const std::string& line : refused) {
        EXPECT_FALSE(PasswordHash::IsAcceptedHash(line)) << line;
        EXPECT_FALSE(PasswordHash::Matches(line, "geheim")) << line;
        EXPECT_FALSE(PasswordHash::Matches(line, line)) << line; // nor taken for a plain password
    }
    EXPECT_TRUE(PasswordHash::Matches("$geheim", "$geheim")); // a plain password of old
}

} // namespace
