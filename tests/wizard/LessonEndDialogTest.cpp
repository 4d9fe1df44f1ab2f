#include "support/ModalRun.h"

#include "exercise/ExerciseRecord.h"
#include "resources/TextCodec.h"
#include "widgets/DialogFont.h"
#include "wizard/LessonEndDialog.h"
#include "wizard/StatisticsFileSaver.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// Found by argument-dependent lookup, so outside the unnamed namespace.
static bool operator==(const ExerciseDialogs::LessonEndResult& a, const ExerciseDialogs::LessonEndResult& b)
{
    return a.nextLesson == b.nextLesson && a.endRequested == b.endRequested;
}

static void PrintTo(const ExerciseDialogs::LessonEndResult& result, std::ostream* out)
{
    *out << "{nextLesson " << result.nextLesson << ", endRequested " << result.endRequested << '}';
}

namespace {

QString Q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QPushButton* Button(const LessonEndDialog& dialog, int id)
{
    return qobject_cast<QPushButton*>(dialog.Control(id));
}

QString Line(const LessonEndDialog& dialog, int id)
{
    return qobject_cast<QLabel*>(dialog.Control(id))->text();
}

// The texts of the buttons a shown dialog offers, left to right.
QStringList OfferedButtons(LessonEndDialog& dialog)
{
    dialog.show();
    std::vector<QPushButton*> shown;
    for (int id : {LessonEndDialog::kResultsId, LessonEndDialog::kNextLessonId,
                   LessonEndDialog::kSameLessonId, LessonEndDialog::kEndId, LessonEndDialog::kSaveId}) {
        if (Button(dialog, id)->isVisible())
            shown.push_back(Button(dialog, id));
    }
    std::sort(shown.begin(), shown.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    QStringList texts;
    for (QPushButton* button : shown)
        texts << button->text();
    dialog.hide();
    return texts;
}

// Interval, expected and typed of every keystroke.
std::vector<std::string> Entries(const ExerciseRecord& record)
{
    std::vector<std::string> entries;
    for (const KeystrokeEntry& entry : record.Keystrokes())
        entries.push_back(std::to_string(entry.interval) + ' ' + entry.expected + ' ' + entry.typed);
    return entries;
}

constexpr ExerciseDialogs::LessonEndResult kNext{true, false};
constexpr ExerciseDialogs::LessonEndResult kSame{false, false};
constexpr ExerciseDialogs::LessonEndResult kEnd{false, true};

class LessonEndDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        LessonEndDialog::ClearNextAnswer();
        StatisticsFileSaver::SetChooserForTesting({}); // forgets the last folder too
        std::string pattern = (std::filesystem::temp_directory_path() / "tippwerk-lessonend-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }

    void TearDown() override
    {
        LessonEndDialog::ClearNextAnswer();
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

    // Runs the dialog as the engine does and does `act` while it is open.
    static ExerciseDialogs::LessonEndResult Run(LessonEndDialog& dialog, const std::function<void()>& act)
    {
        ExerciseDialogs::LessonEndResult result;
        RunModal(dialog, act, [&] {
            result = dialog.Run();
            return dialog.result();
        });
        return result;
    }

    QString InFolder(const char* name) const { return QString::fromStdString((m_folder / name).string()); }

    std::filesystem::path m_folder;
    ExerciseRecord m_record;
};

} // namespace

TEST_F(LessonEndDialogTest, EachVariantShowsItsLinesAndButtons)
{
    struct Variant
    {
        bool passed;
        int lessonNumber;
        const char* firstLine;
        const char* secondLine;
        QStringList buttons;
    };
    const QString results = Q("Auswertung");
    const QString next = Q("Nächste Lektion");
    const QString same = Q("Gleiche Lektion");
    const QString sameFile = Q("Gleiche Datei");
    const QString end = Q("Ende");
    const QString save = Q("Auswertung speichern");
    const char* const textDone =
        "Sie haben bereits die ganze Datei abgeschrieben oder das Zeitlimit ist abgelaufen.";
    const Variant variants[] = {
        {true,
         5,
         "Ende der Lektion  5",
         "Wünschen Sie mit der nächsten Lektion fortzusetzen?",
         {results, next, same, end, save}},
        {false,
         12,
         "Ende der Lektion  12",
         "Leider haben Sie die Anforderungen nicht erfüllt.",
         {results, same, end, save}},
        // The free text never offers the next lesson, whatever the judgement.
        {true, -1, textDone, "Wie lautet ihre Wahl?", {results, sameFile, end, save}},
        {false, -1, textDone, "Wie lautet ihre Wahl?", {results, sameFile, end, save}},
    };
    for (const Variant& variant : variants) {
        SCOPED_TRACE(testing::Message()
                     << "passed " << variant.passed << ", lesson " << variant.lessonNumber);
        LessonEndDialog dialog(m_record, "Anna", variant.passed, variant.lessonNumber);
        EXPECT_EQ(dialog.windowTitle(), Q("Ende der Lektion"));
        EXPECT_EQ(Line(dialog, LessonEndDialog::kFirstLineId), Q(variant.firstLine));
        EXPECT_EQ(Line(dialog, LessonEndDialog::kSecondLineId), Q(variant.secondLine));
        EXPECT_EQ(OfferedButtons(dialog), variant.buttons);
        const bool offersNext = variant.buttons.contains(next);
        EXPECT_EQ(dialog.OffersNextLesson(), offersNext);
        EXPECT_EQ(Button(dialog, LessonEndDialog::kNextLessonId)->isDefault(), offersNext);
        EXPECT_EQ(Button(dialog, LessonEndDialog::kSameLessonId)->isDefault(), !offersNext);
        EXPECT_EQ(Button(dialog, LessonEndDialog::kSaveId)->font(), DialogFont::Font());
        EXPECT_EQ(qobject_cast<QLabel*>(dialog.Control(LessonEndDialog::kFirstLineId))->font(),
                  DialogFont::Font());
        EXPECT_EQ(dialog.Control(4711), nullptr);
    }
}

TEST_F(LessonEndDialogTest, ButtonsAndKeysEndItAsTheEngineExpects)
{
    struct Case
    {
        const char* what;
        bool passed;
        int lessonNumber;
        std::function<void(LessonEndDialog&)> act;
        ExerciseDialogs::LessonEndResult expected;
    };
    const auto click = [](int id) {
        return [id](LessonEndDialog& dialog) { QTest::mouseClick(Button(dialog, id), Qt::LeftButton); };
    };
    const auto key = [](Qt::Key k) { return [k](LessonEndDialog& dialog) { QTest::keyClick(&dialog, k); }; };
    const auto closeBox = [](LessonEndDialog& dialog) { dialog.close(); };
    const Case cases[] = {
        {"next lesson", true, 3, click(LessonEndDialog::kNextLessonId), kNext},
        {"enter", true, 3, key(Qt::Key_Return), kNext},
        {"same lesson", true, 3, click(LessonEndDialog::kSameLessonId), kSame},
        {"end", true, 3, click(LessonEndDialog::kEndId), kEnd},
        {"escape", true, 3, key(Qt::Key_Escape), kSame},
        {"close box", true, 3, closeBox, kSame},
        {"failed, enter", false, 3, key(Qt::Key_Return), kSame},
        {"failed, end", false, 3, click(LessonEndDialog::kEndId), kEnd},
        {"failed, close box", false, 3, closeBox, kSame},
        {"free text, enter", true, -1, key(Qt::Key_Enter), kSame},
        {"free text, same file", true, -1, click(LessonEndDialog::kSameLessonId), kSame},
        {"free text, end", true, -1, click(LessonEndDialog::kEndId), kEnd},
        {"free text, escape", false, -1, key(Qt::Key_Escape), kSame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LessonEndDialog dialog(m_record, "Anna", c.passed, c.lessonNumber);
        EXPECT_EQ(Run(dialog, [&] { c.act(dialog); }), c.expected);
        EXPECT_EQ(dialog.result(), c.expected.nextLesson ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.endRequested, c.expected.endRequested);
    }
}

TEST_F(LessonEndDialogTest, ScriptedAnswerPressesItsButtonOnceWithoutShowing)
{
    LessonEndDialog passed(m_record, "Anna", true, 2);
    LessonEndDialog::SetNextAnswer(LessonEndDialog::kEndId);
    EXPECT_EQ(passed.Run(), kEnd);
    EXPECT_FALSE(passed.isVisible());
    EXPECT_FALSE(LessonEndDialog::HasNextAnswer());

    // A second run starts without "Ende".
    LessonEndDialog::SetNextAnswer(LessonEndDialog::kNextLessonId);
    EXPECT_EQ(passed.Run(), kNext);
    LessonEndDialog::SetNextAnswer(LessonEndDialog::kSameLessonId);
    EXPECT_EQ(passed.Run(), kSame);
    LessonEndDialog::SetNextAnswer(LessonEndDialog::kSaveId);
    EXPECT_EQ(passed.Run(), kSame);

    // A hidden "Nächste Lektion" cannot be pressed.
    LessonEndDialog failed(m_record, "Anna", false, 2);
    LessonEndDialog::SetNextAnswer(LessonEndDialog::kNextLessonId);
    EXPECT_EQ(failed.Run(), kSame);
    EXPECT_EQ(failed.result(), QDialog::Rejected);
    LessonEndDialog freeText(m_record, "Anna", true, -1);
    LessonEndDialog::SetNextAnswer(LessonEndDialog::kNextLessonId);
    EXPECT_EQ(freeText.Run(), kSame);
}

TEST_F(LessonEndDialogTest, ResultsButtonOpensTheInjectedResultsAndStaysOpen)
{
    LessonEndDialog without(m_record, "Anna", true, 1);
    EXPECT_FALSE(Button(without, LessonEndDialog::kResultsId)->isEnabled());

    const std::string user = TextCodec::FromUtf8("Jiří");
    std::vector<std::string> shownFor;
    QWidget* shownOver = nullptr;
    LessonEndDialog dialog(m_record, user, false, 1, [&](const std::string& name, QWidget* parent) {
        shownFor.push_back(name);
        shownOver = parent;
    });
    QPushButton* results = Button(dialog, LessonEndDialog::kResultsId);
    EXPECT_TRUE(results->isEnabled());
    EXPECT_EQ(Run(dialog,
                  [&] {
                      QTest::mouseClick(results, Qt::LeftButton);
                      EXPECT_TRUE(dialog.isVisible());
                      QTest::mouseClick(results, Qt::LeftButton);
                      QTest::mouseClick(Button(dialog, LessonEndDialog::kEndId), Qt::LeftButton);
                  }),
              kEnd);
    EXPECT_EQ(shownFor, (std::vector<std::string>{user, user}));
    EXPECT_EQ(shownOver, &dialog);
}

TEST_F(LessonEndDialogTest, SaveWritesALoadableStatisticsFileAndStaysOpen)
{
    ExerciseRecord& record = m_record;
    record.BeginExercise(4, TextCodec::FromUtf8("Jiří"), 2.5, 120, TextCodec::FromUtf8("Groß und klein"), 42,
                         1700000000);
    record.AddKeystroke('a', 'a', 250);
    record.AddKeystroke(':', 's', 310);
    record.AddKeystroke('\xA4', '\xA4', 90);

    std::vector<QString> answers{InFolder("lektion5"), {}, InFolder("lektion5.stat"), InFolder("notiz.txt")};
    std::map<QString, QString> asked;
    QStringList initialNames;
    QWidget* askedOver = nullptr;
    LessonEndDialog dialog(m_record, "Anna", true, 5);
    dialog.SetSaveFileChooser([&](QWidget* parent, const QString& initialName, const QString& filter) {
        askedOver = parent;
        initialNames << initialName;
        asked[QStringLiteral("name")] = initialName;
        asked[QStringLiteral("filter")] = filter;
        QString answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    });
    QPushButton* save = Button(dialog, LessonEndDialog::kSaveId);
    const std::string stat = (m_folder / "lektion5.stat").string();

    EXPECT_EQ(Run(dialog,
                  [&] {
                      // A name without extension gets ".stat".
                      QTest::mouseClick(save, Qt::LeftButton);
                      EXPECT_TRUE(dialog.isVisible());
                      ExerciseRecord loaded;
                      ASSERT_TRUE(loaded.LoadStatistics(stat));
                      EXPECT_EQ(Entries(loaded), Entries(record));
                      EXPECT_EQ(loaded.UserName(), record.UserName());
                      EXPECT_EQ(loaded.Title(), record.Title());
                      EXPECT_EQ(loaded.LessonIndex(), 4);
                      EXPECT_EQ(loaded.StartTime(), 1700000000);

                      // Cancelled: nothing is written.
                      QTest::mouseClick(save, Qt::LeftButton);
                      EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder),
                                              std::filesystem::directory_iterator()),
                                1);

                      // The same name again replaces the file without asking.
                      record.AddKeystroke('b', 'b', 120);
                      QTest::mouseClick(save, Qt::LeftButton);
                      ASSERT_TRUE(loaded.LoadStatistics(stat));
                      EXPECT_EQ(loaded.EntryCount(), 4);

                      // Another extension stays.
                      QTest::mouseClick(save, Qt::LeftButton);
                      EXPECT_TRUE(loaded.LoadStatistics((m_folder / "notiz.txt").string()));
                      EXPECT_FALSE(std::filesystem::exists(m_folder / "notiz.txt.stat"));
                      QTest::keyClick(&dialog, Qt::Key_Escape);
                  }),
              kSame);
    EXPECT_TRUE(answers.empty());
    EXPECT_EQ(askedOver, &dialog);
    // First the documents folder, then the folder last saved to.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(initialNames.first(), QDir(documents).filePath(QStringLiteral("*.stat")));
    EXPECT_EQ(asked[QStringLiteral("name")], InFolder("*.stat"));
    EXPECT_EQ(asked[QStringLiteral("filter")], QStringLiteral("Auswertung (*.stat)"));
}

