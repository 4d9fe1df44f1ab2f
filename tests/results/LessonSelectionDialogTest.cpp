#include "results/LessonSelectionDialog.h"
#include "exercise/TypingSession.h"

#include "exercise/LessonCatalog.h"
#include "exercise/LineFile.h"
#include "resources/ProgramPaths.h"
#include "resources/StringTable.h"
#include "resources/TextCodec.h"
#include "results/ProgressIcons.h"
#include "settings/WindowPlacementStore.h"
#include "users/UserProfile.h"
#include "widgets/DialogFont.h"
#include "widgets/FullRowListView.h"
#include "support/QtTestEnvironment.h"

#include "support/ModalRun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace {

using Answer = LessonSelectionDialog::Answer;

constexpr std::int64_t kSomeDate = 1'700'000'000;

QString Utf8(const std::string& windows1250)
{
    return QString::fromStdString(TextCodec::ToUtf8(windows1250));
}

// A program folder with a course of `lessons` lessons (none: no lesson file at all), a
// placement store of its own and a user without records.
class LessonSelectionDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = m_dir.path().toStdString() + '/';
        std::filesystem::create_directories(m_root + "lessons");
        ProgramPaths::SetProgramFolderForTesting(m_root);
        m_settings = m_dir.filePath(QStringLiteral("placements.ini"));
        WindowPlacementStore::SetSettingsFileForTesting(m_settings.toStdString());
        ResetState();
    }

    void TearDown() override
    {
        LessonSelectionDialog::ClearNextAnswer();
        WindowPlacementStore::SetSettingsFileForTesting({});
        // Gone before its folder: a changed user saves itself on the way out.
        m_session.reset();
        ProgramPaths::SetProgramFolderForTesting({});
    }

    void ResetState() { m_session = std::make_unique<TypingSession>(); }

    // Lesson 1 is titled in Windows-1250 with its own limits; the others keep the defaults.
    void WriteCourse(int lessons)
    {
        LineFile file;
        file.AddLine("00000407_a");
        for (int i = 0; i < lessons; ++i) {
            if (i > 0)
                file.AddLine("");
            if (i == 0) {
                file.AddLine(TextCodec::FromUtf8("Grundreihe: a s d f j k l ö"));
                file.AddLine(TextCodec::FromUtf8("asdfjklö:0:60.00:3.00:"));
            } else {
                file.AddLine("Lektion " + std::to_string(i + 1));
                file.AddLine("gh:0:");
            }
            file.AddLine(TextCodec::FromUtf8("fff jjj ddd kkk ööö¤"));
        }
        ASSERT_TRUE(file.SaveLines(m_root + "lessons/00000407_a.ddd"));
        Catalog().ReloadLessons();
        ASSERT_EQ(Catalog().LessonCount(), lessons);
    }

    UserProfile& User() { return m_session->profile; }
    LessonCatalog& Catalog() { return m_session->catalog; }

    // Runs the dialog with a scripted answer.
    static int Run(LessonSelectionDialog& dialog, Answer answer)
    {
        LessonSelectionDialog::SetNextAnswer(std::move(answer));
        const int result = dialog.exec();
        EXPECT_FALSE(LessonSelectionDialog::HasNextAnswer());
        EXPECT_FALSE(dialog.isVisible());
        return result;
    }

    static FullRowListView* List(const LessonSelectionDialog& dialog)
    {
        return qobject_cast<FullRowListView*>(dialog.Control(LessonSelectionDialog::kListId));
    }

    static QAbstractButton* Button(const LessonSelectionDialog& dialog, int id)
    {
        return qobject_cast<QAbstractButton*>(dialog.Control(id));
    }

    static QStringList Row(const LessonSelectionDialog& dialog, int row)
    {
        QStringList texts;
        const QTreeWidgetItem* item = List(dialog)->topLevelItem(row);
        for (int column = 0; item && column < LessonSelectionDialog::kColumnCount; ++column)
            texts << item->text(column);
        return texts;
    }

    static int Image(const LessonSelectionDialog& dialog, int row)
    {
        return List(dialog)->topLevelItem(row)->data(0, FullRowListView::kImageRole).toInt();
    }

    static int SelectedRow(const LessonSelectionDialog& dialog)
    {
        const QList<QTreeWidgetItem*> selected = List(dialog)->selectedItems();
        return selected.size() == 1 ? List(dialog)->indexOfTopLevelItem(selected.front()) : -1;
    }

    static int RowCount(const LessonSelectionDialog& dialog) { return List(dialog)->topLevelItemCount(); }

    // The next-lesson row as it shows lesson `number` with the default limits of a later lesson.
    static QStringList NextRow(int number)
    {
        return {QString::number(number),    QStringLiteral("Lektion %1").arg(number),
                QStringLiteral("..."),      QStringLiteral("0.80"),
                QStringLiteral("..."),      QString::number(60 + 4 * (number - 1)),
                QStringLiteral("........"), QStringLiteral("00:00"),
                QStringLiteral("0")};
    }

    void StorePlacement(const QString& user, int x, int width, int y, int height)
    {
        QSettings raw(m_settings, QSettings::IniFormat);
        raw.setValue(user + QStringLiteral("/lessondlg_x"), x);
        raw.setValue(user + QStringLiteral("/lessondlg_cx"), width);
        raw.setValue(user + QStringLiteral("/lessondlg_y"), y);
        raw.setValue(user + QStringLiteral("/lessondlg_cy"), height);
    }

    QVariant Stored(const QString& key) const
    {
        QSettings raw(m_settings, QSettings::IniFormat);
        return raw.value(key);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TypingSession> m_session;
    std::string m_root;
    QString m_settings;
};

} // namespace

