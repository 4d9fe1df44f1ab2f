#include "UserDialogTestFolder.h"
#include "app/InformationBoxLoginMessages.h"
#include "support/ModalRun.h"
#include "settings/AppSettings.h"
#include "widgets/DialogFont.h"
#include "support/QtTestEnvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <functional>
#include <iterator>

namespace {

using Messages = std::vector<int>;

class LoginDialogTest : public UserDialogTestFolder
{
protected:
    // The application's notices, so the tests' scripted answers reach the information box.
    InformationBoxLoginMessages m_loginMessages;

    static QLineEdit* Edit(const LoginDialog& dialog, int id)
    {
        return qobject_cast<QLineEdit*>(dialog.Control(id));
    }

    static QListWidget* List(const LoginDialog& dialog)
    {
        return qobject_cast<QListWidget*>(dialog.Control(LoginDialog::kUserListId));
    }

    static QStringList ListedNames(const LoginDialog& dialog)
    {
        QStringList names;
        for (int row = 0; row < List(dialog)->count(); ++row)
            names.append(List(dialog)->item(row)->text());
        return names;
    }

    static void Click(const LoginDialog& dialog, int id)
    {
        QTest::mouseClick(qobject_cast<QPushButton*>(dialog.Control(id)), Qt::LeftButton);
    }

    static std::string ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(LoginDialogTest, OpensWithTheTemplatesControlsAndAnEmptyList)
{
    LoginDialog dialog(Profile(), m_loginMessages);
    EXPECT_EQ(
        RunModal(dialog,
                 [&] {
                     EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Geben Sie Ihren Namen ein."));
                     EXPECT_EQ(qobject_cast<QLabel*>(dialog.Control(LoginDialog::kNameLabelId))->text(),
                               QStringLiteral("Name:"));
                     EXPECT_EQ(qobject_cast<QLabel*>(dialog.Control(LoginDialog::kPasswordLabelId))->text(),
                               QStringLiteral("Kennwort:"));
                     EXPECT_EQ(qobject_cast<QPushButton*>(dialog.Control(LoginDialog::kContinueId))->text(),
                               QStringLiteral("&Weiter"));
                     EXPECT_EQ(qobject_cast<QPushButton*>(dialog.Control(LoginDialog::kEndId))->text(),
                               QStringLiteral("En&de"));
                     EXPECT_EQ(qobject_cast<QPushButton*>(dialog.Control(LoginDialog::kDisketteId))->text(),
                               QStringLiteral("&Einstellungen von Diskette laden"));
                     EXPECT_FALSE(dialog.Control(LoginDialog::kConfirmationLabelId)->isVisible());
                     EXPECT_FALSE(dialog.Control(LoginDialog::kConfirmationId)->isVisible());
                     EXPECT_EQ(Edit(dialog, LoginDialog::kPasswordId)->echoMode(), QLineEdit::Password);
                     EXPECT_EQ(Edit(dialog, LoginDialog::kConfirmationId)->echoMode(), QLineEdit::Password);
                     EXPECT_EQ(List(dialog)->count(), 0);
                     EXPECT_EQ(List(dialog)->currentRow(), -1);
                     EXPECT_TRUE(Edit(dialog, LoginDialog::kNameId)->text().isEmpty());
                     EXPECT_EQ(dialog.Control(LoginDialog::kNameId)->font(), DialogFont::Font());
                     // The login picture of the installation is not there: the box stays empty.
                     EXPECT_TRUE(
                         qobject_cast<QLabel*>(dialog.Control(LoginDialog::kPictureId))->pixmap().isNull());
                     QTest::keyClick(&dialog, Qt::Key_Escape);
                 }),
        QDialog::Rejected);
    EXPECT_FALSE(dialog.isNewUser);
    EXPECT_TRUE(dialog.ShownMessages().empty());
    EXPECT_EQ(dialog.Control(4711), nullptr);
}

TEST_F(LoginDialogTest, ListsUsersInReverseScanOrderWithTheNewestChosen)
{
    for (const char* name : {"Anna", "Ann", "Bert"})
        WritePlainUser(name, "geheim");
    SetWriteTime(Users() + "Anna.dat", 1);
    SetWriteTime(Users() + "Ann.dat", 3);
    SetWriteTime(Users() + "Bert.dat", 2);

    LoginDialog dialog(Profile(), m_loginMessages);
    RunModal(dialog, [&] { dialog.reject(); });

    QStringList expected;
    for (const std::string& name : Profile().UserNames())
        expected.prepend(QString::fromStdString(name));
    EXPECT_EQ(ListedNames(dialog), expected);
    // "Anna" would be found first by a search for the prefix "Ann".
    ASSERT_NE(List(dialog)->currentItem(), nullptr);
    EXPECT_EQ(List(dialog)->currentItem()->text(), QStringLiteral("Ann"));
    EXPECT_EQ(Edit(dialog, LoginDialog::kNameId)->text(), QStringLiteral("Ann"));
    EXPECT_TRUE(Edit(dialog, LoginDialog::kPasswordId)->text().isEmpty());
}

TEST_F(LoginDialogTest, OldPlainPasswordLogsInAfterAWrongOneAndIsHashed)
{
    WritePlainUser("Anna", "geheim");
    LoginDialog::SetNextAnswer(QStringLiteral("Anna"), QStringLiteral("Geheim"), {});
    LoginDialog::SetNextAnswer(QStringLiteral("Anna"), QStringLiteral("falsch"), {});
    LoginDialog::SetNextAnswer(QStringLiteral("anna"), QStringLiteral("geheim"), {});
    LoginDialog dialog(Profile(), m_loginMessages);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.ShownMessages(), (Messages{113, 113}));
    EXPECT_FALSE(dialog.isNewUser);
    EXPECT_FALSE(LoginDialog::HasNextAnswer());

