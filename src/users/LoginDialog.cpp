#include "users/LoginDialog.h"

#include "pictures/LoadJpegPicture.h"
#include "pictures/PictureImage.h"

#include "resources/ProgramPaths.h"
#include "settings/AppSettings.h"
#include "users/DisketteFolder.h"
#include "users/LoginMessages.h"
#include "users/LoginRules.h"
#include "users/UserProfile.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/ProgramText.h"
#include "widgets/ScriptedAnswer.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <filesystem>
#include <optional>

namespace {

// The texts of dialog template 143.
const char* const kTitle = "Geben Sie Ihren Namen ein.";
const char* const kIntroText =
    "Vergeben Sie Ihren Namen und Ihr Kennwort. Falls Sie zum ersten Mal hier sind, "
    "begrüße ich Sie. Für neue Benutzer wird automatisch ein neues Konto erstellt.";
const char* const kNameText = "Name:";
const char* const kPasswordText = "Kennwort:";
const char* const kConfirmationText = "Bestätigen:";
const char* const kContinueText = "&Weiter";
const char* const kEndText = "En&de";
const char* const kDisketteText = "&Einstellungen von Diskette laden";

constexpr int kProductName = 128;
constexpr int kWrongPassword = 113;
constexpr int kConfirmPassword = 139;
constexpr int kShortPassword = 140;
constexpr int kShortName = 141;
constexpr int kNameCharacters = 507;
constexpr int kDamagedFile = 506;
constexpr int kInsertDiskette = 1056;
constexpr int kDisketteUnreadable = 32790;

// The fields are read as the original program read them, at most 49 characters.
constexpr int kReadLimit = 49;

// The login picture's box; larger pictures are shrunk to fit it.
constexpr int kPictureWidth = 150;
constexpr int kPictureHeight = 200;

struct Answer
{
    QString name;
    QString password;
    QString confirmation;
    bool accept = true;
};

using Script = ScriptedAnswer<LoginDialog, Answer>;

// Field texts in the logic's Windows-1250 form.
std::string ToLogic(const QString& text)
{
    return ProgramText::FromQString(text.left(kReadLimit));
}

QPixmap LoadLoginPicture()
{
    const std::string path = ProgramFilePath("pictures", "Login.jpg");
    if (path.empty())
        return {};
    // The program's own JPEG reader, like every other picture: Qt's would bring its image
    // plugins into the process.
    Picture picture;
    if (!LoadJpegPicture(path, picture))
        return {};
    QImage image = PictureImage::FromPicture(picture);
    const QSize box(kPictureWidth, kPictureHeight);
    if (image.width() > box.width() || image.height() > box.height())
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(image);
}

QLabel* MakeLabel(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* MakeButton(const char* text, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setAutoDefault(false);
    return button;
}

// Keeps a control's place in the layout while it is hidden, so the dialog does not jump.
void KeepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

void LoginDialog::SetNextAnswer(const QString& name, const QString& password, const QString& confirmation,
                                bool accept)
{
    Script::Add(Answer{name, password, confirmation, accept});
}

void LoginDialog::ClearNextAnswers()
{
    Script::Clear();
}

bool LoginDialog::HasNextAnswer()
{
    return Script::Has();
}

LoginDialog::LoginDialog(UserProfile& profile, LoginMessages& messages, QWidget* parent)
    : QDialog(parent)
    , m_profile(profile)
    , m_messages(messages)
    , m_loginPicture(LoadLoginPicture())
    , m_intro(MakeLabel(kIntroText, this))
    , m_nameLabel(MakeLabel(kNameText, this))
    , m_name(new QLineEdit(this))
    , m_passwordLabel(MakeLabel(kPasswordText, this))
    , m_password(new QLineEdit(this))
    , m_confirmationLabel(MakeLabel(kConfirmationText, this))
    , m_confirmation(new QLineEdit(this))
    , m_userList(new QListWidget(this))
    , m_picture(new QLabel(this))
    , m_continue(MakeButton(kContinueText, this))
    , m_end(MakeButton(kEndText, this))
    , m_diskette(MakeButton(kDisketteText, this))
{
    setWindowTitle(QString::fromUtf8(kTitle));
    setModal(true);

    m_intro->setWordWrap(true);
    m_password->setEchoMode(QLineEdit::Password);
    m_confirmation->setEchoMode(QLineEdit::Password);
    m_confirmation->hide();
    KeepPlaceWhenHidden(m_confirmationLabel);
    KeepPlaceWhenHidden(m_confirmation);
    m_userList->setSelectionMode(QAbstractItemView::SingleSelection);
    // The list takes the height the picture leaves, not a height of its own.
    m_userList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_userList->setMinimumHeight(72);
    m_name->setMinimumWidth(150);
    m_picture->setFixedSize(kPictureWidth, kPictureHeight);
    m_picture->setAlignment(Qt::AlignCenter);
    m_continue->setDefault(true);

    // Labels beside their fields, the list below them down to the picture's foot.
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(6);
    fields->addWidget(m_nameLabel, 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(m_passwordLabel, 1, 0);
    fields->addWidget(m_password, 1, 1);
    fields->addWidget(m_confirmationLabel, 2, 0);
    fields->addWidget(m_confirmation, 2, 1);
    fields->addItem(new QSpacerItem(0, 4), 3, 0);
    fields->addWidget(m_userList, 4, 0, 1, 2);
    fields->setRowStretch(4, 1);
    fields->setColumnStretch(1, 1);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(14);
    middle->addWidget(m_picture, 0, Qt::AlignTop);
    middle->addLayout(fields, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_diskette);
    buttons->addStretch(1);
    buttons->addWidget(m_continue);
    buttons->addWidget(m_end);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addWidget(m_intro);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_name, m_password);
    setTabOrder(m_password, m_confirmation);
    setTabOrder(m_confirmation, m_userList);
    setTabOrder(m_userList, m_continue);
    setTabOrder(m_continue, m_end);
    setTabOrder(m_end, m_diskette);

    m_name->installEventFilter(this);
    connect(m_userList, &QListWidget::currentRowChanged, this, &LoginDialog::OnUserChosen);
    connect(m_userList, &QListWidget::itemClicked, this, &LoginDialog::OnUserChosen);
    connect(m_continue, &QPushButton::clicked, this, &LoginDialog::OnContinue);
    connect(m_end, &QPushButton::clicked, this, &LoginDialog::reject);
    connect(m_diskette, &QPushButton::clicked, this, &LoginDialog::OnLoadFromDiskette);
}

LoginDialog::~LoginDialog() = default;

int LoginDialog::exec()
{
    m_finished = false;
    OnInitDialog();
    if (Script::Has()) {
        RunScript();
        return result();
    }
    return QDialog::exec();
}

void LoginDialog::done(int result)
{
    m_finished = true;
    QDialog::done(result);
}

QWidget* LoginDialog::Control(int id) const
{
    switch (id) {
    case kNameLabelId:
        return m_nameLabel;
    case kNameId:
        return m_name;
    case kPasswordLabelId:
        return m_passwordLabel;
    case kPasswordId:
        return m_password;
    case kConfirmationLabelId:
        return m_confirmationLabel;
    case kConfirmationId:
        return m_confirmation;
    case kUserListId:
        return m_userList;
    case kPictureId:
        return m_picture;
    case kContinueId:
        return m_continue;
    case kEndId:
        return m_end;
    case kDisketteId:
        return m_diskette;
    default:
        return nullptr;
    }
}

bool LoginDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the name field cleans it; the outcome only matters on "&Weiter".
    if (watched == m_name && event->type() == QEvent::FocusOut && !m_finished)
        CheckName();
    return QDialog::eventFilter(watched, event);
}

void LoginDialog::OnInitDialog()
{
    DialogFont::Apply(this);
    m_confirmationLabel->hide();
    UserProfile& profile = m_profile;
    const std::string users = UserProfile::UsersFolder();
    if (!users.empty())
        profile.ScanUsers(users + "*.dat");
    FillUserList();
    m_name->setMaxLength(kFieldLimit);
    m_password->setMaxLength(kFieldLimit);
    m_picture->setPixmap(m_loginPicture);
    if (m_name->text().isEmpty())
        m_name->setFocus();
    else
        m_password->setFocus();
}

void LoginDialog::FillUserList()
{
    const UserProfile& profile = m_profile;
    {
        const QSignalBlocker blocker(m_userList);
        m_userList->clear();
        // Each name goes to the top, so the list shows the reverse of the scan order.
        for (const std::string& name : profile.UserNames())
            m_userList->insertItem(0, ProgramText::ToQString(name));
        // The newest user's own row: a search by prefix could find a longer name first.
        const int newest = profile.NewestUserIndex();
        const int count = static_cast<int>(profile.UserNames().size());
        if (newest >= 0 && newest < count)
            m_userList->setCurrentRow(count - 1 - newest);
        else
            m_userList->setCurrentRow(-1);
    }
    const QListWidgetItem* selected = m_userList->currentItem();
    m_name->setText(selected ? selected->text() : QString());
    m_password->clear();
}

void LoginDialog::OnUserChosen()
{
    const QListWidgetItem* item = m_userList->currentItem();
    if (!item)
        return;
    m_name->setText(item->text());
    m_password->clear();
    LeaveNewUserMode();
    m_userList->setFocus();
}

void LoginDialog::LeaveNewUserMode()
{
    m_confirmation->hide();
    m_confirmation->clear();
    m_confirmationLabel->hide();
    isNewUser = false;
    m_name->setEnabled(true);
}

bool LoginDialog::CheckName()
{
    const QString text = m_name->text();
    // Compared with the field itself: a character Windows-1250 lacks is removed as well.
    const QString cleaned = ProgramText::ToQString(LoginRules::CleanName(ProgramText::FromQString(text)));
    if (cleaned == text)
        return true;
    m_name->setText(cleaned);
    ShowPlainMessage(kNameCharacters);
    return false;
}

void LoginDialog::OnContinue()
{
    if (!CheckName())
        return;
    const std::string name = ToLogic(m_name->text());
    switch (LoginRules::CheckName(name)) {
    case LoginRules::NameProblem::TooShort:
        ShowInformation(kShortName);
        return;
    case LoginRules::NameProblem::NotAllowed:
        ShowPlainMessage(kNameCharacters);
        return;
    case LoginRules::NameProblem::None:
        break;
    }

    UserProfile& profile = m_profile;
    bool fromDiskette = m_fromDiskette;
    UserLoadResult loaded = profile.LoadUser(name, fromDiskette);
    // A local user missing from the diskette is still that user: a new account under the
    // name would overwrite their files at the next save.
    if (!loaded && !loaded.damaged && fromDiskette &&
        std::filesystem::is_regular_file(UserProfile::UsersFolder() + name + ".dat")) {
        profile.AddUserName(name);
        fromDiskette = false;
        loaded = profile.LoadUser(name, false);
    }
    const LoginRules::Account account = LoginRules::AccountOf(loaded);
    if (account == LoginRules::Account::Damaged) {
        // Nor may a damaged file give way to a new account: it is the user's only copy.
        UserProfile::KeepDamagedCopies(loaded.path);
        ShowDamagedFile(loaded.path);
        return;
    }
    if (account == LoginRules::Account::Existing) {
        if (!profile.CheckPassword(ToLogic(m_password->text()))) {
            ShowInformation(kWrongPassword);
            // The next try replaces the wrong password instead of adding to it.
            m_password->selectAll();
            m_password->setFocus();
            return;
        }
        // Only the owner's password lets the diskette's files replace the local ones; a
        // login that could not take them over would work on files it cannot keep.
        if (fromDiskette && !profile.CopyFromDiskette(profile.Name())) {
            ShowPlainMessage(kDisketteUnreadable);
            return;
        }
        accept();
        return;
    }

    // An unknown name becomes a new account.
    m_name->setEnabled(false);
    isNewUser = true;
    const std::string password = ToLogic(m_password->text());
    const std::string confirmation = ToLogic(m_confirmation->text());
    const LoginRules::NewPassword check = LoginRules::CheckNewPassword(password, confirmation);
    if (check == LoginRules::NewPassword::Create) {
        // Without a stored password there is no account; the hash only fails without memory.
        if (!profile.SetPassword(password))
            return;
        // Stored from the start, whichever way the program goes on with the new account.
        profile.SetSettingsLine(AppSettings().ToLine());
        profile.AddUserName(profile.Name());
        accept();
    } else if (check == LoginRules::NewPassword::TooShort) {
        ShowInformation(kShortPassword);
    } else {
        ShowInformation(kConfirmPassword);
        m_confirmationLabel->show();
        m_confirmation->show();
        m_confirmation->clear();
        m_confirmation->setFocus();
    }
}

void LoginDialog::OnLoadFromDiskette()
{
    ShowPlainMessage(kInsertDiskette);
    UserProfile& profile = m_profile;
    const std::string diskette = DisketteFolder::Path();
    const bool found =
        !diskette.empty() && profile.ScanUsers(diskette + "*.dat") && !profile.UserNames().empty();
    if (!found) {
        ShowPlainMessage(kDisketteUnreadable);
        const std::string users = UserProfile::UsersFolder();
        if (!users.empty())
            profile.ScanUsers(users + "*.dat");
    }
    m_fromDiskette = found;
    FillUserList();
    // The name now comes from the new list: a pending new account is dropped with it.
    LeaveNewUserMode();
}

void LoginDialog::ShowDamagedFile(const std::string& path)
{
    ShowInformation(kDamagedFile,
                    DialogText::FromTable(kDamagedFile) + QLatin1Char('\n') +
                        QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path))));
}

