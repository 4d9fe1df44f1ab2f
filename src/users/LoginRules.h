#pragma once

#include "users/UserLoadResult.h"

#include <cstddef>
#include <string>

// The account rules of the login: which names and passwords are taken and what a
// submitted name is. Texts are Windows-1250 bytes; the dialog only shows the outcome.
class LoginRules
{
public:
    static constexpr std::size_t kMinNameLength = 2;
    static constexpr std::size_t kMinPasswordLength = 4;

    // Plain letters A-Z and a-z, digits and the blank: what a user name may hold.
    static bool IsNameCharacter(char c);
    // `name` without every character a user name may not hold.
    static std::string CleanName(const std::string& name);

    enum class NameProblem
    {
        None,
        // Shorter than two characters (message 141).
        TooShort,
        // Not a name the user store takes (message 507).
        NotAllowed
    };
    // Checked in this order, after the name has been cleaned.
    static NameProblem CheckName(const std::string& name);

    enum class Account
    {
        Existing,
        // Unknown: the name becomes a new account.
        New,
        // The file is there but does not load; it must not give way to a new account.
        Damaged
    };
    static Account AccountOf(const UserLoadResult& loaded);

    enum class NewPassword
    {
        // Typed twice and long enough: the account is created.
        Create,
        // Shorter than four characters (message 140).
        TooShort,
        // Not yet confirmed, or the two differ (message 139 and the confirmation field).
        Confirm
    };
    static NewPassword CheckNewPassword(const std::string& password, const std::string& confirmation);
};
