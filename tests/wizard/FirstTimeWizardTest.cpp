#include "WizardTestFolder.h"
#include "support/ModalRun.h"
#include "support/QtTestEnvironment.h"

#include "resources/StringTable.h"
#include "widgets/FullRowListView.h"
#include "wizard/CFirstTimePage.h"
#include "wizard/CFirstTimePage0.h"
#include "wizard/CFirstTimePage1.h"
#include "wizard/CFirstTimePage2.h"
#include "wizard/CFirstTimeWizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <memory>
#include <set>

namespace {

QString Q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList Row(const FullRowListView* list, int row)
{
    const QTreeWidgetItem* item = list->topLevelItem(row);
    if (!item)
        return {};
    return {item->text(0), item->text(1), item->text(2)};
}

class FirstTimeWizardTest : public WizardTestFolder
{
protected:
    void SetUp() override
    {
        WizardTestFolder::SetUp();
        CFirstTimeWizard::ClearNextAnswer();
        // A new account: no keyboard and no lesson set yet.
        Profile().LoadUser("Anna", false);
        WriteListFiles();
        for (const char* name : {"00000407", "00000409", "0000040C", "NUM"})
            WriteKeyboardFile(name);
        WriteCourse("00000407_b", {"Grundreihe", "asdf:1:70:1:", "asdf", "", "Rechte Hand", "jklö:0:", "jklö",
                                   "", "E und I", "ei:1:90:0.5:", "eis"});
        WriteCourse("00000407_a", {"Grundreihe", "asdf:0:", "asdf", "", "Oben", "qwer:1:100:3:", "qwer", "",
                                   "Unten", "yxcv:1:120:2.5:", "yxcv"});
        WriteCourse("NUM_a", {"Mitte", "456:0:", "456", "", "Oben", "789:1:50:2:", "789"});
    }

    void TearDown() override
    {
        CFirstTimeWizard::ClearNextAnswer();
        WizardTestFolder::TearDown();
    }

    // keyboards.txt and lessons.txt.
    void WriteListFiles()
    {
        WriteConfigText("keyboards.txt", {
                                             "; Tastaturen",
                                             "00000407:Deutsch (Deutschland):",
                                             "0000040C:Französisch (Frankreich):",
                                             "00000407:Deutsch (Österreich):",
                                             "NUM:Ziffernblock:",
                                         });
        WriteConfigText("lessons.txt",
                        {
                            "; Kurse",
                            "00000407_a:00000407:Deutsch, Grundkurs:Zehn Finger von Anfang an.:",
                            "0000040C_a:0000040C:Französisch:Cours.:",
                            "ohne Felder",
                            "00000407_b:00000407:Deutsch, Aufbaukurs:Für Geübte.:",
                            "NUM_a:NUM:Ziffernblock, Grundkurs:Zahlen.:",
                        });
    }

    // A wizard whose system accepts only the German layout; every name asked is noted.
    std::unique_ptr<CFirstTimeWizard> MakeWizard(bool startAtTestPage = false)
    {
        auto isAvailable = [this](const std::string& name) {
            m_asked.push_back(name);
            return name == "00000407";
        };
        return std::make_unique<CFirstTimeWizard>(Profile(), Catalog(), isAvailable, startAtTestPage);
    }

    static bool Open(const CFirstTimeWizard& wizard, QWizard::WizardButton which)
    {
        const QAbstractButton* button = wizard.button(which);
        return button->isVisible() && button->isEnabled();
    }
    static bool Shown(const CFirstTimeWizard& wizard, QWizard::WizardButton which)
    {
        return wizard.button(which)->isVisible();
    }
    static void Click(CFirstTimeWizard& wizard, QWizard::WizardButton which)
    {
        ASSERT_TRUE(Open(wizard, which)) << "button " << which;
        wizard.button(which)->click();
    }

    // From the keyboard page on to the test page, both boxes ticked.
    static void OnToTestPage(CFirstTimeWizard& wizard)
    {
        Click(wizard, QWizard::NextButton);
        wizard.StartPage()->QualifyBox()->click();
        Click(wizard, QWizard::NextButton);
        Click(wizard, QWizard::NextButton);
        ASSERT_EQ(wizard.currentId(), CFirstTimeWizard::kTestPage);
    }

    std::vector<std::string> m_asked;
};

} // namespace

