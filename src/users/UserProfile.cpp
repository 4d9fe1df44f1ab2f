#include "users/UserProfile.h"

#include "exercise/DataFields.h"
#include "exercise/LineFile.h"
#include "resources/ProgramPaths.h"
#include "resources/StringTable.h"
#include "resources/TextCodec.h"
#include "users/DisketteFolder.h"
#include "users/FileCopy.h"
#include "users/PasswordHash.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fnmatch.h>
#include <fstream>
#include <sys/stat.h>

namespace {

constexpr int kKeyboardIdText = 600;
constexpr size_t kMaxUserNameLength = 49;

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

// Numbers in the data file and on screen always use '.', whatever the locale.
std::string FormatRate(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc())
        return "0.00";
    return std::string(buffer, result.ptr);
}

std::string ProgressLine(const LessonProgress& record)
{
    return std::to_string(record.date) + ':' + FormatRate(record.errorRate) + ':' +
           std::to_string(record.speed) + ':' + std::to_string(record.totalSeconds) + ':' +
           std::to_string(record.attempts) + ':';
}

bool ParseProgressLine(std::string line, LessonProgress& record)
{
    std::string date, rate, speed, total, attempts;
    if (!DataFields::TakeField(line, date) || !DataFields::TakeField(line, rate) ||
        !DataFields::TakeField(line, speed) || !DataFields::TakeField(line, total) ||
        !DataFields::TakeField(line, attempts))
        return false;
    record.date = DataFields::ToLong(date);
    record.errorRate = DataFields::ToReal(rate);
    record.speed = DataFields::ToInt(speed);
    record.totalSeconds = DataFields::ToLong(total);
    record.attempts = DataFields::ToInt(attempts);
    return true;
}

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? INT64_MAX : INT64_MIN;
    return sum;
}

// The folder part of a path prefix must exist as text and the file part must be a name
// that may become a file name.
bool IsSafePathPrefix(const std::string& prefix)
{
    const size_t slash = prefix.rfind('/');
    if (slash == std::string::npos)
        return false;
    return UserProfile::IsValidUserName(prefix.substr(slash + 1));
}

// The system's words at the end of a writer's fault ("cannot create ...: No space left on
// device"); the whole text when it has none.
std::string SystemReason(const std::string& fault)
{
    const size_t colon = fault.rfind(": ");
    return colon == std::string::npos ? fault : fault.substr(colon + 2);
}

// Whether `path` loads as the data file of `name`.
bool LoadsAsUser(const std::string& path, const std::string& name)
{
    LineFile file;
    return file.LoadLines(path) && SameNameIgnoringCase(file.LineAt(0), name);
}

bool SameBytes(const std::string& a, const std::string& b)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(a, ec);
    if (ec || std::filesystem::file_size(b, ec) != size || ec)
        return false;
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    char x[65536];
    char y[sizeof x];
    while (first && second) {
        first.read(x, sizeof x);
        second.read(y, sizeof y);
        if (first.gcount() != second.gcount() || !std::equal(x, x + first.gcount(), y))
            return false;
    }
    return first.eof() && second.eof();
}

constexpr int kMaxDamagedCopies = 1000;

// Copies `path` to <path>.damaged or the first free <path>.damaged.<n>; a copy with the
// same bytes kept before counts, so that a second failed login adds none.
bool KeepCopyAside(const std::string& path)
{
    for (int n = 0; n < kMaxDamagedCopies; ++n) {
        std::string copy = path + ".damaged";
        if (n > 0)
            copy.append(1, '.').append(std::to_string(n));
        std::error_code ec;
        const bool taken = std::filesystem::exists(copy, ec) || ec;
        if (!taken)
            return FileCopy::CopyAtomically(path, copy);
        if (SameBytes(path, copy))
            return true;
    }
    return false;
}

bool LaterThan(const timespec& a, const timespec& b)
{
    return a.tv_sec > b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec > b.tv_nsec);
}

} // namespace

UserProfile::UserProfile()
    : m_keyboardId(StringTable::Text(kKeyboardIdText))
    , m_lessonSet("_a")
{}