TEST_F(LessonSelectionDialogTest, NewUserIsOfferedTheFirstLesson)
{
    WriteCourse(4);
    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(dialog, {{}, LessonSelectionDialog::kCancel}), QDialog::Rejected);
    EXPECT_EQ(dialog.ChosenLesson(), -1);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Die Lektion wählen"));
    EXPECT_EQ(qobject_cast<QLabel*>(dialog.Control(LessonSelectionDialog::kPromptId))->text(),
              QStringLiteral("Mit welcher Lektion fangen Sie an?"));
    EXPECT_EQ(Button(dialog, LessonSelectionDialog::kTeachId)->text(), QStringLiteral("&Unterricht"));
    EXPECT_EQ(Button(dialog, LessonSelectionDialog::kBackId)->text(), QStringLiteral("&Zurück"));
    EXPECT_EQ(Button(dialog, LessonSelectionDialog::kSkipId)->text(),
              QStringLiteral("&Lektion überspringen"));
    for (int id :
         {LessonSelectionDialog::kPromptId, LessonSelectionDialog::kListId, LessonSelectionDialog::kTeachId,
          LessonSelectionDialog::kBackId, LessonSelectionDialog::kSkipId})
        EXPECT_EQ(dialog.Control(id)->font(), DialogFont::Font()) << id;
    EXPECT_EQ(dialog.Control(4711), nullptr);

    const FullRowListView* list = List(dialog);
    ASSERT_EQ(list->columnCount(), 9);
    const int headings[] = {125, 126, 127, 183, 129, 102, 130, 184, 187};
    for (int column = 0; column < 9; ++column)
        EXPECT_EQ(list->headerItem()->text(column),
                  QString::fromStdString(StringTable::Utf8(headings[column])));
    EXPECT_EQ(list->columnWidths(), (std::vector<int>{100, 170, 50, 50, 50, 50, 160, 70, 40}));
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);

    ASSERT_EQ(RowCount(dialog), 1);
    EXPECT_EQ(Row(dialog, 0),
              (QStringList{QStringLiteral("1"), QStringLiteral("Grundreihe: a s d f j k l ö"),
                           QStringLiteral("..."), QStringLiteral("3.00"), QStringLiteral("..."),
                           QStringLiteral("60"), QStringLiteral("........"), QStringLiteral("00:00"),
                           QStringLiteral("0")}));
    EXPECT_EQ(Image(dialog, 0), ProgressIcons::kNoResult);
    EXPECT_EQ(SelectedRow(dialog), 0);
    // Looking costs nothing: no record is made.
    EXPECT_EQ(User().ProgressCount(), 0);
    EXPECT_FALSE(User().IsDirty());

    LessonSelectionDialog again(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(again, {{}, LessonSelectionDialog::kSelectedRow}), QDialog::Accepted);
    EXPECT_EQ(again.ChosenLesson(), 0);
}