    const UserProfile& profile = Profile();
    EXPECT_EQ(profile.Name(), "Anna");
    EXPECT_EQ(profile.KeyboardId(), "00000407");
    EXPECT_TRUE(profile.Password().starts_with("$argon2id$"));
    EXPECT_TRUE(profile.IsDirty());
}

TEST_F(LoginDialogTest, AfterAWrongPasswordTypingReplacesIt)
{
    WritePlainUser("Anna", "geheim");
    LoginDialog dialog(Profile(), m_loginMessages);
    const int result = RunModal(dialog, [&] {
        QLineEdit* password = Edit(dialog, LoginDialog::kPasswordId);
        password->setFocus();
        QTest::keyClicks(password, QStringLiteral("falsch"));
        InformationBox::SetNextAnswer(InformationBox::kContinueId);
        QTest::keyClick(password, Qt::Key_Return);
        EXPECT_EQ(dialog.focusWidget(), password);
        EXPECT_EQ(password->selectedText(), QStringLiteral("falsch"));
        QTest::keyClicks(dialog.focusWidget(), QStringLiteral("geheim"));
        InformationBox::SetNextAnswer(InformationBox::kContinueId); // should it be wrong again
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        if (dialog.isVisible())
            dialog.reject();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.ShownMessages(), Messages{113});
}

TEST_F(LoginDialogTest, NewAccountNeedsFourCharactersTypedTwice)
{
    WritePlainUser("Anna", "geheim");
    LoginDialog::SetNextAnswer(QStringLiteral("Neu"), QStringLiteral("abc"), {});
    LoginDialog::SetNextAnswer(QStringLiteral("Neu"), QStringLiteral("abcd"), {});
    LoginDialog dialog(Profile(), m_loginMessages);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected); // the answers ran out with the dialog open
    EXPECT_EQ(dialog.ShownMessages(), (Messages{140, 139}));
    EXPECT_TRUE(dialog.isNewUser);
    EXPECT_FALSE(dialog.Control(LoginDialog::kNameId)->isEnabled());
    EXPECT_FALSE(dialog.Control(LoginDialog::kConfirmationId)->isHidden());
    EXPECT_FALSE(dialog.Control(LoginDialog::kConfirmationLabelId)->isHidden());

    LoginDialog::SetNextAnswer(QStringLiteral("Neu"), QStringLiteral("abcd"), QStringLiteral("abce"));
    LoginDialog::SetNextAnswer(QStringLiteral("Neu"), QStringLiteral("abcd"), QStringLiteral("abcd"));
    LoginDialog again(Profile(), m_loginMessages);
    EXPECT_EQ(again.exec(), QDialog::Accepted);
    EXPECT_EQ(again.ShownMessages(), (Messages{139}));
    EXPECT_TRUE(again.isNewUser);

    UserProfile& profile = Profile();
    EXPECT_EQ(profile.Name(), "Neu");
    EXPECT_TRUE(profile.KeyboardId().empty());
    EXPECT_EQ(profile.SettingsLine(), AppSettings().ToLine());
    EXPECT_EQ(profile.ProgressCount(), 0);
    EXPECT_TRUE(profile.IsDirty());
    EXPECT_EQ(profile.UserNames().back(), "Neu");
    ASSERT_TRUE(profile.SaveUser(Users() + "Neu", false));

    // The account exists now; its hashed password logs in.
    LoginDialog::SetNextAnswer(QStringLiteral("Neu"), QStringLiteral("abcd"), {});
    LoginDialog existing(Profile(), m_loginMessages);
    EXPECT_EQ(existing.exec(), QDialog::Accepted);
    EXPECT_FALSE(existing.isNewUser);
    EXPECT_TRUE(existing.ShownMessages().empty());
}

// A file that is there but does not load is kept aside and never becomes a new account,
// which would replace it at the next save.
TEST_F(LoginDialogTest, AnUnreadableUserFileMakesANewAccount)
{
    const std::string data = Users() + "Anna.dat";
    const std::vector<std::function<void()>> damages = {
        // One flipped byte in a user with 30 progress records: a block length is wrong.
        [&] {
            std::vector<std::string> lines = {"Anna", "abcd", "00000407", "_a", ""};
            for (int i = 0; i < 30; ++i)
                lines.push_back("1700000000:1.50:120:60:2:");
            WriteLines(data, lines);
            std::string bytes = ReadBytes(data);
            bytes[1] = static_cast<char>(bytes[1] ^ 0x01);
            std::ofstream(data, std::ios::binary | std::ios::trunc) << bytes;
            LineFile check;
            ASSERT_FALSE(check.LoadLines(data));
        },
        // Another user's data under this name.
        [&] {
            WriteLines(data, {"Adam", "abcd"});
        },
    };
    for (const auto& damage : damages) {
        std::filesystem::remove(data + ".damaged");
        std::filesystem::remove(data + ".damaged.1");
        damage();
        WriteLines(Users() + "Anna.dit", {"Anna", "Berg"});
        const std::string damaged = ReadBytes(data);
        const std::string details = ReadBytes(Users() + "Anna.dit");
        // A change still unsaved from before must not be written over the file either.
        Profile().SetSettingsLine("!1:");

        // A new account's answers, twice: the second try keeps no second copy.
        for (int i = 0; i < 2; ++i)
            LoginDialog::SetNextAnswer(QStringLiteral("Anna"), QStringLiteral("abcd"),
                                       QStringLiteral("abcd"));
        LoginDialog dialog(Profile(), m_loginMessages);
        EXPECT_EQ(dialog.exec(), QDialog::Rejected); // still open when the answers ran out
        EXPECT_EQ(dialog.ShownMessages(), (Messages{506, 506}));
        EXPECT_EQ(
            dialog.ShownTexts().value(0),
            QStringLiteral("Diese Datei beinhaltet nicht das korrekte Dateiformat oder ist beschädigt.\n") +
                QString::fromStdString(data));
        EXPECT_FALSE(dialog.isNewUser);
        EXPECT_TRUE(dialog.Control(LoginDialog::kNameId)->isEnabled());
        EXPECT_EQ(ReadBytes(data + ".damaged"), damaged);
        EXPECT_EQ(ReadBytes(Users() + "Anna.dit.damaged"), details);
        EXPECT_FALSE(std::filesystem::exists(data + ".damaged.1"));

        UserProfile& profile = Profile();
        EXPECT_EQ(profile.UserNames(), std::vector<std::string>{"Anna"});
        EXPECT_FALSE(profile.IsDirty());
        ASSERT_TRUE(profile.SaveUser(Users() + "Anna", false));
        EXPECT_EQ(ReadBytes(data), damaged);
    }

    // A copy kept before under that name stays as it is; the new one gets a number.
    std::ofstream(data + ".damaged", std::ios::binary | std::ios::trunc) << "older";
    LoginDialog::SetNextAnswer(QStringLiteral("Anna"), QStringLiteral("abcd"), {});
    LoginDialog again(Profile(), m_loginMessages);
    again.exec();
    EXPECT_EQ(ReadBytes(data + ".damaged"), "older");
    EXPECT_EQ(ReadBytes(data + ".damaged.1"), ReadBytes(data));
}

TEST_F(LoginDialogTest, NamesKeepOnlyPlainLettersDigitsAndBlanksAndNeedTwoCharacters)
{
    WritePlainUser("Jrg", "geheim");
    LoginDialog::SetNextAnswer(QStringLiteral("Jörg"), QStringLiteral("geheim"), {});
    LoginDialog::SetNextAnswer(QStringLiteral("../x"), QStringLiteral("geheim"), {});
    LoginDialog::SetNextAnswer(QStringLiteral("J"), QStringLiteral("geheim"), {});
    LoginDialog::SetNextAnswer(QStringLiteral("äö"), QStringLiteral("geheim"), {});
    LoginDialog dialog(Profile(), m_loginMessages);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.ShownMessages(), (Messages{507, 507, 141, 507}));
    EXPECT_TRUE(Edit(dialog, LoginDialog::kNameId)->text().isEmpty());
    EXPECT_TRUE(Profile().Name().empty()); // no user was looked up

