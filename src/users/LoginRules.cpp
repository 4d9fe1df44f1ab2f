#include "users/LoginRules.h"

#include "users/UserProfile.h"

bool LoginRules::IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ';
}

std::string LoginRules::CleanName(const std::string& name)
{
    std::string cleaned;
    for (const char c : name) {
        if (IsNameCharacter(c))
            cleaned += c;
    }
    return cleaned;
}

LoginRules::NameProblem LoginRules::CheckName(const std::string& name)
{
    if (name.size() < kMinNameLength)
        return NameProblem::TooShort;
    // The cleaning lets only such names through; the store refuses any other.
    if (!UserProfile::IsValidUserName(name))
        return NameProblem::NotAllowed;
    return NameProblem::None;
}

LoginRules::Account LoginRules::AccountOf(const UserLoadResult& loaded)
{
    if (loaded.damaged)
        return Account::Damaged;
    return loaded ? Account::Existing : Account::New;
}

LoginRules::NewPassword LoginRules::CheckNewPassword(const std::string& password,
                                                     const std::string& confirmation)
{
    if (password == confirmation && password.size() >= kMinPasswordLength)
        return NewPassword::Create;
    if (password.size() < kMinPasswordLength)
        return NewPassword::TooShort;
    return NewPassword::Confirm;
}