TEST_F(LessonSelectionDialogTest, CompletedLastLessonAddsTheNextOne)
{
    WriteCourse(4);
    User().RecordResult(0, kSomeDate, 0.5, 150, 300);
    User().RecordResult(1, kSomeDate, 0.45, 120, 65);
    User().RecordResult(1, kSomeDate, 3.0, 0, 20); // abandoned: time and attempt only

    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(dialog, {{}, 1}), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenLesson(), 1);

    ASSERT_EQ(RowCount(dialog), 3);
    EXPECT_EQ(Row(dialog, 0),
              (QStringList{QStringLiteral("1"), QStringLiteral("Grundreihe: a s d f j k l ö"),
                           QStringLiteral("0.50"), QStringLiteral("3.00"), QStringLiteral("150"),
                           QStringLiteral("60"), Utf8(User().DateText(0)), QStringLiteral("00:05:00"),
                           QStringLiteral("1")}));
    EXPECT_FALSE(Row(dialog, 0)[6].isEmpty());
    EXPECT_EQ(Row(dialog, 1),
              (QStringList{QStringLiteral("2"), QStringLiteral("Lektion 2"), QStringLiteral("0.45"),
                           QStringLiteral("0.80"), QStringLiteral("120"), QStringLiteral("64"),
                           Utf8(User().DateText(1)), QStringLiteral("00:01:25"), QStringLiteral("2")}));
    EXPECT_EQ(Row(dialog, 2), NextRow(3));
    EXPECT_EQ(Image(dialog, 0), ProgressIcons::kWhiteDisc);   // 0.5 of 3.00
    EXPECT_EQ(Image(dialog, 1), ProgressIcons::kNeutralFace); // 0.45 of 0.80
    EXPECT_EQ(Image(dialog, 2), ProgressIcons::kNoResult);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(List(dialog)->topLevelItem(row)->data(0, Qt::UserRole).toInt(), row);

    LessonSelectionDialog proposed(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(proposed, {{}, LessonSelectionDialog::kSelectedRow}), QDialog::Accepted);
    EXPECT_EQ(proposed.ChosenLesson(), 2);
    EXPECT_EQ(User().ProgressCount(), 2);
}

TEST_F(LessonSelectionDialogTest, UnfinishedLastLessonAddsNoRowAndOnlyShownRowsCanBeChosen)
{
    WriteCourse(4);
    User().RecordResult(0, kSomeDate, 2.9, 150, 300);
    User().RecordResult(1, kSomeDate, 0.0, 0, 40);

    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(dialog, {{}, 2}), QDialog::Rejected);
    EXPECT_EQ(dialog.ChosenLesson(), -1);
    ASSERT_EQ(RowCount(dialog), 2);
    EXPECT_EQ(Image(dialog, 0), ProgressIcons::kBlackDisc);
    EXPECT_EQ(Image(dialog, 1), ProgressIcons::kNoResult);
    EXPECT_EQ(Row(dialog, 1)[2], QStringLiteral("0.00"));
    EXPECT_EQ(Row(dialog, 1)[4], QStringLiteral("0"));
    EXPECT_EQ(Row(dialog, 1)[8], QStringLiteral("1"));

    LessonSelectionDialog proposed(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(proposed, {{}, LessonSelectionDialog::kSelectedRow}), QDialog::Accepted);
    EXPECT_EQ(SelectedRow(proposed), 1);
    EXPECT_EQ(proposed.ChosenLesson(), 1);

    LessonSelectionDialog first(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(first, {{}, 0}), QDialog::Accepted);
    EXPECT_EQ(first.ChosenLesson(), 0);
}