    // A clean name goes on to the password check.
    LoginDialog::SetNextAnswer(QStringLiteral("Jö rg"), QStringLiteral("falsch"), {});
    LoginDialog::SetNextAnswer(QStringLiteral("Jrg"), QStringLiteral("falsch"), {});
    LoginDialog again(Profile(), m_loginMessages);
    EXPECT_EQ(again.exec(), QDialog::Rejected);
    EXPECT_EQ(again.ShownMessages(), (Messages{507, 113}));
    EXPECT_EQ(Profile().Name(), "Jrg");
}

TEST_F(LoginDialogTest, NameAndPasswordTakeTenCharactersTheConfirmationMore)
{
    LoginDialog::SetNextAnswer(QStringLiteral("Abcdefghijklmno"), QStringLiteral("1234567890123"),
                               QStringLiteral("1234567890123"));
    LoginDialog dialog(Profile(), m_loginMessages);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(Edit(dialog, LoginDialog::kNameId)->text(), QStringLiteral("Abcdefghij"));
    EXPECT_EQ(Edit(dialog, LoginDialog::kPasswordId)->text(), QStringLiteral("1234567890"));
    // Thirteen characters never match a password of ten.
    EXPECT_EQ(dialog.ShownMessages(), (Messages{139}));
    EXPECT_EQ(Profile().Name(), "Abcdefghij");

    LoginDialog typed(Profile(), m_loginMessages);
    RunModal(typed, [&] {
        QLineEdit* name = Edit(typed, LoginDialog::kNameId);
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Abcdefghijklmno"));
        EXPECT_EQ(name->text(), QStringLiteral("Abcdefghij"));
        typed.reject();
    });
}

