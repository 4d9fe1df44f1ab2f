#include "results/ResultsDialog.h"

#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "resources/StringTable.h"
#include "resources/TextCodec.h"
#include "results/GraphControl.h"
#include "results/MultiRowTabControl.h"
#include "results/ProgressIcons.h"
#include "results/ValueTablePanel.h"
#include "settings/WindowPlacementStore.h"
#include "widgets/DialogFont.h"
#include "widgets/FullRowListView.h"
#include "support/QtTestEnvironment.h"

#include "support/ModalRun.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

QString Table(int id)
{
    return QString::fromStdString(StringTable::Utf8(id));
}

// A record of lesson 5 over the keys "abc ": 11 a (one typed as q), 3 b, 2 blanks and a c
// typed as a blank; 4.5 s in all, limits 120 keystrokes a minute and 2 %.
ExerciseRecord SmallRecord(int lessonIndex = 4)
{
    ExerciseRecord record;
    record.BeginExercise(lessonIndex, TextCodec::FromUtf8("Jiří"), 2.0, 120,
                         TextCodec::FromUtf8("Groß und klein"), 40, 1700049600);
    for (int i = 0; i < 11; ++i)
        record.AddKeystroke('a', i == 5 ? 'q' : 'a', 200);
    for (int i = 0; i < 3; ++i)
        record.AddKeystroke('b', 'b', 400);
    record.AddKeystroke(' ', ' ', 300);
    record.AddKeystroke(' ', ' ', 300);
    record.AddKeystroke('c', ' ', 500);
    return record;
}

class ResultsDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_settings = m_dir.filePath(QStringLiteral("placements.ini"));
        WindowPlacementStore::SetSettingsFileForTesting(m_settings.toStdString());
        ResultsDialog::SortState() = KeySortState{};
        // One random table with one phrase: the remark is that phrase.
        m_remarks.LoadLines({":Schluss", "#0", "Weiter so.", ""});
    }

    void TearDown() override
    {
        ResultsDialog::ClearNextAnswer();
        ResultsDialog::SortState() = KeySortState{};
        WindowPlacementStore::SetSettingsFileForTesting({});
    }

    std::unique_ptr<ResultsDialog> Open(const ExerciseRecord& record, const std::string& user = "Anna")
    {
        return std::make_unique<ResultsDialog>(user, record, "abc ", m_remarks, [this] {
            ++m_randomCalls;
            return 0;
        });
    }

    static FullRowListView* List(const ResultsDialog& dialog, int id)
    {
        return qobject_cast<FullRowListView*>(dialog.Control(id));
    }

    static QStringList Rows(const ResultsDialog& dialog, int id)
    {
        QStringList rows;
        const FullRowListView* list = List(dialog, id);
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QStringList texts;
            for (int column = 0; column < list->columnCount(); ++column)
                texts << list->topLevelItem(row)->text(column);
            const int image = list->topLevelItem(row)->data(0, FullRowListView::kImageRole).toInt();
            rows << QString::number(image) + QLatin1Char(' ') + texts.join(QLatin1Char('|'));
        }
        return rows;
    }

    static QString Field(const ResultsDialog& dialog, int id)
    {
        return qobject_cast<ValueTablePanel*>(dialog.Control(ResultsDialog::kValueTableId))
            ->Field(id)
            ->text();
    }

    static QString EditText(const ResultsDialog& dialog, int id)
    {
        return qobject_cast<QPlainTextEdit*>(dialog.Control(id))->toPlainText();
    }

    static void ClickHeader(const ResultsDialog& dialog, int id, int column)
    {
        QHeaderView* header = List(dialog, id)->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 20, header->height() / 2));
    }

    static std::vector<QImage> HeaderImages(const ResultsDialog& dialog, int id)
    {
        std::vector<QImage> images;
        const FullRowListView* list = List(dialog, id);
        for (int column = 0; column < list->columnCount(); ++column)
            images.push_back(list->headerItem()->icon(column).pixmap(16, 16).toImage().convertToFormat(
                QImage::Format_ARGB32));
        return images;
    }

    static std::vector<QImage> Images(std::initializer_list<int> icons)
    {
        std::vector<QImage> images;
        for (int icon : icons)
            images.push_back(ProgressIcons::Image(icon).toImage().convertToFormat(QImage::Format_ARGB32));
        return images;
    }

    QVariant Stored(const QString& key) const
    {
        return QSettings(m_settings, QSettings::IniFormat).value(key);
    }

    QTemporaryDir m_dir;
    QString m_settings;
    RemarkTables m_remarks;
    int m_randomCalls = 0;
};

} // namespace