TEST_F(LessonSelectionDialogTest, SkipGivesAnEmptyRecordAndOffersTheLessonAfter)
{
    WriteCourse(5);
    User().RecordResult(0, kSomeDate, 0.5, 150, 300);
    User().RecordResult(1, kSomeDate, 0.5, 150, 300);

    // No leaves everything as it was.
    LessonSelectionDialog declined(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(declined, {{false}, LessonSelectionDialog::kSelectedRow}), QDialog::Accepted);
    EXPECT_EQ(declined.ChosenLesson(), 2);
    EXPECT_EQ(RowCount(declined), 3);
    EXPECT_EQ(User().ProgressCount(), 2);

    // The next lesson (3) gets an empty record and lesson 4 is offered.
    const std::int64_t before = std::time(nullptr);
    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(dialog, {{true}, LessonSelectionDialog::kSelectedRow}), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenLesson(), 3);
    ASSERT_EQ(RowCount(dialog), 4);
    EXPECT_EQ(Row(dialog, 3), NextRow(4));
    EXPECT_EQ(Image(dialog, 3), ProgressIcons::kNoResult);
    ASSERT_EQ(User().ProgressCount(), 3);
    const LessonProgress* skipped = User().Progress(2);
    EXPECT_EQ(skipped->speed, 0);
    EXPECT_EQ(skipped->errorRate, 0.0);
    EXPECT_EQ(skipped->totalSeconds, 0);
    EXPECT_EQ(skipped->attempts, 0);
    EXPECT_GE(skipped->date, before);
    EXPECT_LE(skipped->date, static_cast<std::int64_t>(std::time(nullptr)));
    EXPECT_TRUE(User().IsDirty());

    // Left without practice, lesson 4 is not offered again: lesson 3 has no result.
    LessonSelectionDialog later(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(later, {}), QDialog::Rejected);
    ASSERT_EQ(RowCount(later), 3);
    EXPECT_EQ(SelectedRow(later), 2);
    EXPECT_EQ(Image(later, 2), ProgressIcons::kNoResult);

    // Skipping now offers lesson 4 with an empty record of its own.
    LessonSelectionDialog skipAgain(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(skipAgain, {{true}, 3}), QDialog::Accepted);
    EXPECT_EQ(skipAgain.ChosenLesson(), 3);
    EXPECT_EQ(RowCount(skipAgain), 4);
    EXPECT_EQ(User().ProgressCount(), 4);
}

TEST_F(LessonSelectionDialogTest, SkippingTwiceAddsTwoRowsAndTwoRecords)
{
    WriteCourse(5);
    User().RecordResult(0, kSomeDate, 0.0, 0, 30);

    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(dialog, {{true, false, true}, LessonSelectionDialog::kCancel}), QDialog::Rejected);
    ASSERT_EQ(RowCount(dialog), 3);
    EXPECT_EQ(Row(dialog, 1), NextRow(2));
    EXPECT_EQ(Row(dialog, 2), NextRow(3));
    EXPECT_EQ(SelectedRow(dialog), 2);
    EXPECT_EQ(User().ProgressCount(), 3);
    EXPECT_EQ(User().Progress(0)->totalSeconds, 30); // the lessons reached keep their records
}