UserProfile::~UserProfile()
{
    try {
        // Nobody logged in: nothing to keep, and no name to keep it under.
        if (m_dirty && !m_name.empty() && !UsersFolder().empty())
            SaveUser(UsersFolder() + m_name, false);
    } catch (...) {
        // Nothing may escape a destructor; the user stays as last saved.
    }
}

bool UserProfile::IsValidUserName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxUserNameLength)
        return false;
    for (const char c : name) {
        const bool allowed =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ';
        if (!allowed)
            return false;
    }
    return true;
}

std::string UserProfile::UsersFolder()
{
    return ProgramPaths::UsersFolder();
}

bool UserProfile::ScanUsers(const std::string& pattern)
{
    m_userNames.clear();
    m_newestUserIndex = -1;

    const size_t slash = pattern.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : pattern.substr(0, slash + 1);
    const std::string filePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);

    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec)
        return false;
    bool matched = false;
    timespec newest{0, 0};
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        const std::string fileName = it->path().filename().string();
        if (::fnmatch(filePattern.c_str(), fileName.c_str(), 0) != 0)
            continue;
        matched = true;
        struct stat info
        {};
        if (::stat(it->path().c_str(), &info) != 0 || S_ISDIR(info.st_mode))
            continue;
        const std::string name = fileName.substr(0, fileName.find('.'));
        // A file whose name could never be loaded is not offered.
        if (!IsValidUserName(name))
            continue;
        if (LaterThan(info.st_mtim, newest)) {
            newest = info.st_mtim;
            m_newestUserIndex = static_cast<int>(m_userNames.size());
        }
        m_userNames.push_back(name);
    }
    return matched;
}

void UserProfile::ClearUser()
{
    m_progress.clear();
    m_password.clear();
    m_keyboardId.clear();
    m_lessonSet.clear();
    m_settingsLine.clear();
    firstName.clear();
    lastName.clear();
    birthDate.clear();
    email.clear();
    city.clear();
    country.clear();
}

bool UserProfile::FindUserName(const std::string& name, std::string& listed) const
{
    for (const std::string& candidate : m_userNames) {
        if (SameNameIgnoringCase(candidate, name)) {
            listed = candidate;
            return true;
        }
    }
    return false;
}

UserLoadResult UserProfile::LoadUser(const std::string& name, bool fromDiskette)
{
    ClearUser();
    m_name = name;
    m_failedSavePrefix.clear();
    UserLoadResult result;
    if (!IsValidUserName(name))
        return result;

    // File names are case-sensitive here: the listed spelling names the files, and it
    // becomes the user's name so that saving does not create a second pair of files.
    std::string listed;
    const bool known = FindUserName(name, listed);

    // The diskette's files are only read here: they may replace the local ones once the
    // password has been checked (CopyFromDiskette).
    const std::string folder = fromDiskette ? DisketteFolder::Path() : UsersFolder();
    if (!known || folder.empty())
        return result;
    m_name = listed;

    result.path = folder + listed + ".dat";
    LineFile file;
    if (!file.LoadLines(result.path) || !SameNameIgnoringCase(file.LineAt(0), listed)) {
        std::error_code ec;
        result.damaged = std::filesystem::exists(result.path, ec);
        // Nothing of that user is held: a save now would write an empty user over the file.
        if (result.damaged)
            m_dirty = false;
        return result;
    }
    m_password = file.LineAt(1);
    m_keyboardId = file.LineAt(2);
    m_lessonSet = file.LineAt(3);
    // Both name the lesson file (and the keyboard the keyboard file): a damaged name must
    // not lead out of the program folder. Together they are one course, so both are
    // dropped and the user gets the program's first course as an account without one.
    if (!IsSafeFileName(m_keyboardId) || !IsSafeFileName(m_lessonSet)) {
        m_keyboardId.clear();
        m_lessonSet.clear();
    }
    m_settingsLine = file.LineAt(4);
    for (int i = 5; i < file.LineCount() && ProgressCount() < kMaxProgressRecords; ++i) {
        LessonProgress record;
        if (!ParseProgressLine(file.LineAt(i), record))
            break;
        m_progress.push_back(record);
    }

    file.ClearLines();
    if (file.LoadLines(folder + listed + ".dit")) {
        firstName = file.LineAt(0);
        lastName = file.LineAt(1);
        birthDate = file.LineAt(2);
        email = file.LineAt(3);
        city = file.LineAt(4);
        country = file.LineAt(5);
    }
    result.loaded = true;
    return result;
}