TEST_F(ResultsDialogTest, EveryPageShowsTheRecordsEvaluation)
{
    const ExerciseRecord record = SmallRecord();
    const auto dialog = Open(record);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Ergebnisse"));
    EXPECT_EQ(qobject_cast<QPushButton*>(dialog->Control(ResultsDialog::kContinueId))->text(),
              QStringLiteral("&Wir gehen weiter"));
    EXPECT_EQ(dialog->Control(ResultsDialog::kIntroductionId)->font(), DialogFont::Font());
    EXPECT_EQ(dialog->Control(4711), nullptr);

    const auto* tabs = qobject_cast<MultiRowTabControl*>(dialog->Control(ResultsDialog::kTabsId));
    const int tabTexts[] = {166, 167, 151, 152, 153, 154, 165, 194};
    ASSERT_EQ(tabs->Count(), ResultsDialog::kPageCount);
    for (int page = 0; page < ResultsDialog::kPageCount; ++page) {
        EXPECT_EQ(tabs->TabText(page), Table(tabTexts[page])) << page;
        EXPECT_EQ(dialog->PageWidget(page)->isHidden(), page != ResultsDialog::kIntroductionPage) << page;
    }

    const QString introduction = EditText(*dialog, ResultsDialog::kIntroductionId);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Datum:\t\t\\d\\d\\.\\d\\d\\.\\d{4}\n\n"))
                    .match(introduction)
                    .hasMatch())
        << introduction.toStdString();
    EXPECT_TRUE(
        introduction.contains(QStringLiteral("\n\nName:\t\tJiří\n\nLektion:\t\t5.  Groß und klein\n\n")));
    // The remark follows the header lines directly.
    EXPECT_TRUE(introduction.contains(QStringLiteral("Groß und klein\n\nWeiter so.")));
    EXPECT_EQ(m_randomCalls, 1);
    EXPECT_EQ(EditText(*dialog, ResultsDialog::kTextId), QStringLiteral("aaaaaaaaaaabbb  c"));

    const std::pair<int, const char*> fields[] = {
        {ValueTablePanel::kSpeedLimitId, "120.00"}, {ValueTablePanel::kSpeedId, "226.67"},
        {ValueTablePanel::kErrorLimitId, "2.00"},   {ValueTablePanel::kErrorRateId, "11.76"},
        {ValueTablePanel::kTimeId, "00:00:04"},     {ValueTablePanel::kTypedPercentId, "42.5"},
        {ValueTablePanel::kCharactersId, "40"},     {ValueTablePanel::kKeystrokesId, "17"},
        {ValueTablePanel::kFaultsId, "2"}};
    for (const auto& [id, text] : fields)
        EXPECT_EQ(Field(*dialog, id), QString::fromUtf8(text)) << id;

    // Images and rows in reverse set order; a blank typed in place of c shows as "_".
    EXPECT_EQ(Rows(*dialog, ResultsDialog::kFaultsListId),
              (QStringList{QStringLiteral("4 c|_|1|1"), QStringLiteral("1 a|q|1|11")}));
    EXPECT_EQ(Rows(*dialog, ResultsDialog::kSpeedListId),
              (QStringList{QStringLiteral("1 Leerzeichen|0.300|2"), QStringLiteral("2 c|0.500|1"),
                           QStringLiteral("2 b|0.400|3"), QStringLiteral("1 a|0.200|11")}));
    const FullRowListView* faults = List(*dialog, ResultsDialog::kFaultsListId);
    EXPECT_EQ(faults->columnWidths(), (std::vector<int>{80, 100, 180, 180}));
    EXPECT_EQ(faults->headerItem()->text(2), Table(144));
    EXPECT_EQ(List(*dialog, ResultsDialog::kSpeedListId)->columnWidths(), (std::vector<int>{80, 100, 180}));
    EXPECT_EQ(HeaderImages(*dialog, ResultsDialog::kFaultsListId), Images({8, 8, 8, 8}));

    struct GraphCase
    {
        int id;
        std::uint32_t colour;
        int limit;
        bool isMaximum;
        int lastY;
    };
    for (const GraphCase& c : {GraphCase{ResultsDialog::kErrorGraphId, 0xFF6464, 200, true, 1176},
                               GraphCase{ResultsDialog::kAverageSpeedGraphId, 0x323232, 2000, false, 3777},
                               GraphCase{ResultsDialog::kCurrentSpeedGraphId, 0x6464FF, 2000, false, 3658}}) {
        const ResultGraph& graph = qobject_cast<GraphControl*>(dialog->Control(c.id))->Graph();
        EXPECT_EQ(graph.lineColour, c.colour) << c.id;
        EXPECT_EQ(graph.model.Limit(), c.limit) << c.id;
        EXPECT_EQ(graph.model.LimitIsMaximum(), c.isMaximum) << c.id;
        ASSERT_EQ(graph.model.Points().size(), 17u) << c.id;
        EXPECT_EQ(graph.model.Points().back(), (GraphPoint{4500, c.lastY})) << c.id;
    }
}