TEST_F(FirstTimeWizardTest, OffersTheKeyboardsTheSystemAcceptsAndAlwaysTheKeypad)
{
    auto wizard = MakeWizard();
    wizard->show();
    EXPECT_EQ(wizard->windowTitle(), Q("Erster Test"));
    ASSERT_EQ(wizard->currentId(), CFirstTimeWizard::kKeyboardPage);

    CFirstTimePage* page = wizard->KeyboardPage();
    // Every keyboard file is put to the system; 00000409 has no entry in the list and the
    // French layout is refused. Two entries of one keyboard name give two rows.
    EXPECT_EQ(m_asked, (std::vector<std::string>{"00000407", "00000409", "0000040C", "NUM"}));
    EXPECT_EQ(Items(page->KeyboardBox()),
              (QStringList{Q("Deutsch (Deutschland)"), Q("Deutsch (Österreich)"), Q("Ziffernblock")}));
    EXPECT_TRUE(page->keyboardFound);
    EXPECT_EQ(page->KeyboardBox()->currentIndex(), 0);
    EXPECT_TRUE(wizard->Messages().isEmpty());
}

TEST_F(FirstTimeWizardTest, CourseListFollowsTheKeyboardAndNextHandsTheCourseToTheProfile)
{
    auto wizard = MakeWizard();
    wizard->show();
    CFirstTimePage* page = wizard->KeyboardPage();
    // The keyboard's courses in file order, the last one selected with its description.
    EXPECT_EQ(Items(page->SeriesBox()), (QStringList{Q("Deutsch, Grundkurs"), Q("Deutsch, Aufbaukurs")}));
    EXPECT_EQ(page->SeriesBox()->currentIndex(), 1);
    EXPECT_EQ(page->DescriptionLabel()->text(), Q("Für Geübte."));

    page->SeriesBox()->setCurrentIndex(0);
    EXPECT_EQ(page->DescriptionLabel()->text(), Q("Zehn Finger von Anfang an."));

    page->KeyboardBox()->setCurrentIndex(2);
    EXPECT_EQ(Items(page->SeriesBox()), (QStringList{Q("Ziffernblock, Grundkurs")}));
    EXPECT_EQ(page->DescriptionLabel()->text(), Q("Zahlen."));

    // The Austrian entry is the same keyboard: the same courses.
    page->KeyboardBox()->setCurrentIndex(1);
    page->SeriesBox()->setCurrentIndex(0);
    EXPECT_EQ(Profile().KeyboardId(), "");
    Click(*wizard, QWizard::NextButton);
    EXPECT_EQ(wizard->currentId(), CFirstTimeWizard::kStartPage);
    EXPECT_EQ(Profile().KeyboardId(), "00000407");
    EXPECT_EQ(Profile().LessonSet(), "_a");
    EXPECT_FALSE(Profile().IsDirty());
}