bool UserProfile::KeepDamagedCopies(const std::string& dataPath)
{
    if (dataPath.size() < 4)
        return false;
    const std::string detailsPath = dataPath.substr(0, dataPath.size() - 4) + ".dit";
    std::error_code ec;
    const bool detailsKept = !std::filesystem::exists(detailsPath, ec) || KeepCopyAside(detailsPath);
    return KeepCopyAside(dataPath) && detailsKept;
}

UserSaveResult UserProfile::SaveUser(const std::string& pathPrefix, bool force)
{
    if (!m_dirty && !force)
        return {};
    if (!IsValidUserName(m_name) || !IsSafePathPrefix(pathPrefix))
        return SaveFailed(pathPrefix, ".dat", std::strerror(EINVAL));

    LineFile data;
    data.AddLine(m_name);
    data.AddLine(m_password);
    data.AddLine(m_keyboardId);
    data.AddLine(m_lessonSet);
    data.AddLine(m_settingsLine);
    for (const LessonProgress& record : m_progress)
        data.AddLine(ProgressLine(record));
    // The data file first: when it fails, both previous files stay as they were.
    if (!data.SaveLines(pathPrefix + ".dat"))
        return SaveFailed(pathPrefix, ".dat", SystemReason(data.SaveError()));

    LineFile details;
    for (const std::string* line : {&firstName, &lastName, &birthDate, &email, &city, &country})
        details.AddLine(*line);
    if (!details.SaveLines(pathPrefix + ".dit"))
        return SaveFailed(pathPrefix, ".dit", SystemReason(details.SaveError()));

    m_dirty = false;
    if (m_failedSavePrefix == pathPrefix)
        m_failedSavePrefix.clear();
    return {};
}

UserSaveResult UserProfile::SaveFailed(const std::string& pathPrefix, const char* extension,
                                       const std::string& reason)
{
    UserSaveResult result;
    result.saved = false;
    result.path = pathPrefix + extension;
    result.reason = reason;
    result.repeated = m_failedSavePrefix == pathPrefix;
    m_failedSavePrefix = pathPrefix;
    return result;
}

bool UserProfile::CopyFromDiskette(const std::string& name)
{
    m_fromDiskette = true;
    const std::string diskette = DisketteFolder::Path();
    const std::string users = UsersFolder();
    if (!IsValidUserName(name) || diskette.empty() || users.empty())
        return false;
    // Local files that do not load are the only copy of what they hold.
    std::error_code ec;
    const std::string local = users + name + ".dat";
    if (std::filesystem::exists(local, ec) && !LoadsAsUser(local, name) && !KeepDamagedCopies(local))
        return false;
    // The data file first: when it fails, the local files stay as they were.
    if (!FileCopy::CopyAtomically(diskette + name + ".dat", local))
        return false;
    FileCopy::CopyAtomically(diskette + name + ".dit", users + name + ".dit");
    return true;
}

bool UserProfile::SaveToDiskette(const std::string& name)
{
    const std::string diskette = DisketteFolder::Path();
    if (!diskette.empty()) {
        std::error_code ec;
        std::filesystem::create_directory(diskette, ec);
    }
    const bool savedHere = UsersFolder().empty() || SaveUser(UsersFolder() + name, false);
    m_fromDiskette = false;
    if (diskette.empty())
        return false;
    const bool savedThere = SaveUser(diskette + name, true);
    // The diskette's copy does not make up for the users folder's.
    if (!savedHere)
        m_dirty = true;
    return savedThere;
}

bool UserProfile::SetPassword(const std::string& text)
{
    std::string hash = PasswordHash::Hash(text);
    if (hash.empty())
        return false;
    m_password = std::move(hash);
    m_dirty = true;
    return true;
}

bool UserProfile::CheckPassword(const std::string& text)
{
    if (!PasswordHash::Matches(m_password, text))
        return false;
    if (!PasswordHash::IsHash(m_password))
        SetPassword(text);
    return true;
}