TEST_F(ResultsDialogTest, WithoutAnExerciseOrKeystrokesThePagesSaySo)
{
    const ExerciseRecord none;
    const auto empty = Open(none);
    EXPECT_EQ(Rows(*empty, ResultsDialog::kFaultsListId),
              QStringList{QStringLiteral("5 ") + Table(137) + QStringLiteral("|||")});
    EXPECT_EQ(Rows(*empty, ResultsDialog::kSpeedListId),
              QStringList{QStringLiteral("5 ") + Table(137) + QStringLiteral("||")});
    EXPECT_TRUE(EditText(*empty, ResultsDialog::kIntroductionId).endsWith(Table(117)));
    EXPECT_EQ(Field(*empty, ValueTablePanel::kSpeedId), QStringLiteral("0"));
    EXPECT_EQ(m_randomCalls, 0);

    ExerciseRecord freeText = SmallRecord(FREE_TEXT_LESSON);
    EXPECT_TRUE(EditText(*Open(freeText), ResultsDialog::kIntroductionId)
                    .contains(QStringLiteral("Lektion:\t\t") + Table(191) + QStringLiteral(".  Groß")));
}

TEST_F(ResultsDialogTest, HeaderClicksSortBothListsByOneStateThatOutlivesTheDialog)
{
    const ExerciseRecord record = SmallRecord();
    {
        const auto dialog = Open(record);
        dialog->show();
        const int faults = ResultsDialog::kFaultsListId;
        const int speed = ResultsDialog::kSpeedListId;
        const QStringList speedRows = Rows(*dialog, speed);

        // "Tasten" at the start turns the direction round: a before c.
        ClickHeader(*dialog, faults, 0);
        EXPECT_TRUE(ResultsDialog::SortState().sortDescending);
        EXPECT_EQ(Rows(*dialog, faults),
                  (QStringList{QStringLiteral("1 a|q|1|11"), QStringLiteral("4 c|_|1|1")}));
        EXPECT_EQ(HeaderImages(*dialog, faults), Images({6, 8, 8, 8}));
        EXPECT_EQ(Rows(*dialog, speed), speedRows); // until it is sorted itself

        ClickHeader(*dialog, faults, 0);
        EXPECT_FALSE(ResultsDialog::SortState().sortDescending);
        EXPECT_EQ(Rows(*dialog, faults),
                  (QStringList{QStringLiteral("4 c|_|1|1"), QStringLiteral("1 a|q|1|11")}));
        EXPECT_EQ(HeaderImages(*dialog, faults), Images({7, 8, 8, 8}));

        // Another column keeps the direction: the longest delay first.
        ClickHeader(*dialog, speed, 1);
        EXPECT_EQ(ResultsDialog::SortState().sortKey, 1);
        EXPECT_FALSE(ResultsDialog::SortState().sortDescending);
        EXPECT_EQ(Rows(*dialog, speed),
                  (QStringList{QStringLiteral("2 c|0.500|1"), QStringLiteral("2 b|0.400|3"),
                               QStringLiteral("1 Leerzeichen|0.300|2"), QStringLiteral("1 a|0.200|11")}));
        EXPECT_EQ(HeaderImages(*dialog, speed), Images({8, 7, 8}));
    }
    // The next dialog shows the rows in set order again, but clicking goes on from the state.
    const auto next = Open(record);
    EXPECT_EQ(Rows(*next, ResultsDialog::kSpeedListId).first(), QStringLiteral("1 Leerzeichen|0.300|2"));
    EXPECT_EQ(HeaderImages(*next, ResultsDialog::kSpeedListId), Images({8, 8, 8}));
    next->show();
    ClickHeader(*next, ResultsDialog::kSpeedListId, 1);
    EXPECT_TRUE(ResultsDialog::SortState().sortDescending);
}