void LoginDialog::ShowInformation(int stringId)
{
    ShowInformation(stringId, DialogText::FromTable(stringId));
}

void LoginDialog::ShowInformation(int stringId, const QString& text)
{
    m_shownMessages.push_back(stringId);
    m_shownTexts.append(text);
    if (m_scripted)
        return;
    m_messages.ShowNotice(this, text);
    // Without a window manager nobody hands the keyboard back to the login.
    activateWindow();
}

void LoginDialog::ShowPlainMessage(int stringId)
{
    m_shownMessages.push_back(stringId);
    m_shownTexts.append(DialogText::FromTable(stringId));
    if (m_scripted)
        return;
    QMessageBox box(stringId == kInsertDiskette ? QMessageBox::Information : QMessageBox::Warning,
                    DialogText::FromTable(kProductName), DialogText::FromTable(stringId), QMessageBox::Ok,
                    this);
    box.exec();
}

void LoginDialog::RunScript()
{
    m_scripted = true;
    while (!m_finished) {
        const std::optional<Answer> answer = Script::Take();
        if (!answer)
            break;
        m_name->setText(answer->name);
        m_password->setText(answer->password);
        m_confirmation->setText(answer->confirmation);
        if (answer->accept)
            OnContinue();
        else
            reject();
    }
    if (!m_finished)
        reject();
    m_scripted = false;
}