TEST_F(LessonEndDialogTest, FailedSaveSaysSoAndKeepsTheDialogOpen)
{
    m_record.AddKeystroke('a', 'a', 250);
    const QString path = InFolder("fehlt/lektion.stat");
    LessonEndDialog dialog(m_record, "Anna", false, 3);
    dialog.SetSaveFileChooser([&](QWidget*, const QString&, const QString&) { return path; });

    QString caption;
    QString text;
    EXPECT_EQ(Run(dialog,
                  [&] {
                      QTimer::singleShot(0, &dialog, [&] {
                          if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                              caption = box->windowTitle();
                              text = box->text();
                              box->accept();
                          }
                      });
                      QTest::mouseClick(Button(dialog, LessonEndDialog::kSaveId), Qt::LeftButton);
                      EXPECT_TRUE(dialog.isVisible());
                      QTest::mouseClick(Button(dialog, LessonEndDialog::kSameLessonId), Qt::LeftButton);
                  }),
              kSame);
    EXPECT_EQ(caption, QStringLiteral("Tippwerk"));
    EXPECT_TRUE(text.contains(path)) << text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(m_folder / "fehlt"));
}

TEST_F(LessonEndDialogTest, ThePresetPatternSavesNothingAndEnterGoesOnAfterSaving)
{
    for (const bool passed : {true, false}) {
        SCOPED_TRACE(passed ? "passed" : "failed");
        // Enter on the preset "*.stat" hands back the pattern itself; then a real name.
        QStringList answers{{}, InFolder("lektion")};
        LessonEndDialog dialog(m_record, "Anna", passed, 4);
        dialog.SetSaveFileChooser([&](QWidget*, const QString& initialName, const QString&) {
            return answers.isEmpty() ? initialName : answers.takeLast();
        });
        QPushButton* goOn =
            Button(dialog, passed ? LessonEndDialog::kNextLessonId : LessonEndDialog::kSameLessonId);
        EXPECT_EQ(Run(dialog,
                      [&] {
                          for (int i = 0; i < 3; ++i) {
                              QTest::mouseClick(Button(dialog, LessonEndDialog::kSaveId), Qt::LeftButton);
                              EXPECT_EQ(dialog.focusWidget(), goOn) << i;
                          }
                          QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
                      }),
                  passed ? kNext : kSame);
        EXPECT_TRUE(std::filesystem::exists(m_folder / "lektion.stat"));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder), {}), 1);
        std::filesystem::remove(m_folder / "lektion.stat");
    }
}
