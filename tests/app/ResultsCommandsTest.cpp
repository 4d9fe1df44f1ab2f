#include "MainFrameFixture.h"

#include "app/ProgramMessage.h"
#include "resources/StringTable.h"
#include "results/LessonSelectionDialog.h"
#include "results/ValueTablePanel.h"
#include "wizard/LessonEndDialog.h"
#include "wizard/StatisticsFileSaver.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

namespace {

// The main window with its messages caught, and what the results dialogs it opened showed.
class ResultsCommandsTest : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MainFrameFixture::SetUp();
        ProgramMessage::SetObserverForTesting([this](const QString& text) { messages << text; });
        CreateUser();
    }

    void TearDown() override
    {
        ProgramMessage::SetObserverForTesting({});
        LessonSelectionDialog::ClearNextAnswer();
        LessonEndDialog::ClearNextAnswer();
        MainFrameFixture::TearDown();
    }

    // The main window, idle, or running catalogue lesson 0.
    CMainFrame& StartedFrame(bool withLesson)
    {
        CMainFrame& frame = Frame();
        LessonSelectionDialog::SetNextAnswer({{}, withLesson ? 0 : LessonSelectionDialog::kCancel});
        frame.Start();
        return frame;
    }

    // Scripts `count` results dialogs; each notes its keystroke count and its parent's class.
    void ExpectResults(int count)
    {
        for (int i = 0; i < count; ++i)
            ResultsDialog::SetNextAnswer([this](ResultsDialog& dialog) {
                auto* table = qobject_cast<ValueTablePanel*>(dialog.Control(ResultsDialog::kValueTableId));
                shown << table->Field(ValueTablePanel::kKeystrokesId)->text();
                parents << QString::fromLatin1(dialog.parentWidget()->metaObject()->className());
            });
    }

    // A statistics file of `keystrokes` keystrokes of lesson 0.
    QString StatisticsFile(const QString& name, int keystrokes)
    {
        ExerciseRecord record;
        record.BeginExercise(0, "Anna", 2.0, 60, "Lektion 1", 100, 1700000000);
        for (int i = 0; i < keystrokes; ++i)
            record.AddKeystroke('f', 'f', 250);
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(record.SaveStatistics(QFile::encodeName(path).toStdString()));
        return path;
    }

    QString DamagedFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("kaputt.stat"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keine Auswertung\r\n");
        return path;
    }

    // Scripts one results dialog that notes everything its value table and lists show, and its parent.
    void ExpectSnapshot(QStringList& snapshot)
    {
        ResultsDialog::SetNextAnswer([this, &snapshot](ResultsDialog& dialog) {
            parents << QString::fromLatin1(dialog.parentWidget()->metaObject()->className());
            auto* table = qobject_cast<ValueTablePanel*>(dialog.Control(ResultsDialog::kValueTableId));
            for (int id = 1004; id <= 1015; ++id)
                if (QLineEdit* field = table->Field(id))
                    snapshot << field->text();
            for (int list : {ResultsDialog::kFaultsListId, ResultsDialog::kSpeedListId}) {
                auto* view = qobject_cast<QTreeWidget*>(dialog.Control(list));
                for (int row = 0; row < view->topLevelItemCount(); ++row)
                    for (int column = 0; column < view->columnCount(); ++column)
                        snapshot << view->topLevelItem(row)->text(column);
            }
        });
    }

    QStringList messages;
    QStringList shown;
    // The class of each dialog's parent.
    QStringList parents;
};

QString Text(int id)
{
    return QString::fromUtf8(StringTable::Utf8(id));
}

} // namespace

