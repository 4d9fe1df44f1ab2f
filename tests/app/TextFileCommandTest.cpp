#include "MainFrameFixture.h"

#include "app/LimitDialog.h"
#include "app/ProgramMessage.h"
#include "resources/StringTable.h"
#include "results/LessonSelectionDialog.h"
#include "wizard/StatisticsFileSaver.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <new>
#include <stdexcept>

namespace {

// The main window with its messages caught and a user who chose no lesson yet.
class TextFileTest : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MainFrameFixture::SetUp();
        ProgramMessage::SetObserverForTesting([this](const QString& text) { messages << text; });
    }

    void TearDown() override
    {
        ProgramMessage::SetObserverForTesting({});
        Catalog().SetTextReaderForTesting({});
        LimitDialog::ClearNextAnswer();
        MainFrameFixture::TearDown();
    }

    // The main window, idle, or running catalogue lesson 0.
    CMainFrame& StartedFrame(bool withLesson = false)
    {
        CreateUser();
        CMainFrame& frame = Frame();
        LessonSelectionDialog::SetNextAnswer({{}, withLesson ? 0 : LessonSelectionDialog::kCancel});
        frame.Start();
        return frame;
    }

    QString WriteFile(const QString& name, const QByteArray& contents)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }

    static void ConfirmLimits(double speed = 150, double error = 2, int minutes = 10)
    {
        LimitDialog::Answer answer;
        answer.values.speedLimit = speed;
        answer.values.errorLimit = error;
        answer.values.minutes = minutes;
        LimitDialog::SetNextAnswer(answer);
        NoteDialog::SetNextAnswer(); // the note that opens the exercise
    }

    const QByteArray kLetter = "Lieber Hans,\r\n\r\n\tich schreibe dir.\r\n";
    QStringList messages;
};

QString Text(int id)
{
    return QString::fromUtf8(StringTable::Utf8(id));
}

} // namespace

