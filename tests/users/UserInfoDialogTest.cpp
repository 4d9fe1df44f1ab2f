#include "UserDialogTestFolder.h"
#include "support/ModalRun.h"
#include "widgets/DialogFont.h"

#include <QCollator>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <map>

namespace {

class UserInfoDialogTest : public UserDialogTestFolder
{
protected:
    void SetUp() override
    {
        UserDialogTestFolder::SetUp();
        WriteLines(Users() + "Anna.dat", {"Anna", "geheim", "00000407", "_a", ""});
        WriteLines(Users() + "Anna.dit",
                   {"Anna", "Berg", "1.2.1990", "anna@example.org", "Brno", "Czech Republic"});
        UserProfile& profile = Profile();
        profile.ScanUsers(Users() + "*.dat");
        ASSERT_TRUE(profile.LoadUser("Anna", false));
    }

    static QLineEdit* Edit(const UserInfoDialog& dialog, int id)
    {
        return qobject_cast<QLineEdit*>(dialog.Control(id));
    }

    static QComboBox* Country(const UserInfoDialog& dialog)
    {
        return qobject_cast<QComboBox*>(dialog.Control(UserInfoDialog::kCountryId));
    }

    static QStringList Countries(const UserInfoDialog& dialog)
    {
        QStringList names;
        for (int i = 0; i < Country(dialog)->count(); ++i)
            names.append(Country(dialog)->itemText(i));
        return names;
    }
};

TEST_F(UserInfoDialogTest, ShowsTheDetailsAndZurueckChangesNothing)
{
    UserInfoDialog::SetNextAnswer(false, {{UserInfoDialog::kFirstNameId, QStringLiteral("Berta")},
                                          {UserInfoDialog::kCountryId, QStringLiteral("France")}});
    UserInfoDialog dialog(Profile());
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Information"));
    EXPECT_EQ(Edit(dialog, UserInfoDialog::kNicknameId)->text(), QStringLiteral("Anna"));
    EXPECT_TRUE(Edit(dialog, UserInfoDialog::kNicknameId)->isReadOnly());
    EXPECT_EQ(Edit(dialog, UserInfoDialog::kLastNameId)->text(), QStringLiteral("Berg"));
    EXPECT_EQ(Edit(dialog, UserInfoDialog::kBirthDateId)->text(), QStringLiteral("1.2.1990"));
    EXPECT_EQ(Edit(dialog, UserInfoDialog::kEmailId)->text(), QStringLiteral("anna@example.org"));
    EXPECT_EQ(Edit(dialog, UserInfoDialog::kCityId)->text(), QStringLiteral("Brno"));
    EXPECT_EQ(qobject_cast<QPushButton*>(dialog.Control(UserInfoDialog::kBackId))->text(),
              QStringLiteral("&Zurück"));
    EXPECT_EQ(dialog.Control(UserInfoDialog::kCountryId)->font(), DialogFont::Font());

    const UserProfile& profile = Profile();
    EXPECT_EQ(profile.firstName, "Anna");
    EXPECT_EQ(profile.country, "Czech Republic");
    EXPECT_FALSE(profile.IsDirty());
}

TEST_F(UserInfoDialogTest, OkStoresTheFieldsWithinTheirLimits)
{
    const QString longText(60, QLatin1Char('x'));
    std::map<int, QString> texts;
    for (int id : {UserInfoDialog::kFirstNameId, UserInfoDialog::kLastNameId, UserInfoDialog::kBirthDateId,
                   UserInfoDialog::kEmailId, UserInfoDialog::kCityId})
        texts[id] = longText;
    texts[UserInfoDialog::kCityId] = QStringLiteral("Brünn");
    texts[UserInfoDialog::kCountryId] = QStringLiteral("france");
    texts[UserInfoDialog::kNicknameId] = QStringLiteral("Berta"); // read-only: ignored
    UserInfoDialog::SetNextAnswer(true, texts);
    UserInfoDialog dialog(Profile());
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);

    const UserProfile& profile = Profile();
    EXPECT_EQ(profile.Name(), "Anna");
    EXPECT_EQ(profile.firstName, std::string(30, 'x'));
    EXPECT_EQ(profile.lastName, std::string(30, 'x'));
    EXPECT_EQ(profile.birthDate, std::string(10, 'x'));
    EXPECT_EQ(profile.email, std::string(40, 'x'));
    EXPECT_EQ(profile.city, "Br\xFCnn"); // Windows-1250 in the user's file
    EXPECT_EQ(profile.country, "France");
    EXPECT_TRUE(profile.IsDirty());

    UserInfoDialog typed(Profile());
    RunModal(typed, [&] {
        QLineEdit* city = Edit(typed, UserInfoDialog::kCityId);
        city->clear();
        city->setFocus();
        QTest::keyClicks(city, longText);
        EXPECT_EQ(city->text().size(), UserInfoDialog::kCityLimit);
        QTest::mouseClick(qobject_cast<QPushButton*>(typed.Control(UserInfoDialog::kOkId)), Qt::LeftButton);
    });
    EXPECT_EQ(profile.city, std::string(50, 'x'));
}

TEST_F(UserInfoDialogTest, CountryListIsSortedWithGermanyForUsersWithoutOne)
{
    const QStringList names = UserInfoDialog::CountryNames();
    EXPECT_GT(names.size(), 200);
    EXPECT_TRUE(names.contains(QStringLiteral("Germany")));
    EXPECT_TRUE(names.contains(QStringLiteral("Czechia")));
    EXPECT_FALSE(names.contains(QString()));
    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (qsizetype i = 1; i < names.size(); ++i)
        EXPECT_LE(collator.compare(names[i - 1], names[i]), 0) << names[i - 1].toStdString();

    Profile().country.clear();
    UserInfoDialog::SetNextAnswer(true);
    UserInfoDialog dialog(Profile());
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(Countries(dialog), names);
    EXPECT_EQ(Country(dialog)->currentText(), QStringLiteral("Germany"));
    EXPECT_EQ(Profile().country, "Germany");
}

TEST_F(UserInfoDialogTest, StoredCountriesAreFoundByTheirBeginningOrKept)
{
    // Another system's spelling is kept as an entry of its own.
    UserInfoDialog::SetNextAnswer(true);
    UserInfoDialog kept(Profile());
    EXPECT_EQ(kept.exec(), QDialog::Accepted);
    EXPECT_EQ(Country(kept)->currentText(), QStringLiteral("Czech Republic"));
    EXPECT_EQ(Country(kept)->count(), UserInfoDialog::CountryNames().size() + 1);
    EXPECT_EQ(Profile().country, "Czech Republic");

    // Case does not matter, and the search starts at the second entry.
    UserProfile& profile = Profile();
    profile.country = "ger";
    UserInfoDialog::SetNextAnswer(false);
    UserInfoDialog prefix(Profile());
    prefix.exec();
    EXPECT_EQ(Country(prefix)->currentText(), QStringLiteral("Germany"));

    const QString first = UserInfoDialog::CountryNames().front();
    profile.country = first.left(1).toStdString();
    UserInfoDialog::SetNextAnswer(false);
    UserInfoDialog wrapped(Profile());
    wrapped.exec();
    EXPECT_NE(Country(wrapped)->currentIndex(), 0);
    EXPECT_TRUE(Country(wrapped)->currentText().startsWith(first.left(1)));
}

} // namespace
