// The user files <name>.dat and <name>.dit (one input, the two parts cut by the
// separator line; without one both files get the whole input). What loads must save,
// load again to the same user and save again to the same files.
#include "exercise/LineFile.h"
#include "fuzz/FuzzSupport.h"
#include "users/UserProfile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::string kName = "Fuzz";

bool LoadFromUsers(UserProfile& profile)
{
    profile.ScanUsers(UserProfile::UsersFolder() + "*.dat");
    return profile.LoadUser(kName, false);
}

bool SameUser(const UserProfile& a, const UserProfile& b)
{
    return a.Name() == b.Name() && a.Password() == b.Password() && a.KeyboardId() == b.KeyboardId() &&
           a.LessonSet() == b.LessonSet() && a.SettingsLine() == b.SettingsLine() &&
           a.ProgressCount() == b.ProgressCount() && a.firstName == b.firstName && a.lastName == b.lastName &&
           a.birthDate == b.birthDate && a.email == b.email && a.city == b.city && a.country == b.country;
}

std::vector<std::string> LinesOf(const std::string& path)
{
    LineFile file;
    fuzz::Check(file.LoadLines(path), "a saved user file cannot be read");
    return file.Lines();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string_view> parts =
        fuzz::SplitParts(std::string_view(reinterpret_cast<const char*>(data), size), 2);
    const std::string prefix = fuzz::FolderFile("users", kName);
    fuzz::WritePackedFile(prefix + ".dat", parts.front());
    fuzz::WritePackedFile(prefix + ".dit", parts.back());

    UserProfile loaded;
    if (!LoadFromUsers(loaded)) {
        return 0;
    }
    for (int lesson = -1; lesson <= loaded.ProgressCount(); ++lesson) {
        loaded.Progress(lesson);
        loaded.ProgressIcon(lesson, 5.0);
        loaded.DateText(lesson);
        loaded.TotalTimeText(lesson);
        loaded.SpeedText(lesson);
        loaded.ErrorRateText(lesson);
        loaded.AttemptsText(lesson);
    }

    fuzz::Check(loaded.SaveUser(prefix, true), "a loaded user cannot be saved");
    const std::vector<std::string> saved = LinesOf(prefix + ".dat");
    const std::vector<std::string> savedDetails = LinesOf(prefix + ".dit");
    UserProfile reloaded;
    fuzz::Check(LoadFromUsers(reloaded), "a saved user does not load");
    fuzz::Check(SameUser(loaded, reloaded), "a saved user loads as another user");
    fuzz::Check(reloaded.SaveUser(prefix, true), "a reloaded user cannot be saved");
    fuzz::Check(LinesOf(prefix + ".dat") == saved && LinesOf(prefix + ".dit") == savedDetails,
                "saving a reloaded user changes the files");
    return 0;
}
