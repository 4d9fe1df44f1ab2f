#include "users/PasswordHash.h"

#include <gtest/gtest.h>
#include <sodium.h>
#include <vector>

namespace {

// A hash line of "geheim" as the program writes it (hashing takes a while: once only).
const std::string& Own()
{
    static const std::string own = PasswordHash::Hash("geheim");
    return own;
}

// Own() with its costs replaced by `costs`.
std::string WithCosts(const std::string& costs)
{
    const std::string& own = Own();
    const size_t start = own.find("$m=") + 1;
    return own.substr(0, start) + costs + own.substr(own.find('$', start));
}

TEST(PasswordHash, OnlyTheProgramsOwnFormWithAffordableCostsIsAccepted)
{
    const std::string& own = Own();
    ASSERT_TRUE(own.starts_with("$argon2id$v=19$m=65536,t=2,p=1$"));
    EXPECT_TRUE(PasswordHash::IsAcceptedHash(own));
    // Up to four times the memory, the passes or both together.
    for (const char* costs : {"m=262144,t=2,p=1", "m=65536,t=8,p=1", "m=131072,t=4,p=1"})
        EXPECT_TRUE(PasswordHash::IsAcceptedHash(WithCosts(costs))) << costs;

    const std::string tail = own.substr(own.find("p=1$") + 3); // "$salt$hash"
    const std::vector<std::string> refused = {WithCosts("m=65536,t=4294967295,p=1"),
                                              WithCosts("m=4194304,t=2,p=1"),
                                              WithCosts("m=262145,t=2,p=1"),
                                              WithCosts("m=65536,t=9,p=1"),
                                              WithCosts("m=65536,t=2,p=2"),
                                              WithCosts("m=262144,t=8,p=1"),
                                              WithCosts("m=131073,t=4,p=1"),
                                              WithCosts("m=99999999999999999999,t=2,p=1"),
                                              WithCosts("m=065536,t=2,p=1"),
                                              WithCosts("m=+65536,t=2,p=1"),
                                              WithCosts("m=65536,t=,p=1"),
                                              WithCosts("t=2,m=65536,p=1"),
                                              "$argon2i$v=19$m=32768,t=4,p=1" + tail,
                                              "$argon2id$v=16$m=65536,t=2,p=1" + tail,
                                              "$argon2id$m=65536,t=2,p=1" + tail,
                                              "$argon2id$v=19$m=65536,t=2,p=1$" +
                                                  own.substr(own.rfind('$')), // no salt
                                              own + "=",
                                              own + "$",
                                              own + std::string(1, '\0'),
                                              own + std::string(64, 'A'),
                                              "$argon2id$",
                                              "$argon2id$v=19$m=65536,t=2,p=1$%%%$%%%"};
    for (const std::string& bad : refused)
        EXPECT_FALSE(PasswordHash::IsAcceptedHash(bad)) << bad;
}

TEST(PasswordHash, HostileHashLinesAreRefusedWithoutBeingComputed)
{
    ASSERT_GE(sodium_init(), 0);
    char otherAlgorithm[crypto_pwhash_STRBYTES];
    ASSERT_EQ(crypto_pwhash_argon2i_str(otherAlgorithm, "geheim", 6,
                                        crypto_pwhash_argon2i_OPSLIMIT_INTERACTIVE,
                                        crypto_pwhash_argon2i_MEMLIMIT_INTERACTIVE),
              0);
    // Computed, the first would take hours and the second four gigabytes: the test would
    // not end in time.
    const std::vector<std::string> hostileLines = {WithCosts("m=65536,t=4294967295,p=1"),
                                                   WithCosts("m=4194304,t=2,p=1"), otherAlgorithm,
                                                   "$argon2id$garbage"};
    for (const std::string& hostile : hostileLines) {
        EXPECT_TRUE(PasswordHash::IsHash(hostile)) << hostile;
        EXPECT_FALSE(PasswordHash::Matches(hostile, "geheim")) << hostile;
        EXPECT_FALSE(PasswordHash::Matches(hostile, hostile)) << hostile; // no plain password either
    }
    EXPECT_TRUE(PasswordHash::Matches(Own(), "geheim"));
    EXPECT_TRUE(PasswordHash::Matches("$geheim", "$geheim")); // a plain password of old
}

} // namespace