TEST_F(LessonSelectionDialogTest, SkipAtTheEndOfTheCourseOnlySelectsTheLastRow)
{
    WriteCourse(3);
    // The next-lesson row shows the last lesson of the course.
    User().RecordResult(0, kSomeDate, 0.5, 150, 300);
    User().RecordResult(1, kSomeDate, 0.5, 150, 300);
    LessonSelectionDialog offered(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(offered, {{true}, LessonSelectionDialog::kSelectedRow}), QDialog::Accepted);
    EXPECT_EQ(offered.ChosenLesson(), 2);
    EXPECT_EQ(RowCount(offered), 3);
    EXPECT_EQ(User().ProgressCount(), 2);

    // Every lesson reached: no extra row, and a skip adds nothing either.
    User().RecordResult(2, kSomeDate, 0.5, 150, 300);
    LessonSelectionDialog reached(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(reached, {{true, true}, LessonSelectionDialog::kSelectedRow}), QDialog::Accepted);
    EXPECT_EQ(RowCount(reached), 3);
    EXPECT_EQ(reached.ChosenLesson(), 2);
    EXPECT_EQ(User().ProgressCount(), 3);
}

TEST_F(LessonSelectionDialogTest, RecordsBeyondAShorterCourseCannotBeChosen)
{
    WriteCourse(2);
    for (int lesson = 0; lesson < 3; ++lesson)
        User().RecordResult(lesson, kSomeDate, 0.5, 150, 300);

    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(dialog, {{true}, 2}), QDialog::Rejected);
    EXPECT_EQ(RowCount(dialog), 3);
    EXPECT_EQ(Row(dialog, 2)[1], QString());
    EXPECT_EQ(User().ProgressCount(), 3);

    LessonSelectionDialog proposed(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(proposed, {{}, LessonSelectionDialog::kSelectedRow}), QDialog::Accepted);
    EXPECT_EQ(proposed.ChosenLesson(), 1);
}

TEST_F(LessonSelectionDialogTest, EmptyCourseShowsOnlyTheMessageRow)
{
    User().RecordResult(0, kSomeDate, 0.5, 150, 300);
    ASSERT_EQ(Catalog().LessonCount(), 0);

    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(dialog, {{true}, 0}), QDialog::Rejected);
    ASSERT_EQ(RowCount(dialog), 1);
    const QString message = QString::fromStdString(StringTable::Utf8(505));
    EXPECT_EQ(message,
              QStringLiteral("Es fehlen Ihnen Dateien mit Lektionen. Installieren Sie das Programm erneut!"));
    EXPECT_EQ(Row(dialog, 0)[0], message);
    EXPECT_EQ(List(dialog)->topLevelItem(0)->toolTip(1), message);
    EXPECT_EQ(Image(dialog, 0), ProgressIcons::kNoResult);
    EXPECT_EQ(dialog.ChosenLesson(), -1);
    EXPECT_EQ(User().ProgressCount(), 1);
    // The message is shown whole, and the width it needed is not kept for later.
    const std::vector<FullRowListView::Cell> cells = List(dialog)->RowCells(List(dialog)->topLevelItem(0));
    EXPECT_EQ(cells.at(0).text, message);
    EXPECT_FALSE(Stored(QStringLiteral("Anna/lessondlg_Column0")).isValid());

    LessonSelectionDialog proposed(User(), Catalog(), "Anna");
    EXPECT_EQ(Run(proposed, {{}, LessonSelectionDialog::kSelectedRow}), QDialog::Rejected);
}

