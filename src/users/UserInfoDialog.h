#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <map>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UserProfile;

// The logged-in user's personal details and country. OK stores them into
// the profile and marks the user changed (written at the next save);
// "&Zurück", Escape and the close box change nothing.
class UserInfoDialog : public QDialog
{
    Q_OBJECT

public:
    // Control ids of the dialog's template.
    static constexpr int kTemplateId = 102;
    static constexpr int kNicknameId = 4601;
    static constexpr int kFirstNameId = 4602;
    static constexpr int kLastNameId = 4603;
    static constexpr int kBirthDateId = 4604;
    static constexpr int kEmailId = 4605;
    static constexpr int kCityId = 4606;
    static constexpr int kCountryId = 1013;
    static constexpr int kOkId = 1;
    static constexpr int kBackId = 2;

    // Most characters each detail field takes.
    static constexpr int kFirstNameLimit = 30;
    static constexpr int kLastNameLimit = 30;
    static constexpr int kBirthDateLimit = 10;
    static constexpr int kEmailLimit = 40;
    static constexpr int kCityLimit = 50;

    // The answer the next exec() gives without showing the dialog: `texts` are typed into
    // the detail fields by control id (their limits apply) and, for kCountryId, pick the
    // country of that name; then OK (`accept`) or "&Zurück" is pressed.
    static void SetNextAnswer(bool accept, const std::map<int, QString>& texts = {});
    static void ClearNextAnswer();
    static bool HasNextAnswer();

    // The English names of the countries and regions the system knows, in the order the
    // country list shows them.
    static QStringList CountryNames();

    explicit UserInfoDialog(UserProfile& profile, QWidget* parent = nullptr);

    int exec() override;

    // The control of a template id, for tests and hosts; nullptr for an unknown id.
    QWidget* Control(int id) const;

private:
    void OnInitDialog();
    void SelectCountry(const QString& country);
    void OnOk();

    UserProfile& m_profile;
    QLineEdit* m_nickname;
    QLineEdit* m_firstName;
    QLineEdit* m_lastName;
    QLineEdit* m_birthDate;
    QLineEdit* m_email;
    QLineEdit* m_city;
    QComboBox* m_country;
    QPushButton* m_ok;
    QPushButton* m_back;
};
