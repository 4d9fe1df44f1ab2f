#pragma once

#include "users/LessonProgress.h"
#include "users/UserLoadResult.h"
#include "users/UserSaveResult.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The logged-in user (name, password, keyboard, lesson set, options line, details and
// one progress record per lesson reached) and the names of all known users. Each user
// has a data file <name>.dat and a details file <name>.dit, both line files, in the
// users folder and, as a backup, in the diskette folder.
//
// No operation shows a message; results read as bool (those of loading and saving also
// say what failed) and callers decide.
class UserProfile
{
public:
    UserProfile();
    // Saves a changed user into the users folder (none when no name is set).
    ~UserProfile();
    UserProfile(const UserProfile&) = delete;
    UserProfile& operator=(const UserProfile&) = delete;

    // Names that may become file names: 1 to 49 characters, each a letter A-Z or a-z, a
    // digit or a blank (what the login dialog lets through). Everything else, path
    // separators, dots and control characters included, is refused.
    static bool IsValidUserName(const std::string& name);
    // The users folder (ProgramPaths::UsersFolder) with a trailing '/', or empty if unknown.
    static std::string UsersFolder();

    // Rebuilds the user names from the files matching `pattern` ("<folder>/*.dat"): the
    // name is a file name up to its first '.'. False when nothing matches.
    bool ScanUsers(const std::string& pattern);
    // Makes `name` the current user, read from the users folder or from the diskette
    // folder; nothing is copied. False when the name is not among the scanned names, the
    // data file cannot be read or its first line is another name; the name is kept anyway
    // (a new account starts from there).
    // A known user whose data file is there but does not load is reported as damaged.
    // A keyboard id or lesson set that could lead out of the program folder
    // (IsSafeFileName) leaves both empty, as for a user without a course.
    UserLoadResult LoadUser(const std::string& name, bool fromDiskette);
    // Copies a data file that does not load, and the details file beside it, to
    // <file>.damaged (.damaged.1, .damaged.2 ... when taken by another copy), so that
    // nothing can replace the only copy. True when both are kept (or the details file is
    // missing); a file already kept with the same bytes is not copied again.
    static bool KeepDamagedCopies(const std::string& dataPath);
    // Writes `pathPrefix`.dat and `pathPrefix`.dit (pathPrefix: folder + user name) when
    // the user changed or `force` is set. On failure, of either file, the result names the
    // file and the reason; the files not written stay as they were and the user stays
    // marked as changed, to be written at the next save.
    UserSaveResult SaveUser(const std::string& pathPrefix, bool force);
    // Copies both files of `name` from the diskette folder into the users folder, the data
    // file first; true when it was copied (a failure then changes no local file). Marks
    // the user as coming from the diskette. The login calls it once the password matched.
    bool CopyFromDiskette(const std::string& name);
    // Saves the user locally if changed, then both files into the diskette folder
    // (created when missing). False when the data file could not be written there.
    bool SaveToDiskette(const std::string& name);

    // Stores a hash of `text` as the password and marks the user changed. False (and
    // nothing changes) when hashing fails.
    bool SetPassword(const std::string& text);
    // Whether `text` is the user's password. A plain password from an older data file
    // that matches is replaced by its hash, to be written at the next save.
    bool CheckPassword(const std::string& text);
    void AddUserName(const std::string& name);
    void SetSettingsLine(const std::string& text);
    // Plain assignments by the first-run wizard; they do not mark the user changed.
    void SetKeyboardId(const std::string& text);
    void SetLessonSet(const std::string& text);

    // Folds one exercise into the progress of `lessonIndex`: a record is appended when the
    // index is not below the count, and the result dropped if it is still out of reach.
    // The lowest error rate among completed results is kept, ties to the higher speed.
    void RecordResult(int lessonIndex, std::int64_t date, double errorRate, int speed, int seconds);
    // Appends `n` new records (after a passed qualification test).
    void AddEmptyRecords(int n);

    int ProgressCount() const { return static_cast<int>(m_progress.size()); }
    // The record of a lesson, or null when the lesson has none.
    const LessonProgress* Progress(int lessonIndex) const;
    // 0 to 4 from the error rate against `errorLimit` (percent), 5 without a completed
    // result; 0 also when the lesson has no record.
    int ProgressIcon(int lessonIndex, double errorLimit) const;
    // Texts for the lesson list; empty when the lesson has no record.
    std::string DateText(int lessonIndex) const;
    std::string TotalTimeText(int lessonIndex) const;
    std::string SpeedText(int lessonIndex) const;
    std::string ErrorRateText(int lessonIndex) const;
    std::string AttemptsText(int lessonIndex) const;

    const std::string& Name() const { return m_name; }
    // The stored form: a hash, or the plain password of an older data file.
    const std::string& Password() const { return m_password; }
    const std::string& KeyboardId() const { return m_keyboardId; }
    const std::string& LessonSet() const { return m_lessonSet; }
    const std::string& SettingsLine() const { return m_settingsLine; }
    const std::vector<std::string>& UserNames() const { return m_userNames; }
    int NewestUserIndex() const { return m_newestUserIndex; }
    bool FromDiskette() const { return m_fromDiskette; }
    bool IsDirty() const { return m_dirty; }
    // The user information dialog calls this after changing the details.
    void SetDirty() { m_dirty = true; }

    // User details, free text in the file's encoding.
    std::string firstName;
    std::string lastName;
    std::string birthDate;
    std::string email;
    std::string city;
    std::string country;

    // More records than any course has lessons; guards memory against damaged input.
    static constexpr int kMaxProgressRecords = 10000;

private:
    void ClearUser();
    UserSaveResult SaveFailed(const std::string& pathPrefix, const char* extension,
                              const std::string& reason);
    bool FindUserName(const std::string& name, std::string& listed) const;

    std::string m_password;
    std::string m_name;
    std::string m_keyboardId;
    std::string m_lessonSet;
    std::vector<LessonProgress> m_progress;
    bool m_dirty = false;
    bool m_fromDiskette = false;
    std::vector<std::string> m_userNames;
    int m_newestUserIndex = -1;
    std::string m_settingsLine;
    // The path prefix of the last save that failed, until a save there succeeds.
    std::string m_failedSavePrefix;
};