TEST_F(LessonSelectionDialogTest, SkipAsksFirstAndTheButtonsWorkOnTheShownDialog)
{
    WriteCourse(4);
    User().RecordResult(0, kSomeDate, 0.5, 150, 300);
    StorePlacement(QStringLiteral("Anna"), 40, 700, 50, 420);

    // Answers the skip question with `button` once it is open, checking what it asks.
    auto answerQuestion = [](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, qApp, [button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no question was asked";
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Tippwerk"));
            EXPECT_EQ(box->text(), QString::fromStdString(StringTable::Utf8(107)));
            EXPECT_TRUE(box->text().startsWith(
                QStringLiteral("Möchten Sie die letzte Lektion wirklich überspringen? \nEs ist wichtig")));
            EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
            EXPECT_EQ(box->button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
            box->button(button)->click();
        });
    };

    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    const int result = RunModal(dialog, [&] {
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.size(), QSize(700, 420));
        EXPECT_EQ(RowCount(dialog), 2);

        answerQuestion(QMessageBox::No);
        QTest::mouseClick(Button(dialog, LessonSelectionDialog::kSkipId), Qt::LeftButton);
        EXPECT_EQ(RowCount(dialog), 2);
        EXPECT_EQ(User().ProgressCount(), 1);

        answerQuestion(QMessageBox::Yes);
        QTest::mouseClick(Button(dialog, LessonSelectionDialog::kSkipId), Qt::LeftButton);
        EXPECT_EQ(RowCount(dialog), 3);
        EXPECT_EQ(User().ProgressCount(), 2);
        EXPECT_EQ(SelectedRow(dialog), 2);

        // "Unterricht" without a selection keeps the dialog open.
        List(dialog)->clearSelection();
        QTest::mouseClick(Button(dialog, LessonSelectionDialog::kTeachId), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());

        // A double-click on a row chooses it.
        QTreeWidgetItem* first = List(dialog)->topLevelItem(0);
        const QPoint centre = List(dialog)->visualItemRect(first).center();
        QTest::mouseClick(List(dialog)->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(List(dialog)->viewport(), Qt::LeftButton, {}, centre);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenLesson(), 0);
}

TEST_F(LessonSelectionDialogTest, WindowKeepsItsMinimumSizeAndControlsStayApart)
{
    WriteCourse(2);
    StorePlacement(QStringLiteral("Anna"), 40, 600, 50, 300);

    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    const int result = RunModal(dialog, [&] {
        EXPECT_EQ(dialog.size(), QSize(600, 380)); // the stored 300 is too low
        dialog.resize(300, 500);
        EXPECT_EQ(dialog.size(), QSize(380, 500));
        dialog.resize(200, 100);
        EXPECT_EQ(dialog.size(), QSize(380, 380));
        QApplication::processEvents();

        const QRect list = List(dialog)->geometry();
        const QRect teach = Button(dialog, LessonSelectionDialog::kTeachId)->geometry();
        const QRect back = Button(dialog, LessonSelectionDialog::kBackId)->geometry();
        const QRect skip = Button(dialog, LessonSelectionDialog::kSkipId)->geometry();
        EXPECT_TRUE(dialog.rect().contains(list));
        for (const QRect& button : {teach, back, skip}) {
            EXPECT_TRUE(dialog.rect().contains(button));
            EXPECT_GT(button.top(), list.bottom());
        }
        EXPECT_LT(teach.right(), back.left());
        EXPECT_LT(back.right(), skip.left());

        dialog.resize(800, 500);
        QApplication::processEvents();
        // Wide enough: the pair sits in the middle.
        EXPECT_EQ(Button(dialog, LessonSelectionDialog::kTeachId)->x(), 400 - 95);
        EXPECT_EQ(Button(dialog, LessonSelectionDialog::kBackId)->x(), 400 + 15);
        EXPECT_EQ(List(dialog)->width(), 780);
        QTest::mouseClick(Button(dialog, LessonSelectionDialog::kBackId), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(Stored(QStringLiteral("Anna/lessondlg_cx")).toInt(), 800);
    EXPECT_EQ(Stored(QStringLiteral("Anna/lessondlg_cy")).toInt(), 500);

    // Even a dialog nobody sees is never smaller.
    LessonSelectionDialog scripted(User(), Catalog(), "Bert");
    Run(scripted, {});
    EXPECT_GE(scripted.width(), 380);
    EXPECT_GE(scripted.height(), 380);
}

TEST_F(LessonSelectionDialogTest, ColumnWidthsAreKeptPerUser)
{
    WriteCourse(2);
    StorePlacement(QStringLiteral("Anna"), 40, 700, 50, 420);

    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    RunModal(dialog, [&] {
        List(dialog)->setColumnWidth(1, 260);
        List(dialog)->setColumnWidth(6, 123);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Stored(QStringLiteral("Anna/lessondlg_Column1")).toInt(), 260);
    EXPECT_EQ(Stored(QStringLiteral("Anna/lessondlg_Column6")).toInt(), 123);
    EXPECT_EQ(Stored(QStringLiteral("Anna/lessondlg_Column8")).toInt(), 40);
    EXPECT_EQ(Stored(QStringLiteral("Anna/lessondlg_x")).toInt(), 40);

    LessonSelectionDialog again(User(), Catalog(), "Anna");
    Run(again, {});
    EXPECT_EQ(List(again)->columnWidths(), (std::vector<int>{100, 260, 50, 50, 50, 50, 123, 70, 40}));
    // A scripted run leaves the placement a person chose alone.
    EXPECT_EQ(Stored(QStringLiteral("Anna/lessondlg_cx")).toInt(), 700);

    LessonSelectionDialog other(User(), Catalog(), "Bert");
    Run(other, {});
    EXPECT_EQ(List(other)->columnWidths(), (std::vector<int>{100, 170, 50, 50, 50, 50, 160, 70, 40}));

    // Only the low 16 bits of a stored value are a width.
    QSettings(m_settings, QSettings::IniFormat)
        .setValue(QStringLiteral("Bert/lessondlg_Column0"), 65536 + 77);
    LessonSelectionDialog damaged(User(), Catalog(), "Bert");
    Run(damaged, {});
    EXPECT_EQ(List(damaged)->columnWidth(0), 77);
}

// Looks at the installed German course with a user part of the way through it. With
// TIPPWERK_RENDER_DIR set, the dialog is saved there as lesson-selection.png.
TEST_F(LessonSelectionDialogTest, InstalledCourseFillsTheList)
{
    const std::string installed = TIPPWERK_INSTALL_DIR "/lessons/00000407_a.ddd";
    if (!std::filesystem::exists(installed))
        GTEST_SKIP() << "no installed course at " << installed;
    std::filesystem::copy_file(installed, m_root + "lessons/00000407_a.ddd");
    Catalog().ReloadLessons();
    const int lessons = Catalog().LessonCount();
    ASSERT_GT(lessons, 8);

    const std::int64_t now = std::time(nullptr);
    const double rates[] = {0.1, 0.55, 1.1, 1.9, 2.7, 0.2};
    for (int lesson = 0; lesson < 6; ++lesson)
        User().RecordResult(lesson, now - (6 - lesson) * 86400 - 3600 * lesson, rates[lesson],
                            95 + 9 * lesson, 240 + 130 * lesson);
    User().RecordResult(6, now - 1800, 0.0, 0, 95);
    User().RecordResult(5, now, 0.0, 0, 200);

    StorePlacement(QStringLiteral("Anna"), 40, 760, 50, 400);
    LessonSelectionDialog dialog(User(), Catalog(), "Anna");
    const int result = RunModal(dialog, [&] {
        EXPECT_EQ(RowCount(dialog), 7);
        EXPECT_EQ(SelectedRow(dialog), 6);
        for (int row = 0; row < 7; ++row)
            EXPECT_FALSE(Row(dialog, row)[1].isEmpty()) << row;
        if (const char* folder = std::getenv("TIPPWERK_RENDER_DIR")) {
            QApplication::processEvents();
            dialog.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/lesson-selection.png"));
        }
        QTest::mouseClick(Button(dialog, LessonSelectionDialog::kBackId), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
}