TEST_F(FirstTimeWizardTest, ButtonsFollowThePagesAndTheirCheckBoxes)
{
    auto wizard = MakeWizard();
    wizard->show();
    const CFirstTimeWizard& w = *wizard;
    EXPECT_EQ(w.button(QWizard::BackButton)->text(), Q("< &Zurück"));
    EXPECT_EQ(w.button(QWizard::NextButton)->text(), Q("&Weiter >"));
    EXPECT_EQ(w.button(QWizard::CancelButton)->text(), Q("Abbrechen"));

    // Keyboard page: Back shown but disabled, Next.
    EXPECT_TRUE(Shown(w, QWizard::BackButton));
    EXPECT_FALSE(Open(w, QWizard::BackButton));
    EXPECT_TRUE(Open(w, QWizard::NextButton));
    EXPECT_FALSE(Shown(w, QWizard::FinishButton));
    EXPECT_TRUE(Open(w, QWizard::CancelButton));

    // Start page: with the box clear Finish takes the place of Next.
    Click(*wizard, QWizard::NextButton);
    QCheckBox* qualify = wizard->StartPage()->QualifyBox();
    EXPECT_FALSE(qualify->isChecked());
    EXPECT_TRUE(Open(w, QWizard::BackButton));
    EXPECT_FALSE(Shown(w, QWizard::NextButton));
    EXPECT_TRUE(Open(w, QWizard::FinishButton));
    EXPECT_EQ(w.button(QWizard::FinishButton)->text(), Q("Fertig stellen"));
    qualify->click();
    EXPECT_TRUE(Open(w, QWizard::NextButton));
    EXPECT_FALSE(Shown(w, QWizard::FinishButton));

    // Basics page: the box starts ticked; clearing it offers Finish and shows the two lines.
    Click(*wizard, QWizard::NextButton);
    CFirstTimePage1* basics = wizard->BasicsPage();
    EXPECT_TRUE(basics->BasicsBox()->isChecked());
    EXPECT_TRUE(Open(w, QWizard::NextButton));
    EXPECT_FALSE(basics->StartAdvice()->isVisible());
    EXPECT_FALSE(basics->Reassurance()->isVisible());
    basics->BasicsBox()->click();
    EXPECT_FALSE(Shown(w, QWizard::NextButton));
    EXPECT_TRUE(Open(w, QWizard::FinishButton));
    EXPECT_TRUE(basics->StartAdvice()->isVisible());
    EXPECT_TRUE(basics->Reassurance()->isVisible());
    basics->BasicsBox()->click();
    EXPECT_TRUE(Open(w, QWizard::NextButton));
    EXPECT_FALSE(basics->StartAdvice()->isVisible());

    // Test page: only Back until a lesson is picked, then only "Testen" and Cancel.
    Click(*wizard, QWizard::NextButton);
    EXPECT_TRUE(Open(w, QWizard::BackButton));
    EXPECT_TRUE(Shown(w, QWizard::NextButton));
    EXPECT_FALSE(Open(w, QWizard::NextButton));
    EXPECT_FALSE(Shown(w, QWizard::FinishButton));
    EXPECT_EQ(w.chosenLesson, -1);
    wizard->TestPage()->Choose(1);
    EXPECT_EQ(w.chosenLesson, 2);
    EXPECT_TRUE(Open(w, QWizard::FinishButton));
    EXPECT_EQ(w.button(QWizard::FinishButton)->text(), Q("Testen"));
    EXPECT_FALSE(Shown(w, QWizard::BackButton));
    EXPECT_FALSE(Shown(w, QWizard::NextButton));
    EXPECT_TRUE(Open(w, QWizard::CancelButton));
    wizard->TestPage()->Choose(0);
    EXPECT_EQ(w.chosenLesson, 0);
    EXPECT_TRUE(Open(w, QWizard::FinishButton));
    EXPECT_FALSE(Shown(w, QWizard::BackButton));
}

TEST_F(FirstTimeWizardTest, TestPageListsTheTestLessonsOfTheCourseChosenLast)
{
    auto wizard = MakeWizard();
    wizard->show();
    OnToTestPage(*wizard);
    const FullRowListView* list = wizard->TestPage()->LessonList();
    ASSERT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->headerItem()->text(0), Q("Buchstaben, die im Text verwendet wurden."));
    EXPECT_EQ(list->headerItem()->text(1), Q("Fehlerquote in Prozent"));
    EXPECT_EQ(list->headerItem()->text(2), Q("Anschläge pro Min."));
    EXPECT_GE(list->columnWidths()[0], CFirstTimePage2::kLettersWidth);
    EXPECT_GE(list->columnWidths()[1], CFirstTimePage2::kLimitWidth);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    // All three columns are in sight, the letters taking what the limits leave.
    const std::vector<int> widths = list->columnWidths();
    EXPECT_LE(widths[0] + widths[1] + widths[2], list->viewport()->width());
    EXPECT_GT(widths[0], CFirstTimePage2::kLettersWidth);

    // Lessons 0 and 2 are test entries; the letters run on through lesson 1.
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(Row(list, 0), (QStringList{Q("asdf"), Q("1.00"), Q("70.00")}));
    EXPECT_EQ(Row(list, 1), (QStringList{Q("asdfjklöei"), Q("0.50"), Q("90.00")}));

    // Back to the keyboard page for the keypad: the test page lists its course instead.
    for (int i = 0; i < 3; ++i)
        Click(*wizard, QWizard::BackButton);
    ASSERT_EQ(wizard->currentId(), CFirstTimeWizard::kKeyboardPage);
    wizard->KeyboardPage()->KeyboardBox()->setCurrentIndex(2);
    Click(*wizard, QWizard::NextButton);
    Click(*wizard, QWizard::NextButton);
    Click(*wizard, QWizard::NextButton);
    ASSERT_EQ(wizard->currentId(), CFirstTimeWizard::kTestPage);
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(Row(list, 0), (QStringList{Q("456789"), Q("2.00"), Q("50.00")}));
    wizard->TestPage()->Choose(0);
    EXPECT_EQ(wizard->chosenLesson, 1);
}

