#include "users/LoginRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LoginRules, NamesKeepOnlyPlainLettersDigitsAndBlanks)
{
    const struct
    {
        std::string typed;
        std::string cleaned;
    } cases[] = {
        {"Anna Maria 2", "Anna Maria 2"},
        {"J\xFCrgen", "Jrgen"},   // ü of Windows-1250
        {"\x8Aime\x9A", "ime"},   // Š and š
        {"../x\\y.dat", "xydat"}, // nothing of a path survives
        {"Tab\tNew\nZero" + std::string(1, '\0'), "TabNewZero"},
        {"@[`{/:", ""}, // the neighbours of the allowed ranges
        {"AZaz09", "AZaz09"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoginRules::CleanName(c.typed), c.cleaned) << c.typed;
}

TEST(LoginRules, NamesNeedTwoCharactersBeforeTheStoreIsAsked)
{
    using P = LoginRules::NameProblem;
    EXPECT_EQ(LoginRules::CheckName(""), P::TooShort);
    EXPECT_EQ(LoginRules::CheckName("A"), P::TooShort);
    EXPECT_EQ(LoginRules::CheckName("Al"), P::None);
    EXPECT_EQ(LoginRules::CheckName(std::string(49, 'a')), P::None);
    // Too short is told first, even for a character the store refuses.
    EXPECT_EQ(LoginRules::CheckName("."), P::TooShort);
    EXPECT_EQ(LoginRules::CheckName(".."), P::NotAllowed);
    EXPECT_EQ(LoginRules::CheckName(std::string(50, 'a')), P::NotAllowed);
}

TEST(LoginRules, ADamagedFileIsNeitherAUserNorANewAccount)
{
    using A = LoginRules::Account;
    EXPECT_EQ(LoginRules::AccountOf(UserLoadResult{true, false, "a.dat"}), A::Existing);
    EXPECT_EQ(LoginRules::AccountOf(UserLoadResult{false, false, ""}), A::New);
    EXPECT_EQ(LoginRules::AccountOf(UserLoadResult{false, true, "a.dat"}), A::Damaged);
    EXPECT_EQ(LoginRules::AccountOf(UserLoadResult{true, true, "a.dat"}), A::Damaged);
}

TEST(LoginRules, ANewPasswordNeedsFourCharactersTypedTwice)
{
    using N = LoginRules::NewPassword;
    const struct
    {
        std::string password;
        std::string confirmation;
        N expected;
    } cases[] = {
        {"abcd", "abcd", N::Create},  {"abcd", "", N::Confirm},     // the first submission: not yet confirmed
        {"abcd", "abce", N::Confirm}, {"abcd", "ABCD", N::Confirm}, // case counts
        {"abc", "abc", N::TooShort},                                // typed twice, still too short
        {"abc", "", N::TooShort},     {"", "", N::TooShort},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoginRules::CheckNewPassword(c.password, c.confirmation), c.expected)
            << c.password << " / " << c.confirmation;
}

} // namespace