TEST_F(LoginDialogTest, LeavingTheNameFieldCleansItWithAMessage)
{
    LoginDialog dialog(Profile(), m_loginMessages);
    MessageBoxAnswerer answerer;
    RunModal(dialog, [&] {
        QLineEdit* name = Edit(dialog, LoginDialog::kNameId);
        name->setText(QStringLiteral("Jürgen"));
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(name, &leave);
        EXPECT_EQ(name->text(), QStringLiteral("Jrgen"));
        dialog.reject();
    });
    EXPECT_EQ(dialog.ShownMessages(), (Messages{507}));
    EXPECT_EQ(answerer.captions, QStringList{QStringLiteral("Tippwerk")});
    EXPECT_EQ(answerer.texts,
              QStringList{QStringLiteral("Für den Benutzernamen bitte nur einfache Buchstaben "
                                         "ohne Umlaute und Zahlen verwenden.")});
}

TEST_F(LoginDialogTest, ChoosingAListedUserLeavesNewUserMode)
{
    WritePlainUser("Anna", "geheim");
    LoginDialog dialog(Profile(), m_loginMessages);
    const int result = RunModal(dialog, [&] {
        Edit(dialog, LoginDialog::kNameId)->setText(QStringLiteral("Neu"));
        Edit(dialog, LoginDialog::kPasswordId)->setText(QStringLiteral("abcd"));
        InformationBox::SetNextAnswer(InformationBox::kContinueId);
        Click(dialog, LoginDialog::kContinueId);
        EXPECT_TRUE(dialog.isNewUser);
        EXPECT_TRUE(dialog.Control(LoginDialog::kConfirmationId)->isVisible());
        EXPECT_EQ(dialog.focusWidget(), dialog.Control(LoginDialog::kConfirmationId));
        EXPECT_FALSE(dialog.Control(LoginDialog::kNameId)->isEnabled());

        // Anna is listed and already current: a click on her still counts as a choice.
        QListWidget* list = List(dialog);
        const QRect row = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_FALSE(dialog.isNewUser);
        EXPECT_EQ(Edit(dialog, LoginDialog::kNameId)->text(), QStringLiteral("Anna"));
        EXPECT_TRUE(dialog.Control(LoginDialog::kNameId)->isEnabled());
        EXPECT_FALSE(dialog.Control(LoginDialog::kConfirmationId)->isVisible());
        EXPECT_FALSE(dialog.Control(LoginDialog::kConfirmationLabelId)->isVisible());
        EXPECT_TRUE(Edit(dialog, LoginDialog::kConfirmationId)->text().isEmpty());
        EXPECT_TRUE(Edit(dialog, LoginDialog::kPasswordId)->text().isEmpty());
        EXPECT_EQ(dialog.focusWidget(), list);

        Edit(dialog, LoginDialog::kPasswordId)->setText(QStringLiteral("geheim"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(dialog.isNewUser);
    EXPECT_EQ(dialog.ShownMessages(), (Messages{139}));
    EXPECT_EQ(Profile().Name(), "Anna");
}

TEST_F(LoginDialogTest, DisketteUsersAreListedAndCopiedAtLogin)
{
    const std::string diskette = m_root + "stick/Tippwerk/";
    std::filesystem::create_directories(diskette);
    ::setenv("TIPPWERK_DISKETTE", diskette.c_str(), 1);
    WritePlainUser("Anna", "geheim");
    WritePlainUser("Dora", "dora1", diskette);

    LoginDialog dialog(Profile(), m_loginMessages);
    MessageBoxAnswerer answerer;
    const int result = RunModal(dialog, [&] {
        Edit(dialog, LoginDialog::kNameId)->setText(QStringLiteral("Neu"));
        Edit(dialog, LoginDialog::kPasswordId)->setText(QStringLiteral("abcd"));
        InformationBox::SetNextAnswer(InformationBox::kContinueId);
        Click(dialog, LoginDialog::kContinueId);
        ASSERT_TRUE(dialog.isNewUser);

        Click(dialog, LoginDialog::kDisketteId);
        EXPECT_TRUE(dialog.FromDiskette());
        EXPECT_EQ(ListedNames(dialog), QStringList{QStringLiteral("Dora")});
        EXPECT_EQ(Edit(dialog, LoginDialog::kNameId)->text(), QStringLiteral("Dora"));
        // The pending new account went with the old list.
        EXPECT_FALSE(dialog.isNewUser);
        EXPECT_TRUE(dialog.Control(LoginDialog::kNameId)->isEnabled());
        Edit(dialog, LoginDialog::kPasswordId)->setText(QStringLiteral("dora1"));
        Click(dialog, LoginDialog::kContinueId);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.ShownMessages(), (Messages{139, 1056}));
    EXPECT_EQ(answerer.texts,
              QStringList{QStringLiteral("Legen Sie eine Diskette ein und klicken Sie auf OK.")});
    EXPECT_TRUE(Profile().FromDiskette());
    EXPECT_TRUE(std::filesystem::exists(Users() + "Dora.dat"));
}

TEST_F(LoginDialogTest, TheDisketteFilesReplaceTheLocalOnesOnlyAfterTheRightPassword)
{
    const std::string diskette = m_root + "stick/Tippwerk/";
    std::filesystem::create_directories(diskette);
    ::setenv("TIPPWERK_DISKETTE", diskette.c_str(), 1);
    WriteLines(Users() + "Dora.dat", {"Dora", "lokal1", "00000407", "_a", "", "1:0.50:100:60:3:"});
    WriteLines(Users() + "Dora.dit", {"Dora", "Lokal"});
    WriteLines(diskette + "Dora.dat", {"Dora", "dora1", "00000409", "_a", ""});
    WriteLines(diskette + "Dora.dit", {"Dora", "Diskette"});
    const auto bytes = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string localData = bytes(Users() + "Dora.dat");
    const std::string localDetails = bytes(Users() + "Dora.dit");

    LoginDialog dialog(Profile(), m_loginMessages);
    MessageBoxAnswerer answerer;
    const int result = RunModal(dialog, [&] {
        Click(dialog, LoginDialog::kDisketteId);
        ASSERT_TRUE(dialog.FromDiskette());
        // The local password does not open the diskette's account, and changes nothing.
        Edit(dialog, LoginDialog::kPasswordId)->setText(QStringLiteral("lokal1"));
        InformationBox::SetNextAnswer(InformationBox::kContinueId);
        Click(dialog, LoginDialog::kContinueId);
        EXPECT_EQ(bytes(Users() + "Dora.dat"), localData);
        EXPECT_EQ(bytes(Users() + "Dora.dit"), localDetails);
        EXPECT_FALSE(Profile().FromDiskette());

        Edit(dialog, LoginDialog::kPasswordId)->setText(QStringLiteral("dora1"));
        Click(dialog, LoginDialog::kContinueId);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.ShownMessages(), (Messages{1056, 113}));
    EXPECT_EQ(bytes(Users() + "Dora.dat"), bytes(diskette + "Dora.dat"));
    EXPECT_EQ(bytes(Users() + "Dora.dit"), bytes(diskette + "Dora.dit"));
    EXPECT_EQ(Profile().KeyboardId(), "00000409");
    EXPECT_TRUE(Profile().FromDiskette());
}

TEST_F(LoginDialogTest, ALoginThatCannotTakeOverTheDisketteFilesSaysSoAndStaysOpen)
{
    const std::string diskette = m_root + "stick/Tippwerk/";
    std::filesystem::create_directories(diskette);
    ::setenv("TIPPWERK_DISKETTE", diskette.c_str(), 1);
    WritePlainUser("Dora", "dora1", diskette);
    std::filesystem::create_directory(Users() + "Dora.dat"); // no file can go there

    LoginDialog dialog(Profile(), m_loginMessages);
    MessageBoxAnswerer answerer;
    RunModal(dialog, [&] {
        Click(dialog, LoginDialog::kDisketteId);
        Edit(dialog, LoginDialog::kPasswordId)->setText(QStringLiteral("dora1"));
        Click(dialog, LoginDialog::kContinueId);
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    EXPECT_EQ(dialog.ShownMessages(), (Messages{1056, 32790}));
    EXPECT_FALSE(std::filesystem::exists(Users() + "Dora.dit"));
}

TEST_F(LoginDialogTest, ALocalUserMissingFromTheDisketteLogsInLocallyInsteadOfBecomingANewAccount)
{
    const std::string diskette = m_root + "stick/Tippwerk/";
    std::filesystem::create_directories(diskette);
    ::setenv("TIPPWERK_DISKETTE", diskette.c_str(), 1);
    WritePlainUser("Dora", "dora1", diskette);
    WritePlainUser("Anna", "geheim");

    LoginDialog dialog(Profile(), m_loginMessages);
    MessageBoxAnswerer answerer;
    const int result = RunModal(dialog, [&] {
        Click(dialog, LoginDialog::kDisketteId);
        ASSERT_TRUE(dialog.FromDiskette());
        Edit(dialog, LoginDialog::kNameId)->setText(QStringLiteral("Anna"));
        Edit(dialog, LoginDialog::kPasswordId)->setText(QStringLiteral("geheim"));
        Click(dialog, LoginDialog::kContinueId);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(dialog.isNewUser);
    EXPECT_EQ(Profile().Name(), "Anna");
    EXPECT_FALSE(Profile().FromDiskette());
    EXPECT_FALSE(std::filesystem::exists(diskette + "Anna.dat"));
}

TEST_F(LoginDialogTest, AnEmptyDisketteLeavesTheLocalUsers)
{
    ::setenv("TIPPWERK_DISKETTE", (m_root + "empty/").c_str(), 1);
    WritePlainUser("Anna", "geheim");
    LoginDialog dialog(Profile(), m_loginMessages);
    MessageBoxAnswerer answerer;
    RunModal(dialog, [&] {
        Click(dialog, LoginDialog::kDisketteId);
        dialog.reject();
    });
    EXPECT_EQ(dialog.ShownMessages(), (Messages{1056, 32790}));
    EXPECT_EQ(answerer.texts.size(), 2);
    EXPECT_FALSE(dialog.FromDiskette());
    EXPECT_EQ(ListedNames(dialog), QStringList{QStringLiteral("Anna")});
    EXPECT_EQ(Edit(dialog, LoginDialog::kNameId)->text(), QStringLiteral("Anna"));
}

TEST_F(LoginDialogTest, TheInstalledLoginPictureIsShown)
{
    std::filesystem::create_directory(m_root + "pictures");
    std::filesystem::copy_file(std::string(TIPPWERK_SOURCE_DIR) + "/data/pictures/Login.jpg",
                               m_root + "pictures/Login.jpg");
    LoginDialog::SetNextAnswer({}, {}, {}, false);
    LoginDialog dialog(Profile(), m_loginMessages);
    dialog.exec();
    const QPixmap picture = qobject_cast<QLabel*>(dialog.Control(LoginDialog::kPictureId))->pixmap();
    EXPECT_FALSE(picture.isNull());
    EXPECT_LE(picture.width(), 150);
    EXPECT_LE(picture.height(), 200);
}

} // namespace