TEST_F(TextFileTest, TheTextFileCommandPractisesTheChosenFileWithItsLimits)
{
    CMainFrame& frame = StartedFrame();
    const QString path = WriteFile(QStringLiteral("brief.txt"), kLetter);
    QString shownName, shownFilter;
    frame.SetOpenFileChooser([&](QWidget*, const QString& initialName, const QString& filter) {
        shownName = initialName;
        shownFilter = filter;
        return path;
    });
    ConfirmLimits(150, 2, 10);
    frame.RunCommand(CMainFrame::kPractiseTextFile);

    EXPECT_EQ(shownName, QStringLiteral("*.txt; *.rtf"));
    EXPECT_EQ(shownFilter, QStringLiteral("TextDatei (*.txt);;Rich text format (*.rtf);; *.* (*)"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(frame.Engine().State().running, 1);
    EXPECT_EQ(frame.Engine().State().lessonIndex, FREE_TEXT_LESSON);
    const LessonCatalog& catalog = Catalog();
    EXPECT_EQ(catalog.FreeTextLines(), (std::vector<std::string>{"Lieber Hans,", " ich schreibe dir."}));
    EXPECT_EQ(catalog.FreeTextSpeedLimit(), 150.0);
    EXPECT_EQ(catalog.TimeLimit(), 600);

    // A cancelled file dialog changes nothing and asks for no limits.
    frame.SetOpenFileChooser([](QWidget*, const QString&, const QString&) { return QString(); });
    ConfirmLimits();
    frame.RunCommand(CMainFrame::kPractiseTextFile);
    EXPECT_TRUE(LimitDialog::HasNextAnswer());
    EXPECT_EQ(frame.Engine().State().running, 1);
}

TEST_F(TextFileTest, ADroppedTextAsksFirstWhileAnExerciseRunsAndOtherFilesAreRefused)
{
    CMainFrame& frame = StartedFrame(true);
    ASSERT_EQ(frame.Engine().State().running, 1);
    const QString letter = WriteFile(QStringLiteral("Brief.TXT"), kLetter);

    ConfirmLimits();
    InformationBox::SetNextAnswer(InformationBox::kNoId);
    Drop({letter});
    EXPECT_FALSE(InformationBox::HasNextAnswer());
    EXPECT_TRUE(LimitDialog::HasNextAnswer());
    EXPECT_EQ(frame.Engine().State().lessonIndex, 0);

    InformationBox::SetNextAnswer(InformationBox::kYesId);
    Drop({letter});
    EXPECT_FALSE(LimitDialog::HasNextAnswer());
    EXPECT_EQ(frame.Engine().State().running, 1);
    EXPECT_EQ(frame.Engine().State().lessonIndex, FREE_TEXT_LESSON);
    EXPECT_TRUE(messages.isEmpty());

    // Whatever else is dropped: only the message, nothing asked, nothing stopped.
    Drop({WriteFile(QStringLiteral("brief.doc"), kLetter), letter});
    EXPECT_EQ(messages, QStringList{Text(198)});
    EXPECT_EQ(frame.Engine().State().running, 1);
}

TEST_F(TextFileTest, AnImportThatFailsSaysWhyAndZurueckSaysNothing)
{
    CMainFrame& frame = StartedFrame();
    ConfirmLimits();
    Drop({WriteFile(QStringLiteral("leer.txt"), "\r\n\r\n\x01\r\n")});
    ConfirmLimits();
    Drop({m_dir.filePath(QStringLiteral("fehlt.txt"))});
    const QString missingRtf = m_dir.filePath(QStringLiteral("fehlt.rtf"));
    ConfirmLimits();
    Drop({missingRtf});
    const QString brokenRtf = WriteFile(QStringLiteral("kaputt.RTF"), "{\\rtf1 Text}}");
    ConfirmLimits();
    Drop({brokenRtf});
    EXPECT_EQ(messages, (QStringList{Text(504), Text(506), missingRtf + QStringLiteral(" was not found."),
                                     QStringLiteral("An unknown error occurred while accessing ") +
                                         brokenRtf + QLatin1Char('.')}));
    EXPECT_EQ(frame.Engine().State().running, 0);

    // "Zurück" is no damaged file.
    messages.clear();
    LimitDialog::SetNextAnswer({LimitValues{}, false});
    Drop({WriteFile(QStringLiteral("brief.txt"), kLetter)});
    EXPECT_FALSE(LimitDialog::HasNextAnswer());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(frame.Engine().State().running, 0);
}

TEST_F(TextFileTest, AnImportThatRunsOutOfMemoryIsADamagedFileAndTheProgramGoesOn)
{
    CMainFrame& frame = StartedFrame();
    const QString letter = WriteFile(QStringLiteral("brief.txt"), kLetter);
    const std::function<void()> faults[] = {[] { throw std::bad_alloc(); },
                                            [] { throw std::length_error("basic_string::_M_create"); },
                                            [] { throw std::runtime_error("read"); }};
    for (const auto& fault : faults) {
        Catalog().SetTextReaderForTesting([&fault](const std::string&, std::vector<std::string>& lines) {
            lines.push_back("halb gelesen");
            fault();
            return true;
        });
        ConfirmLimits();
        Drop({letter});
    }
    EXPECT_EQ(messages, (QStringList{Text(506), Text(506), Text(506)}));
    EXPECT_EQ(frame.Engine().State().running, 0);
    EXPECT_EQ(Catalog().LessonLineCount(FREE_TEXT_LESSON), 0); // its memory is given back

    Catalog().SetTextReaderForTesting({});
    ConfirmLimits();
    Drop({letter});
    EXPECT_EQ(frame.Engine().State().lessonIndex, FREE_TEXT_LESSON);
}

TEST_F(TextFileTest, AFreeTextWhoseLinesAFailedImportReplacedStops)
{
    CMainFrame& frame = StartedFrame();
    const QString letter = WriteFile(QStringLiteral("brief.txt"), kLetter);
    ConfirmLimits();
    Drop({letter});
    ASSERT_EQ(frame.Engine().State().lessonIndex, FREE_TEXT_LESSON);

    // Cancelling the limits keeps the text, so the exercise goes on.
    InformationBox::SetNextAnswer(InformationBox::kYesId);
    LimitDialog::SetNextAnswer({LimitValues{}, false});
    Drop({letter});
    EXPECT_EQ(frame.Engine().State().running, 1);

    InformationBox::SetNextAnswer(InformationBox::kYesId);
    ConfirmLimits();
    Drop({m_dir.filePath(QStringLiteral("fehlt.txt"))});
    EXPECT_EQ(messages, QStringList{Text(506)});
    EXPECT_EQ(frame.Engine().State().running, 0);
}

TEST_F(TextFileTest, DroppedStatisticsFilesLoadOneAfterAnotherUntilOneFails)
{
    CMainFrame& frame = StartedFrame(true);
    const QString good = m_dir.filePath(QStringLiteral("gut.stat"));
    ASSERT_TRUE(Record().SaveStatistics(good.toStdString()));
    const QString damaged = WriteFile(QStringLiteral("kaputt.stat"), "kein Auswertung");

    InformationBox::SetNextAnswer(InformationBox::kNoId);
    Drop({good});
    EXPECT_EQ(frame.Engine().State().running, 1);

    InformationBox::SetNextAnswer(InformationBox::kYesId);
    ResultsDialog::SetNextAnswer(); // each file loaded is shown
    Drop({good});
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(frame.Engine().State().running, 0);

    ResultsDialog::SetNextAnswer();
    Drop({good, damaged, damaged});
    EXPECT_EQ(messages, QStringList{Text(506)});
}

TEST_F(TextFileTest, SaveResultsKeepsNoPatternAsAFileAndSaysWhenSavingFails)
{
    CMainFrame& frame = StartedFrame(true);
    Type("a");
    const QString failing = m_dir.filePath(QStringLiteral("fehlt/lektion.stat"));
    QStringList answers{failing, m_dir.filePath(QStringLiteral("lektion")), {}};
    QStringList initialNames;
    StatisticsFileSaver::SetChooserForTesting([&](QWidget*, const QString& initialName, const QString&) {
        initialNames << initialName;
        return answers.isEmpty() ? initialName : answers.takeLast();
    });
    for (int i = 0; i < 4; ++i)
        frame.RunCommand(CMainFrame::kSaveResults);
    StatisticsFileSaver::SetChooserForTesting({});

    ExerciseRecord saved;
    EXPECT_TRUE(saved.LoadStatistics(m_dir.filePath(QStringLiteral("lektion.stat")).toStdString()));
    EXPECT_EQ(saved.EntryCount(), 1);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("*.stat"))));
    EXPECT_EQ(initialNames.last(), m_dir.filePath(QStringLiteral("*.stat")));
    EXPECT_EQ(messages,
              QStringList{
                  QStringLiteral("Die Auswertung konnte nicht unter „%1“ gespeichert werden.").arg(failing)});
    EXPECT_EQ(frame.Engine().State().running, 1);
}
