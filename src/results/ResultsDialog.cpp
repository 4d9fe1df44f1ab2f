#include "results/ResultsDialog.h"

#include "exercise/ExerciseRecord.h"
#include "results/ExerciseEvaluation.h"
#include "results/GraphControl.h"
#include "results/MultiRowTabControl.h"
#include "results/ProgressIcons.h"
#include "results/ValueTablePanel.h"
#include "widgets/ControlById.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/FullRowListView.h"
#include "widgets/ProgramText.h"
#include "widgets/ScriptedAnswer.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The texts of dialog template 145.
const char* const kTitle = "Ergebnisse";
const char* const kContinueText = "&Wir gehen weiter";

// The tabs' string-table entries, in page order.
constexpr int kTabTexts[ResultsDialog::kPageCount] = {166, 167, 151, 152, 153, 154, 165, 194};

// The columns of a list: heading (string-table entry) and default width.
struct Column
{
    int heading;
    int width;
};
constexpr Column kFaultsColumns[] = {{143, 80}, {150, 100}, {144, 180}, {145, 180}};
constexpr Column kSpeedColumns[] = {{143, 80}, {155, 100}, {145, 180}};

// The value names' suffixes of the lists' column widths.
const char* const kFaultsSuffix = "Faults";
const char* const kSpeedSuffix = "Speed";

// Windows edit controls stop tabs every 32 dialog units, about eight average characters.
constexpr int kTabStopCharacters = 8;

// A queue: a scripted run may show the results several times.
using Script = ScriptedAnswer<ResultsDialog, ResultsDialog::Look>;

QPlainTextEdit* MakeEdit(QWidget* parent)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(true);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return edit;
}

QString ForEdit(const std::string& windows1250)
{
    return DialogText::ForLabel(ProgramText::ToQString(windows1250));
}

} // namespace

void ResultsDialog::SetNextAnswer(Look look)
{
    Script::Add(std::move(look));
}

void ResultsDialog::ClearNextAnswer()
{
    Script::Clear();
}

bool ResultsDialog::HasNextAnswer()
{
    return Script::Has();
}

KeySortState& ResultsDialog::SortState()
{
    static KeySortState state;
    return state;
}

ResultsDialog::ResultsDialog(const std::string& userName, const ExerciseRecord& record,
                             const std::string& characters, const RemarkTables& remarks,
                             const RemarkTables::RandomNumber& random, QWidget* parent)
    : QDialog(parent)
    , m_placement(WindowPlacementStore::ForResultsDialog(userName, this))
    // Made first, so that the pages lie over it.
    , m_tabs(new MultiRowTabControl(this))
    , m_introduction(MakeEdit(this))
    , m_valueTable(new ValueTablePanel(this))
    , m_faultsList(new FullRowListView(this))
    , m_speedList(new FullRowListView(this))
    , m_errorGraph(new GraphControl(this))
    , m_averageSpeedGraph(new GraphControl(this))
    , m_currentSpeedGraph(new GraphControl(this))
    , m_text(MakeEdit(this))
    , m_continue(new QPushButton(QString::fromUtf8(kContinueText), this))
    , m_pages{m_introduction, m_valueTable,        m_faultsList,        m_speedList,
              m_errorGraph,   m_averageSpeedGraph, m_currentSpeedGraph, m_text}
{
    setWindowTitle(QString::fromUtf8(kTitle));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_continue->setDefault(true);
    connect(m_continue, &QPushButton::clicked, this, &ResultsDialog::accept);
    connect(m_tabs, &MultiRowTabControl::CurrentChanged, this, &ResultsDialog::ShowPage);

    ExerciseEvaluation evaluation = ExerciseEvaluation::Evaluate(record, characters);
    m_keyRows = std::move(evaluation.keyRows);
    m_errorGraph->SetGraph(std::move(evaluation.errorGraph));
    m_averageSpeedGraph->SetGraph(std::move(evaluation.averageSpeedGraph));
    m_currentSpeedGraph->SetGraph(std::move(evaluation.currentSpeedGraph));
    m_valueTable->SetTexts(evaluation.valueTable.Texts());

    SetUpList(m_faultsList, KeyListKind::Faults);
    SetUpList(m_speedList, KeyListKind::Speeds);
    FillList(KeyListKind::Faults);
    FillList(KeyListKind::Speeds);

    for (const int text : kTabTexts)
        m_tabs->AddTab(DialogText::FromTable(text));
    DialogFont::Apply(this);
    m_introduction->setTabStopDistance(kTabStopCharacters * m_introduction->fontMetrics().averageCharWidth());

    m_placement.PrepareCreate();
    ShowPage(kIntroductionPage);
    PlaceControls();

    // The remark's keys come from the lists as first filled, in the character set's order.
    const std::string remark = evaluation.Remark(remarks, random);
    m_introduction->setPlainText(ForEdit(evaluation.Introduction(remark)));
    m_text->setPlainText(ProgramText::ToQString(evaluation.typedText));
    m_tabs->setFocus();
}

ResultsDialog::~ResultsDialog() = default;

int ResultsDialog::exec()
{
    if (std::optional<Look> look = Script::Take()) {
        if (*look)
            (*look)(*this);
        done(Accepted);
        return result();
    }
    return QDialog::exec();
}

void ResultsDialog::done(int result)
{
    SaveState();
    QDialog::done(result);
}