TEST_F(FirstTimeWizardTest, OpensOnTheTestPageAfterAFailedTestAndBackReachesTheEarlierPages)
{
    Profile().SetKeyboardId("NUM");
    Profile().SetLessonSet("_a");
    auto wizard = MakeWizard(true);
    wizard->show();
    ASSERT_EQ(wizard->currentId(), CFirstTimeWizard::kTestPage);
    // The keyboard page has not been set up: no layout was switched.
    EXPECT_FALSE(wizard->KeyboardPage()->IsInitialised());
    EXPECT_TRUE(m_asked.empty());
    EXPECT_EQ(Row(wizard->TestPage()->LessonList(), 0), (QStringList{Q("456789"), Q("2.00"), Q("50.00")}));
    EXPECT_TRUE(Open(*wizard, QWizard::BackButton));
    EXPECT_FALSE(Open(*wizard, QWizard::NextButton));

    Click(*wizard, QWizard::BackButton);
    EXPECT_EQ(wizard->currentId(), CFirstTimeWizard::kBasicsPage);
    EXPECT_TRUE(Open(*wizard, QWizard::BackButton));
    Click(*wizard, QWizard::BackButton);
    EXPECT_EQ(wizard->currentId(), CFirstTimeWizard::kStartPage);
    Click(*wizard, QWizard::BackButton);
    EXPECT_EQ(wizard->currentId(), CFirstTimeWizard::kKeyboardPage);
    EXPECT_FALSE(Open(*wizard, QWizard::BackButton));
    EXPECT_TRUE(wizard->KeyboardPage()->IsInitialised());
    EXPECT_FALSE(m_asked.empty());
    // Only Next from the keyboard page changes the profile.
    EXPECT_EQ(Profile().KeyboardId(), "NUM");
    OnToTestPage(*wizard);
    EXPECT_EQ(Profile().KeyboardId(), "00000407");
    EXPECT_EQ(wizard->TestPage()->LessonList()->topLevelItemCount(), 2);
}