TEST_F(ResultsCommandsTest, OpeningAStatisticsFileAsksFirstAndStopsTheExerciseEvenWhenCancelled)
{
    CMainFrame& frame = StartedFrame(true);
    const QString good = StatisticsFile(QStringLiteral("gut.stat"), 7);
    QStringList answers;
    QString askedName, askedFilter;
    frame.SetStatisticsFileChooser([&](QWidget*, const QString& initialName, const QString& filter) {
        askedName = initialName;
        askedFilter = filter;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    });
    ExpectResults(1);

    // "Nein" leaves everything as it was.
    InformationBox::SetNextAnswer(InformationBox::kNoId);
    frame.RunCommand(CMainFrame::kOpenResults);
    EXPECT_FALSE(InformationBox::HasNextAnswer());
    EXPECT_TRUE(askedName.isEmpty());
    EXPECT_EQ(frame.Engine().State().running, 1);

    // "Ja", then no file: the exercise is stopped all the same.
    InformationBox::SetNextAnswer(InformationBox::kYesId);
    frame.RunCommand(CMainFrame::kOpenResults);
    EXPECT_EQ(askedName, QDir(StatisticsFileSaver::StartFolder()).filePath(QStringLiteral("*.stat")));
    EXPECT_EQ(askedFilter, QStringLiteral("Auswertung (*.stat)"));
    EXPECT_EQ(frame.Engine().State().running, 0);
    EXPECT_TRUE(shown.isEmpty());

    // Idle: nothing is asked; a damaged file is reported, a good one shown.
    InformationBox::SetNextAnswer(InformationBox::kNoId);
    answers = QStringList{DamagedFile(), good};
    frame.RunCommand(CMainFrame::kOpenResults);
    EXPECT_EQ(messages, QStringList{Text(506)});
    EXPECT_TRUE(shown.isEmpty());
    frame.RunCommand(CMainFrame::kOpenResults);
    EXPECT_TRUE(InformationBox::HasNextAnswer());
    EXPECT_EQ(shown, QStringList{QStringLiteral("7")});
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(ResultsCommandsTest, DroppedStatisticsFilesAreShownOneAfterAnotherUntilOneIsDamaged)
{
    StartedFrame(false);
    const QString first = StatisticsFile(QStringLiteral("eins.stat"), 3);
    const QString second = StatisticsFile(QStringLiteral("zwei.STAT"), 4);
    const QString third = StatisticsFile(QStringLiteral("drei.stat"), 5);

    ExpectResults(3);
    Drop({first, second, third});
    EXPECT_EQ(shown, (QStringList{QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}));
    EXPECT_TRUE(messages.isEmpty());

    // The damaged second file ends the series: the third is neither loaded nor shown.
    shown.clear();
    ExpectResults(2);
    Drop({first, DamagedFile(), third});
    EXPECT_EQ(shown, QStringList{QStringLiteral("3")});
    EXPECT_EQ(messages, QStringList{Text(506)});
    EXPECT_TRUE(ResultsDialog::HasNextAnswer());
    EXPECT_NE(Record().EntryCount(), 5);
}

TEST_F(ResultsCommandsTest, TheLessonEndDialogsAuswertungShowsTheLessonJustTyped)
{
    CMainFrame& frame = StartedFrame(true);
    ExpectResults(2);
    // Once the lesson-end dialog is open: "Auswertung" twice, then "Ende".
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &frame, [&] {
        auto* dialog = frame.findChild<LessonEndDialog*>();
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        auto* results = qobject_cast<QPushButton*>(dialog->Control(LessonEndDialog::kResultsId));
        EXPECT_TRUE(results->isEnabled());
        results->click();
        results->click();
        qobject_cast<QPushButton*>(dialog->Control(LessonEndDialog::kEndId))->click();
    });
    poll.start(10);
    Type(LessonText(0));
    ASSERT_FALSE(poll.isActive());
    const QString count = QString::number(Catalog().LessonCharCount(0));
    EXPECT_EQ(shown, (QStringList{count, count}));
    EXPECT_EQ(parents, QStringList(2, QStringLiteral("LessonEndDialog")));
    EXPECT_EQ(frame.Engine().State().running, 0);
}

TEST_F(ResultsCommandsTest, AuswertungLetsTheExerciseGoOnAndItsFileShowsTheSameOpenedOrDropped)
{
    CMainFrame& frame = StartedFrame(true);
    std::string text = LessonText(0).substr(0, 40);
    text[3] = 'x';
    text[17] = ' ';
    Type(text, 230);
    QStringList typed, opened, dropped;
    ExpectSnapshot(typed);
    frame.CommandAction(CMainFrame::kShowResults)->trigger();
    EXPECT_EQ(parents, QStringList{QStringLiteral("CMainFrame")});
    const QString path = m_dir.filePath(QStringLiteral("übung.stat"));
    ASSERT_TRUE(Record().SaveStatistics(QFile::encodeName(path).toStdString()));
    // The exercise goes on: the next keystroke counts.
    EXPECT_EQ(frame.Engine().State().running, 1);
    Type(LessonText(0).substr(40, 1));
    EXPECT_EQ(Record().EntryCount(), 41);

    frame.SetStatisticsFileChooser([&](QWidget*, const QString&, const QString&) { return path; });
    InformationBox::SetNextAnswer(InformationBox::kYesId);
    ExpectSnapshot(opened);
    frame.RunCommand(CMainFrame::kOpenResults);
    ExpectSnapshot(dropped);
    Drop({path});

    EXPECT_GT(typed.size(), 20);
    EXPECT_TRUE(typed.contains(QStringLiteral("40")));
    EXPECT_EQ(opened, typed);
    EXPECT_EQ(dropped, typed);
    EXPECT_FALSE(ResultsDialog::HasNextAnswer());
}