QWidget* ResultsDialog::Control(int id) const
{
    return ControlById(id, {{kContinueId, m_continue},
                            {kTabsId, m_tabs},
                            {kIntroductionId, m_introduction},
                            {kValueTableId, m_valueTable},
                            {kFaultsListId, m_faultsList},
                            {kSpeedListId, m_speedList},
                            {kAverageSpeedGraphId, m_averageSpeedGraph},
                            {kErrorGraphId, m_errorGraph},
                            {kCurrentSpeedGraphId, m_currentSpeedGraph},
                            {kTextId, m_text}});
}

QWidget* ResultsDialog::PageWidget(int page) const
{
    return page >= 0 && page < kPageCount ? m_pages[static_cast<std::size_t>(page)] : nullptr;
}

int ResultsDialog::CurrentPage() const
{
    return m_tabs->currentIndex();
}

void ResultsDialog::ShowPage(int page)
{
    if (page < 0 || page >= kPageCount)
        return;
    m_tabs->setCurrentIndex(page);
    for (QWidget* each : m_pages)
        if (each != m_pages[static_cast<std::size_t>(page)])
            each->hide();
    m_pages[static_cast<std::size_t>(page)]->show();
}

void ResultsDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    PlaceControls();
}

void ResultsDialog::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab leaf through the pages, as in other tabbed windows.
    if ((event->modifiers() & Qt::ControlModifier) &&
        (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        const int step = event->key() == Qt::Key_Backtab ? kPageCount - 1 : 1;
        ShowPage((CurrentPage() + step) % kPageCount);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ResultsDialog::SetUpList(FullRowListView* list, KeyListKind kind)
{
    const bool faults = kind == KeyListKind::Faults;
    list->SetImageList(FullRowListView::ImageList::Small, ProgressIcons::Strip());
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    const Column* columns = faults ? kFaultsColumns : kSpeedColumns;
    for (int i = 0; i < KeyList::ColumnCount(kind); ++i)
        list->AddColumn(DialogText::FromTable(columns[i].heading), columns[i].width);
    SetHeaderImages(kind, std::vector<int>(static_cast<std::size_t>(KeyList::ColumnCount(kind)),
                                           KeySortState::kPlainHeader));
    list->header()->setSectionsClickable(true);
    connect(list->header(), &QHeaderView::sectionClicked, this,
            [this, kind](int column) { OnHeaderClicked(kind, column); });

    std::vector<int> widths;
    m_placement.LoadColumnWidths(faults ? kFaultsSuffix : kSpeedSuffix, widths);
    // Only the low 16 bits are a width.
    for (int& width : widths)
        width &= 0xFFFF;
    list->setColumnWidths(widths);
}

void ResultsDialog::FillList(KeyListKind kind)
{
    FullRowListView* list = List(kind);
    list->clear();
    const KeyList lines = KeyList::Fill(kind, m_keyRows);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(lines.lines.size()));
    for (const KeyListLine& line : lines.lines) {
        auto* item = new QTreeWidgetItem;
        for (std::size_t column = 0; column < line.columns.size(); ++column)
            item->setText(static_cast<int>(column), ProgramText::ToQString(line.columns[column]));
        FullRowListView::SetItemImage(item, line.image);
        items << item;
    }
    list->addTopLevelItems(items);
}

void ResultsDialog::OnHeaderClicked(KeyListKind kind, int column)
{
    KeySortState& sort = SortState();
    if (!sort.Click(kind, column))
        return;
    SetHeaderImages(kind, sort.HeaderImages(kind, column));
    sort.Sort(m_keyRows);
    FillList(kind);
}

void ResultsDialog::SetHeaderImages(KeyListKind kind, const std::vector<int>& images)
{
    QTreeWidgetItem* headings = List(kind)->headerItem();
    for (std::size_t column = 0; column < images.size(); ++column)
        headings->setIcon(static_cast<int>(column), QIcon(ProgressIcons::Image(images[column])));
}

FullRowListView* ResultsDialog::List(KeyListKind kind) const
{
    return kind == KeyListKind::Faults ? m_faultsList : m_speedList;
}

void ResultsDialog::PlaceControls()
{
    const int w = width();
    const int h = height();
    m_tabs->setGeometry(10, 10, std::max(w - 20, 0), std::max(h - 52, 0));
    m_continue->setGeometry(w / 2 - 60, h - 34, 120, 24);

    const QRect area = m_tabs->DisplayArea().translated(m_tabs->pos());
    for (QWidget* page : m_pages)
        if (page != m_valueTable)
            page->setGeometry(area);
    // The value table sits in the middle of a wide page, in the upper half of a low one.
    const int left = area.width() > 560 ? area.left() + area.width() / 2 - 200 : area.left();
    const int top = std::max(area.top(), area.top() + area.height() / 2 - 100);
    m_valueTable->setGeometry(QRect(QPoint(left, top), area.bottomRight()));
}

void ResultsDialog::SaveState()
{
    if (m_closed)
        return;
    m_closed = true;
    // A dialog run by a script was never placed by anyone; its placement is not news.
    if (isVisible())
        m_placement.SavePlacement();
    m_placement.SaveColumnWidths(kFaultsSuffix, m_faultsList->columnWidths());
    m_placement.SaveColumnWidths(kSpeedSuffix, m_speedList->columnWidths());
}
