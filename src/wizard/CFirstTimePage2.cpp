#include "wizard/CFirstTimePage2.h"

#include "exercise/LessonCatalog.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/FullRowListView.h"
#include "widgets/ProgramText.h"
#include "wizard/CFirstTimeWizard.h"
#include "wizard/TestLessonList.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kPrompt =
    "Wählen Sie die Lektion, die Sie gut beherrschen und das Programm wird Sie testen.";
const char* const kPromise = "Das Programm wird Sie in die gewählte Lektion lassen, falls Sie den Text im "
                             "vorgesehenen Zeitlimit schreiben können.";
const char* const kDuration = "Der Test dauert höchstens 5 Minuten";

constexpr int kLessonIndexRole = Qt::UserRole;

QLabel* MakeLine(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

// A column at least as wide as its heading, so the German headings are readable.
int ColumnWidth(const QString& heading, int width, const QFontMetrics& metrics)
{
    return std::max(width, metrics.horizontalAdvance(heading) + 2 * FullRowListView::kColumnMargin);
}

} // namespace

CFirstTimePage2::CFirstTimePage2(CFirstTimeWizard& sheet)
    : FirstTimeWizardPage(sheet)
    , m_list(new FullRowListView(this))
{
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setShowSelectionAlways(true);
    m_list->setMinimumHeight(120);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 4);
    layout->setSpacing(6);
    layout->addWidget(MakeLine(kPrompt, this));
    layout->addWidget(m_list, 1);
    layout->addSpacing(4);
    layout->addWidget(MakeLine(kPromise, this));
    layout->addWidget(MakeLine(kDuration, this));

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CFirstTimePage2::OnSelectionChanged);
}

bool CFirstTimePage2::isComplete() const
{
    return m_picked;
}

void CFirstTimePage2::Choose(int row)
{
    if (QTreeWidgetItem* item = m_list->topLevelItem(row))
        m_list->setCurrentItem(item);
}

void CFirstTimePage2::OnInitDialog()
{
    DialogFont::Apply(this);
    const QFontMetrics metrics(m_list->header()->font());
    const QString letters = QString::fromUtf8(kLettersHeading);
    const QString error = QString::fromUtf8(kErrorHeading);
    const QString speed = QString::fromUtf8(kSpeedHeading);
    m_lettersWidth = ColumnWidth(letters, kLettersWidth, metrics);
    m_list->AddColumn(letters, m_lettersWidth);
    m_list->AddColumn(error, ColumnWidth(error, kLimitWidth, metrics));
    m_list->AddColumn(speed, ColumnWidth(speed, kLimitWidth, metrics));
    FitColumns();
}

void CFirstTimePage2::resizeEvent(QResizeEvent* event)
{
    FirstTimeWizardPage::resizeEvent(event);
    FitColumns();
}

void CFirstTimePage2::FitColumns()
{
    // The letters take the room the limits leave: their differences are at the end.
    std::vector<int> widths = m_list->columnWidths();
    if (widths.size() < 3)
        return;
    const int scrollBar = m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    const int room = m_list->width() - 2 * m_list->frameWidth() - scrollBar - widths[1] - widths[2];
    widths[0] = std::max(m_lettersWidth, room);
    m_list->setColumnWidths(widths);
}

void CFirstTimePage2::OnSetActive()
{
    // The course may have changed since the page was last shown: list what will be tested.
    FillList();
    RefreshButtons();
}

void CFirstTimePage2::FillList()
{
    m_picked = false;
    Sheet().chosenLesson = -1;
    const QSignalBlocker blocker(m_list);
    m_list->clear();

    LessonCatalog& catalog = Sheet().Catalog();
    catalog.ReloadLessons();
    for (const TestLessonRow& row : TestLessonList::Build(catalog)) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, ProgramText::ToQString(row.letters));
        item->setText(1, QString::fromStdString(row.errorLimit));
        item->setText(2, QString::fromStdString(row.speedLimit));
        // The cell cuts long runs of letters; the tip shows them all.
        item->setToolTip(0, item->text(0));
        item->setData(0, kLessonIndexRole, row.lessonIndex);
    }
}

void CFirstTimePage2::OnSelectionChanged()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    Sheet().chosenLesson = selected.front()->data(0, kLessonIndexRole).toInt();
    if (!m_picked) {
        m_picked = true;
        setButtonText(QWizard::FinishButton, DialogText::FromTable(CFirstTimeWizard::kTestButtonTextId));
        RefreshButtons();
    }
}