TEST_F(ResultsDialogTest, PlacementAndColumnWidthsAreKeptPerUser)
{
    {
        QSettings raw(m_settings, QSettings::IniFormat);
        raw.setValue(QStringLiteral("Anna/statisticdlg_x"), 40);
        raw.setValue(QStringLiteral("Anna/statisticdlg_cx"), 700);
        raw.setValue(QStringLiteral("Anna/statisticdlg_y"), 50);
        raw.setValue(QStringLiteral("Anna/statisticdlg_cy"), 480);
        // Only the low 16 bits are a width.
        raw.setValue(QStringLiteral("Anna/statisticdlg_ColumnSpeed0"), 0x10000 + 66);
        raw.setValue(QStringLiteral("Anna/statisticdlg_ColumnSpeed1"), 123);
    }
    const ExerciseRecord record = SmallRecord();
    const auto dialog = Open(record);
    EXPECT_EQ(dialog->size(), QSize(700, 480));
    EXPECT_EQ(List(*dialog, ResultsDialog::kSpeedListId)->columnWidths(), (std::vector<int>{66, 123, 180}));

    RunModal(*dialog, [&] {
        List(*dialog, ResultsDialog::kFaultsListId)->setColumnWidth(1, 77);
        dialog->resize(650, 450);
        qobject_cast<QPushButton*>(dialog->Control(ResultsDialog::kContinueId))->click();
    });
    EXPECT_EQ(Stored(QStringLiteral("Anna/statisticdlg_cx")).toInt(), 650);
    EXPECT_EQ(Stored(QStringLiteral("Anna/statisticdlg_cy")).toInt(), 450);
    const std::pair<const char*, int> widths[] = {{"Faults0", 80},  {"Faults1", 77}, {"Faults2", 180},
                                                  {"Faults3", 180}, {"Speed0", 66},  {"Speed1", 123},
                                                  {"Speed2", 180}};
    for (const auto& [suffix, width] : widths)
        EXPECT_EQ(Stored(QStringLiteral("Anna/statisticdlg_Column") + QLatin1String(suffix)).toInt(), width)
            << suffix;
    EXPECT_FALSE(Stored(QStringLiteral("Berta/statisticdlg_ColumnFaults0")).isValid());

    // Another user starts from the defaults.
    EXPECT_EQ(Open(record, "Berta")->size(), QSize(600, 430));
}

TEST_F(ResultsDialogTest, TabsChooseThePageAndTheWindowKeepsItsMinimumSize)
{
    const ExerciseRecord record = SmallRecord();
    const auto dialog = Open(record);
    dialog->show();
    auto* tabs = qobject_cast<MultiRowTabControl*>(dialog->Control(ResultsDialog::kTabsId));
    // The eight tabs do not fit one row of the default width.
    EXPECT_GT(tabs->RowCount(), 1);

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->TabRects()[ResultsDialog::kTextPage].center());
    EXPECT_EQ(dialog->CurrentPage(), ResultsDialog::kTextPage);
    for (int page = 0; page < ResultsDialog::kPageCount; ++page)
        EXPECT_EQ(dialog->PageWidget(page)->isVisible(), page == ResultsDialog::kTextPage) << page;
    // The chosen tab's row lies next to the pages, which lie below every row.
    const QRect textTab = tabs->TabRects()[ResultsDialog::kTextPage];
    EXPECT_EQ(textTab.bottom() + 1, tabs->RowCount() * textTab.height());
    EXPECT_GE(dialog->PageWidget(ResultsDialog::kTextPage)->y(), tabs->y() + textTab.bottom());

    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(dialog->CurrentPage(), ResultsDialog::kIntroductionPage);
    QTest::keyClick(tabs, Qt::Key_Left);
    EXPECT_EQ(dialog->CurrentPage(), ResultsDialog::kTextPage);

    dialog->resize(300, 200);
    EXPECT_GE(dialog->width(), ResultsDialog::kMinimumWidth);
    EXPECT_GE(dialog->height(), ResultsDialog::kMinimumHeight);
}
