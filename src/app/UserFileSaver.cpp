#include "app/UserFileSaver.h"

#include "app/ProgramMessage.h"
#include "users/UserProfile.h"

#include <QDir>
#include <QFile>

namespace {

const char* const kSaveFailedText = "Ihre Daten konnten nicht unter „%1“ gespeichert werden.";
const char* const kReasonText = "Grund: %1";

} // namespace

bool UserFileSaver::SaveCurrentUser(UserProfile& profile, QWidget* parent)
{
    const UserSaveResult result = profile.SaveUser(UserProfile::UsersFolder() + profile.Name(), false);
    if (!result.saved && !result.repeated)
        ProgramMessage::Show(parent, FailureText(result));
    return result.saved;
}

QString UserFileSaver::FailureText(const UserSaveResult& result)
{
    QString text =
        QString::fromUtf8(kSaveFailedText)
            .arg(QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(result.path))));
    if (!result.reason.empty())
        text += QLatin1Char('\n') + QString::fromUtf8(kReasonText).arg(QString::fromLocal8Bit(result.reason));
    return text;
}
