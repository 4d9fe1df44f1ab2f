#include "users/UserInfoDialog.h"

#include "users/UserProfile.h"
#include "widgets/ControlById.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/ProgramText.h"
#include "widgets/ScriptedAnswer.h"

#include <QCollator>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

// The texts of dialog template 102.
const char* const kTitle = "Information";
const char* const kNicknameText = "nickname";
const char* const kNameText = "Name";
const char* const kEmailText = "e-mail";
const char* const kBirthDateText = "Geboren (datum):";
const char* const kCityText = "Ort";
const char* const kCountryText = "Land";
const char* const kOkText = "OK";
const char* const kBackText = "&Zurück";

constexpr int kDefaultCountry = 132;

struct ScriptedInput
{
    bool accept = true;
    std::map<int, QString> texts;
};

using Script = ScriptedAnswer<UserInfoDialog, ScriptedInput>;

// A text as it comes back from the user's file: characters Windows-1250 lacks are gone.
QString AsStored(const QString& text)
{
    return ProgramText::ToQString(ProgramText::FromQString(text));
}

QCollator CountryCollator()
{
    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

QLabel* MakeLabel(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* MakeEdit(int limit, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    if (limit > 0)
        edit->setMaxLength(limit);
    return edit;
}

QPushButton* MakeButton(const char* text, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setAutoDefault(false);
    button->setMinimumWidth(90);
    return button;
}

// A label with its field below it, as one cell of the form.
QVBoxLayout* Cell(QLabel* label, QWidget* field)
{
    auto* cell = new QVBoxLayout;
    cell->setSpacing(3);
    cell->addWidget(label);
    cell->addWidget(field);
    label->setBuddy(field);
    return cell;
}

} // namespace

void UserInfoDialog::SetNextAnswer(bool accept, const std::map<int, QString>& texts)
{
    Script::Set(ScriptedInput{accept, texts});
}

void UserInfoDialog::ClearNextAnswer()
{
    Script::Clear();
}

bool UserInfoDialog::HasNextAnswer()
{
    return Script::Has();
}

QStringList UserInfoDialog::CountryNames()
{
    QStringList names;
    for (int territory = QLocale::AnyTerritory + 1; territory <= QLocale::LastTerritory; ++territory) {
        const QString name = QLocale::territoryToString(static_cast<QLocale::Territory>(territory));
        if (!name.isEmpty())
            names.append(name);
    }
    const QCollator collator = CountryCollator();
    std::stable_sort(names.begin(), names.end(),
                     [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return names;
}

UserInfoDialog::UserInfoDialog(UserProfile& profile, QWidget* parent)
    : QDialog(parent)
    , m_profile(profile)
    , m_nickname(MakeEdit(0, this))
    , m_firstName(MakeEdit(kFirstNameLimit, this))
    , m_lastName(MakeEdit(kLastNameLimit, this))
    , m_birthDate(MakeEdit(kBirthDateLimit, this))
    , m_email(MakeEdit(kEmailLimit, this))
    , m_city(MakeEdit(kCityLimit, this))
    , m_country(new QComboBox(this))
    , m_ok(MakeButton(kOkText, this))
    , m_back(MakeButton(kBackText, this))
{
    setWindowTitle(QString::fromUtf8(kTitle));
    setModal(true);

    // The name is the base of the user's files: shown, never edited here.
    m_nickname->setReadOnly(true);
    m_country->setEditable(false);
    m_country->setMaxVisibleItems(16);
    m_country->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_country->setMinimumContentsLength(12);
    m_ok->setDefault(true);

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(9);
    form->addLayout(Cell(MakeLabel(kNicknameText, this), m_nickname), 0, 0);
    form->addLayout(Cell(MakeLabel(kNameText, this), m_firstName), 1, 0);
    form->addLayout(Cell(MakeLabel(kNameText, this), m_lastName), 1, 1);
    form->addLayout(Cell(MakeLabel(kEmailText, this), m_email), 2, 0);
    form->addLayout(Cell(MakeLabel(kBirthDateText, this), m_birthDate), 2, 1);
    form->addLayout(Cell(MakeLabel(kCityText, this), m_city), 3, 0);
    form->addLayout(Cell(MakeLabel(kCountryText, this), m_country), 3, 1);
    // Two columns of one width: the e-mail address needs the room as much as the country.
    form->setColumnMinimumWidth(0, 190);
    form->setColumnMinimumWidth(1, 190);
    form->setColumnStretch(0, 1);
    form->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_back);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(16);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_nickname, m_firstName);
    setTabOrder(m_firstName, m_lastName);
    setTabOrder(m_lastName, m_email);
    setTabOrder(m_email, m_birthDate);
    setTabOrder(m_birthDate, m_city);
    setTabOrder(m_city, m_country);
    setTabOrder(m_country, m_ok);
    setTabOrder(m_ok, m_back);

    connect(m_ok, &QPushButton::clicked, this, &UserInfoDialog::OnOk);
    connect(m_back, &QPushButton::clicked, this, &UserInfoDialog::reject);
}

int UserInfoDialog::exec()
{
    OnInitDialog();
    if (std::optional<ScriptedInput> answer = Script::Take()) {
        for (const auto& [id, text] : answer->texts) {
            if (id == kCountryId) {
                const int index = m_country->findText(text, Qt::MatchFixedString);
                if (index >= 0)
                    m_country->setCurrentIndex(index);
            } else if (auto* edit = qobject_cast<QLineEdit*>(Control(id)); edit && !edit->isReadOnly()) {
                edit->setText(text);
            }
        }
        if (answer->accept)
            OnOk();
        else
            reject();
        return result();
    }
    return QDialog::exec();
}

QWidget* UserInfoDialog::Control(int id) const
{
    return ControlById(id, {{kNicknameId, m_nickname},
                            {kFirstNameId, m_firstName},
                            {kLastNameId, m_lastName},
                            {kBirthDateId, m_birthDate},
                            {kEmailId, m_email},
                            {kCityId, m_city},
                            {kCountryId, m_country},
                            {kOkId, m_ok},
                            {kBackId, m_back}});
}

void UserInfoDialog::OnInitDialog()
{
    DialogFont::Apply(this);
    const UserProfile& profile = m_profile;
    // Texts longer than a field's limit (a damaged file) are cut to it.
    m_nickname->setText(ProgramText::ToQString(profile.Name()));
    m_firstName->setText(ProgramText::ToQString(profile.firstName));
    m_lastName->setText(ProgramText::ToQString(profile.lastName));
    m_birthDate->setText(ProgramText::ToQString(profile.birthDate));
    m_email->setText(ProgramText::ToQString(profile.email));
    m_city->setText(ProgramText::ToQString(profile.city));
    const QString country = profile.country.empty() ? DialogText::FromTable(kDefaultCountry)
                                                    : ProgramText::ToQString(profile.country);

    m_country->clear();
    m_country->addItems(CountryNames());
    SelectCountry(country);
    m_firstName->setFocus();
}

void UserInfoDialog::SelectCountry(const QString& country)
{
    // The first entry that begins with the name, searching from the second entry on and
    // wrapping around to the first. Names are compared as the user's file keeps them.
    const QString wanted = AsStored(country);
    const int count = m_country->count();
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        if (AsStored(m_country->itemText(index)).startsWith(wanted, Qt::CaseInsensitive)) {
            m_country->setCurrentIndex(index);
            return;
        }
    }
    // A name this system does not list (another system's spelling) stays the user's
    // choice, so that OK does not drop it.
    const QCollator collator = CountryCollator();
    int position = 0;
    while (position < count && collator.compare(m_country->itemText(position), country) <= 0)
        ++position;
    m_country->insertItem(position, country);
    m_country->setCurrentIndex(position);
}

void UserInfoDialog::OnOk()
{
    UserProfile& profile = m_profile;
    profile.firstName = ProgramText::FromQString(m_firstName->text());
    profile.lastName = ProgramText::FromQString(m_lastName->text());
    profile.birthDate = ProgramText::FromQString(m_birthDate->text());
    profile.email = ProgramText::FromQString(m_email->text());
    profile.city = ProgramText::FromQString(m_city->text());
    profile.country = ProgramText::FromQString(m_country->currentText());
    profile.SetDirty();
    accept();
}