TEST_F(FirstTimeWizardTest, ScriptedAnswersRunThePagesAndReportFinishAndTheChosenLesson)
{
    struct Case
    {
        const char* what;
        CFirstTimeWizard::Answer answer;
        bool startAtTestPage;
        bool finished;
        int chosenLesson;
        const char* keyboardId;
        const char* lessonSet;
    };
    const Case cases[] = {
        {"start from the beginning", {}, false, true, -1, "00000407", "_b"},
        {"test on the keypad", {2, -1, true, true, 0, true}, false, true, 1, "NUM", "_a"},
        {"the first course", {1, 0, true, true, 1, true}, false, true, 2, "00000407", "_a"},
        {"no basics", {0, -1, true, false, -1, true}, false, true, -1, "00000407", "_b"},
        {"no lesson picked", {0, -1, true, true, -1, true}, false, false, -1, "00000407", "_b"},
        {"picked, then cancelled", {0, -1, true, true, 1, false}, false, false, 2, "00000407", "_b"},
        {"cancelled at once", {0, -1, false, true, -1, false}, false, false, -1, "00000407", "_b"},
        {"after a failed test", {0, -1, false, true, 0, true}, true, true, 1, "NUM", "_a"},
        {"after a failed test, back to another keyboard",
         {0, -1, true, true, 1, true, true},
         true,
         true,
         2,
         "00000407",
         "_b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Profile().SetKeyboardId("NUM");
        Profile().SetLessonSet("_a");
        auto wizard = MakeWizard(c.startAtTestPage);
        wizard->chosenLesson = 9;
        CFirstTimeWizard::SetNextAnswer(c.answer);
        const ExerciseDialogs::WizardResult result = wizard->Run();
        EXPECT_FALSE(CFirstTimeWizard::HasNextAnswer());
        EXPECT_FALSE(wizard->isVisible());
        EXPECT_EQ(result.finished, c.finished);
        EXPECT_EQ(result.chosenLesson, c.chosenLesson);
        EXPECT_EQ(Profile().KeyboardId(), c.keyboardId);
        EXPECT_EQ(Profile().LessonSet(), c.lessonSet);
        EXPECT_TRUE(wizard->Messages().isEmpty());
    }
}

TEST_F(FirstTimeWizardTest, MissingListFileShowsTheLoadFailureAndKeepsNextDisabled)
{
    for (const char* missing : {"lessons.txt", "keyboards.txt"}) {
        SCOPED_TRACE(missing);
        std::filesystem::remove(m_root + "config/" + missing);
        m_asked.clear();
        auto wizard = MakeWizard();
        CFirstTimeWizard::SetNextAnswer({});
        const ExerciseDialogs::WizardResult result = wizard->Run();
        EXPECT_EQ(wizard->Messages(), QStringList{Q("error CFirstTimePage::OnInitDialog")});
        EXPECT_FALSE(result.finished);
        EXPECT_EQ(wizard->KeyboardPage()->KeyboardBox()->count(), 0);
        EXPECT_EQ(wizard->KeyboardPage()->SeriesBox()->count(), 0);
        EXPECT_FALSE(wizard->button(QWizard::NextButton)->isEnabled());
        EXPECT_TRUE(m_asked.empty());
        EXPECT_EQ(Profile().KeyboardId(), "");
        WriteListFiles();
    }
}

TEST_F(FirstTimeWizardTest, WithoutAUsableKeyboardItSaysSoAndCanOnlyBeCancelled)
{
    std::filesystem::remove(m_root + "config/NUM.kdd");
    auto wizard = std::make_unique<CFirstTimeWizard>(
        Profile(), Catalog(), [](const std::string&) { return false; }, false);
    CFirstTimeWizard::SetNextAnswer({});
    const ExerciseDialogs::WizardResult result = wizard->Run();
    EXPECT_EQ(wizard->Messages(), QStringList{QString::fromStdString(StringTable::Utf8(501))});
    EXPECT_FALSE(result.finished);
    EXPECT_FALSE(wizard->KeyboardPage()->keyboardFound);
    EXPECT_FALSE(wizard->button(QWizard::NextButton)->isEnabled());
    EXPECT_TRUE(wizard->button(QWizard::CancelButton)->isEnabled());
}

TEST_F(FirstTimeWizardTest, KeyboardWithoutACourseCannotBeTaken)
{
    WriteConfigText("lessons.txt", {"NUM_a:NUM:Ziffernblock:Zahlen.:"});
    auto wizard = MakeWizard();
    wizard->show();
    CFirstTimePage* page = wizard->KeyboardPage();
    EXPECT_EQ(page->SeriesBox()->count(), 0);
    EXPECT_EQ(page->DescriptionLabel()->text(), QString());
    EXPECT_FALSE(Open(*wizard, QWizard::NextButton));
    page->KeyboardBox()->setCurrentIndex(2);
    EXPECT_EQ(page->DescriptionLabel()->text(), Q("Zahlen."));
    EXPECT_TRUE(Open(*wizard, QWizard::NextButton));
    page->KeyboardBox()->setCurrentIndex(0);
    EXPECT_EQ(page->DescriptionLabel()->text(), QString());
    EXPECT_FALSE(Open(*wizard, QWizard::NextButton));
}

TEST_F(FirstTimeWizardTest, ShownWizardPutsUpTheMessageBoxTitledWithTheProductName)
{
    std::filesystem::remove(m_root + "config/lessons.txt");
    auto wizard = MakeWizard();
    QString caption, text;
    const int code = RunModal(*wizard, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        }
        QTimer::singleShot(0, wizard.get(), [&] { wizard->button(QWizard::CancelButton)->click(); });
    });
    EXPECT_EQ(code, QDialog::Rejected);
    EXPECT_EQ(caption, Q("Tippwerk"));
    EXPECT_EQ(text, Q("error CFirstTimePage::OnInitDialog"));
}

TEST_F(FirstTimeWizardTest, ShownWizardIsDrivenByItsButtons)
{
    auto wizard = MakeWizard();
    ExerciseDialogs::WizardResult result;
    RunModal(
        *wizard,
        [&] {
            OnToTestPage(*wizard);
            wizard->TestPage()->Choose(1);
            Click(*wizard, QWizard::FinishButton);
        },
        [&] {
            result = wizard->Run();
            return 0;
        });
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.chosenLesson, 2);
    EXPECT_EQ(Profile().LessonSet(), "_b");
}