void UserProfile::AddUserName(const std::string& name)
{
    m_userNames.push_back(name);
}

void UserProfile::SetSettingsLine(const std::string& text)
{
    m_settingsLine = text;
    m_dirty = true;
}

void UserProfile::SetKeyboardId(const std::string& text)
{
    m_keyboardId = text;
}

void UserProfile::SetLessonSet(const std::string& text)
{
    m_lessonSet = text;
}

void UserProfile::RecordResult(int lessonIndex, std::int64_t date, double errorRate, int speed, int seconds)
{
    m_dirty = true;
    if (lessonIndex < 0)
        return;
    if (lessonIndex >= ProgressCount() && ProgressCount() < kMaxProgressRecords)
        m_progress.emplace_back();
    if (lessonIndex >= ProgressCount())
        return;

    LessonProgress& record = m_progress[static_cast<size_t>(lessonIndex)];
    if ((errorRate < record.errorRate && speed != 0) || record.speed == 0 ||
        (errorRate == record.errorRate && speed > record.speed)) {
        record.date = date;
        record.errorRate = errorRate;
        record.speed = speed;
    }
    record.totalSeconds = SaturatingAdd(record.totalSeconds, seconds);
    if (seconds > 0 && record.attempts < INT_MAX)
        ++record.attempts;
}

void UserProfile::AddEmptyRecords(int n)
{
    if (n > 0) {
        const int room = kMaxProgressRecords - ProgressCount();
        m_progress.resize(m_progress.size() + static_cast<size_t>(std::min(n, std::max(room, 0))));
    }
    m_dirty = true;
}

const LessonProgress* UserProfile::Progress(int lessonIndex) const
{
    if (lessonIndex < 0 || lessonIndex >= ProgressCount())
        return nullptr;
    return &m_progress[static_cast<size_t>(lessonIndex)];
}

int UserProfile::ProgressIcon(int lessonIndex, double errorLimit) const
{
    const LessonProgress* record = Progress(lessonIndex);
    if (!record)
        return 0;
    if (record->speed == 0)
        return 5;
    const double r = record->errorRate;
    if (r < 0)
        return 4;
    if (r < 0.2 * errorLimit)
        return 0;
    if (r < 0.4 * errorLimit)
        return 1;
    if (r < 0.6 * errorLimit)
        return 2;
    if (r < 0.8 * errorLimit)
        return 3;
    return 4;
}

std::string UserProfile::DateText(int lessonIndex) const
{
    const LessonProgress* record = Progress(lessonIndex);
    if (!record)
        return {};
    const std::time_t when = static_cast<std::time_t>(record->date);
    std::tm local{};
    if (!::localtime_r(&when, &local))
        return {};
    char buffer[256];
    const size_t length = std::strftime(buffer, sizeof buffer, "%H:%M  %d %B, %Y", &local);
    std::string text(buffer, length);
    // Month names of a UTF-8 locale come in UTF-8; the program's texts are Windows-1250.
    if (!TextCodec::IsAscii(text) && TextCodec::IsValidUtf8(text))
        text = TextCodec::FromUtf8(text);
    return text;
}

std::string UserProfile::TotalTimeText(int lessonIndex) const
{
    const LessonProgress* record = Progress(lessonIndex);
    if (!record)
        return {};
    // Whole days are not shown; a negative total from a damaged file shows as nothing spent.
    const std::int64_t total = std::max<std::int64_t>(record->totalSeconds, 0);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", static_cast<int>(total / 3600 % 24),
                  static_cast<int>(total / 60 % 60), static_cast<int>(total % 60));
    return buffer;
}

std::string UserProfile::SpeedText(int lessonIndex) const
{
    const LessonProgress* record = Progress(lessonIndex);
    return record ? std::to_string(record->speed) : std::string();
}

std::string UserProfile::ErrorRateText(int lessonIndex) const
{
    const LessonProgress* record = Progress(lessonIndex);
    return record ? FormatRate(record->errorRate) : std::string();
}

std::string UserProfile::AttemptsText(int lessonIndex) const
{
    const LessonProgress* record = Progress(lessonIndex);
    return record ? std::to_string(record->attempts) : std::string();
}
