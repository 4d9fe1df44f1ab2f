#include "results/LessonSelectionDialog.h"

#include "exercise/LessonCatalog.h"
#include "results/ProgressIcons.h"
#include "users/UserProfile.h"
#include "widgets/ControlById.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/FullRowListView.h"
#include "widgets/ProgramText.h"
#include "widgets/ScriptedAnswer.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The texts of dialog template 139.
const char* const kTitle = "Die Lektion wählen";
const char* const kPromptText = "Mit welcher Lektion fangen Sie an?";
const char* const kTeachText = "&Unterricht";
const char* const kBackText = "&Zurück";
const char* const kSkipText = "&Lektion überspringen";

constexpr int kProductName = 128;
constexpr int kSkipQuestion = 107;
constexpr int kNoLessons = 505;

// The columns: heading (string-table entry) and default width.
struct Column
{
    int heading;
    int width;
};
constexpr Column kColumns[LessonSelectionDialog::kColumnCount] = {
    {125, 100}, {126, 170}, {127, 50}, {183, 50}, {129, 50}, {102, 50}, {130, 160}, {184, 70}, {187, 40},
};

enum ColumnIndex
{
    kNumberColumn,
    kTitleColumn,
    kErrorRateColumn,
    kErrorLimitColumn,
    kSpeedColumn,
    kSpeedLimitColumn,
    kDateColumn,
    kTimeColumn,
    kAttemptsColumn
};

// Each row keeps the lesson it shows; the message row of an empty course keeps none.
constexpr int kLessonRole = Qt::UserRole;

// Numbers as the lesson files and user files write them, whatever the locale.
QString Fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

static_assert(LessonOffer::kNoResultIcon == ProgressIcons::kNoResult);

using Script = ScriptedAnswer<LessonSelectionDialog, LessonSelectionDialog::Answer>;

} // namespace

void LessonSelectionDialog::SetNextAnswer(Answer answer)
{
    Script::Set(std::move(answer));
}

void LessonSelectionDialog::ClearNextAnswer()
{
    Script::Clear();
}

bool LessonSelectionDialog::HasNextAnswer()
{
    return Script::Has();
}

LessonSelectionDialog::LessonSelectionDialog(UserProfile& profile, const LessonCatalog& catalog,
                                             const std::string& userName, QWidget* parent,
                                             LessonOffer::Clock clock)
    : QDialog(parent)
    , m_profile(profile)
    , m_catalog(catalog)
    , m_clock(std::move(clock))
    , m_placement(WindowPlacementStore::ForLessonDialog(userName, this))
    , m_prompt(new QLabel(QString::fromUtf8(kPromptText), this))
    , m_list(new FullRowListView(this))
    , m_teach(new QPushButton(QString::fromUtf8(kTeachText), this))
    , m_back(new QPushButton(QString::fromUtf8(kBackText), this))
    , m_skip(new QPushButton(QString::fromUtf8(kSkipText), this))
{
    setWindowTitle(QString::fromUtf8(kTitle));
    setModal(true);
    setMinimumSize(kMinimumSize, kMinimumSize);

    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The proposed lesson stays visible while a button has the focus.
    m_list->setShowSelectionAlways(true);
    for (const Column& column : kColumns) {
        const QString heading = DialogText::FromTable(column.heading);
        const int index = m_list->AddColumn(heading, column.width);
        // The default widths cut most headings; the full text is a hover away.
        m_list->headerItem()->setToolTip(index, heading);
    }
    m_teach->setDefault(true);

    connect(m_teach, &QPushButton::clicked, this, &LessonSelectionDialog::OnTeach);
    connect(m_back, &QPushButton::clicked, this, &LessonSelectionDialog::reject);
    connect(m_skip, &QPushButton::clicked, this, &LessonSelectionDialog::OnSkip);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &LessonSelectionDialog::OnTeach);
}

int LessonSelectionDialog::exec()
{
    OnInitDialog();
    if (std::optional<Answer> answer = Script::Take()) {
        for (const bool yes : answer->skips)
            if (yes)
                SkipLesson();
        if (answer->row != kCancel) {
            if (answer->row != kSelectedRow) {
                m_list->clearSelection();
                if (QTreeWidgetItem* item = m_list->topLevelItem(answer->row))
                    SelectRow(item);
            }
            OnTeach();
        }
        if (!m_closed)
            done(Rejected);
        return result();
    }
    return QDialog::exec();
}

void LessonSelectionDialog::done(int result)
{
    SaveState();
    QDialog::done(result);
}

QWidget* LessonSelectionDialog::Control(int id) const
{
    return ControlById(id, {{kPromptId, m_prompt},
                            {kListId, m_list},
                            {kTeachId, m_teach},
                            {kBackId, m_back},
                            {kSkipId, m_skip}});
}

void LessonSelectionDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    PlaceControls();
}

void LessonSelectionDialog::OnInitDialog()
{
    m_chosenLesson = -1;
    m_closed = false;
    DialogFont::Apply(this);
    m_list->SetImageList(FullRowListView::ImageList::Small, ProgressIcons::Strip());

    std::vector<int> widths;
    m_placement.LoadColumnWidths("", widths);
    // Only the low 16 bits are a width.
    for (int& width : widths)
        width &= 0xFFFF;
    m_list->setColumnWidths(widths);

    FillList();
    m_list->setFocus();
    m_placement.PrepareCreate();
    PlaceControls();
}

void LessonSelectionDialog::FillList()
{
    const UserProfile& profile = m_profile;
    const LessonCatalog& catalog = m_catalog;
    const LessonOffer offer = Offer();
    const int records = profile.ProgressCount();

    m_list->clear();
    m_showsMessage = false;
    int lastImage = -1;
    for (int lesson = 0; lesson < records; ++lesson) {
        lastImage = profile.ProgressIcon(lesson, catalog.ErrorLimit(lesson));
        QTreeWidgetItem* item = AddLessonRow(lesson, lastImage);
        item->setText(kErrorRateColumn, ProgramText::ToQString(profile.ErrorRateText(lesson)));
        item->setText(kSpeedColumn, ProgramText::ToQString(profile.SpeedText(lesson)));
        item->setText(kDateColumn, ProgramText::ToQString(profile.DateText(lesson)));
        item->setText(kTimeColumn, ProgramText::ToQString(profile.TotalTimeText(lesson)));
        item->setText(kAttemptsColumn, ProgramText::ToQString(profile.AttemptsText(lesson)));
    }

    if (offer.OffersNextLesson(records, lastImage))
        AddNextLessonRow(records);
    SelectRow(m_list->topLevelItem(offer.FirstSelection(records, lastImage)));

    if (offer.IsEmpty()) {
        m_list->clear();
        auto* item = new QTreeWidgetItem(m_list);
        const QString message = DialogText::FromTable(kNoLessons);
        item->setText(kNumberColumn, message);
        for (int column = 0; column < kColumnCount; ++column)
            item->setToolTip(column, message);
        FullRowListView::SetItemImage(item, ProgressIcons::kNoResult);
        // The message must be readable; the widened column is not kept (see SaveState).
        const int needed = ProgressIcons::kSize + m_list->fontMetrics().horizontalAdvance(message) +
                           FullRowListView::kFirstColumnMargin + 8;
        m_list->setColumnWidth(kNumberColumn, std::max(m_list->columnWidth(kNumberColumn), needed));
        m_showsMessage = true;
    }
}

QTreeWidgetItem* LessonSelectionDialog::AddLessonRow(int lesson, int image)
{
    const LessonCatalog& catalog = m_catalog;
    auto* item = new QTreeWidgetItem(m_list);
    FullRowListView::SetItemImage(item, image);
    item->setData(kNumberColumn, kLessonRole, lesson);
    item->setText(kNumberColumn, QString::number(lesson + 1));
    item->setText(kTitleColumn, ProgramText::ToQString(catalog.LessonTitle(lesson)));
    item->setText(kErrorLimitColumn, Fixed(catalog.ErrorLimit(lesson), 2));
    item->setText(kSpeedLimitColumn, Fixed(catalog.SpeedLimit(lesson), 0));
    return item;
}

void LessonSelectionDialog::AddNextLessonRow(int lesson)
{
    QTreeWidgetItem* item = AddLessonRow(lesson, ProgressIcons::kNoResult);
    item->setText(kErrorRateColumn, QString::fromLatin1(LessonOffer::kNoResultText));
    item->setText(kSpeedColumn, QString::fromLatin1(LessonOffer::kNoResultText));
    item->setText(kDateColumn, QString::fromLatin1(LessonOffer::kNoDateText));
    item->setText(kTimeColumn, QString::fromLatin1(LessonOffer::kNoTimeText));
    item->setText(kAttemptsColumn, QString::fromLatin1(LessonOffer::kNoAttemptsText));
}

void LessonSelectionDialog::SelectRow(QTreeWidgetItem* item)
{
    if (!item)
        return;
    m_list->setCurrentItem(item);
    item->setSelected(true);
    m_list->scrollToItem(item);
}

LessonOffer LessonSelectionDialog::Offer() const
{
    return LessonOffer(m_catalog.LessonCount(), m_clock);
}

int LessonSelectionDialog::LessonOfRow(const QTreeWidgetItem* item) const
{
    const QVariant data = item ? item->data(kNumberColumn, kLessonRole) : QVariant();
    if (!data.isValid())
        return -1;
    const int lesson = data.toInt();
    return Offer().CanChoose(lesson) ? lesson : -1;
}

void LessonSelectionDialog::OnTeach()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    // The message row of an empty course, or a record the course no longer has.
    if (LessonOfRow(selected.front()) < 0)
        return;
    m_chosenLesson = m_list->indexOfTopLevelItem(selected.front());
    accept();
}

void LessonSelectionDialog::OnSkip()
{
    if (AskToSkip())
        SkipLesson();
}

bool LessonSelectionDialog::AskToSkip()
{
    QMessageBox box(QMessageBox::Question, DialogText::FromTable(kProductName),
                    DialogText::FromTable(kSkipQuestion), QMessageBox::Yes | QMessageBox::No, this);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setTextFormat(Qt::PlainText);
    DialogFont::Apply(&box);
    return box.exec() == QMessageBox::Yes;
}

void LessonSelectionDialog::SkipLesson()
{
    const LessonOffer offer = Offer();
    const LessonOffer::Skip skip = offer.SkipFrom(m_list->topLevelItemCount());
    if (skip.addedLesson >= 0) {
        AddNextLessonRow(skip.addedLesson);
        offer.RecordSkip(m_profile, skip.addedLesson);
    }
    SelectRow(m_list->topLevelItem(skip.selectedRow));
}

void LessonSelectionDialog::PlaceControls()
{
    const int w = width();
    const int h = height();
    constexpr int kMargin = 10;
    constexpr int kButtonHeight = 25;
    const int buttonTop = h - kMargin - kButtonHeight;
    m_prompt->setGeometry(kMargin, 5, w - 2 * kMargin, 18);
    m_list->setGeometry(kMargin, 25, w - 2 * kMargin, buttonTop - kMargin - 25);

    const int skipLeft = w - kMargin - 160;
    m_skip->setGeometry(skipLeft, buttonTop, 160, kButtonHeight);
    // The pair sits in the middle unless the skip button would cover it.
    const int pairLeft = std::max(kMargin, std::min(w / 2 - 95, skipLeft - kMargin - 190));
    m_teach->setGeometry(pairLeft, buttonTop, 80, kButtonHeight);
    m_back->setGeometry(pairLeft + 110, buttonTop, 80, kButtonHeight);
}

void LessonSelectionDialog::SaveState()
{
    if (m_closed)
        return;
    m_closed = true;
    // A dialog run by a script was never placed by anyone; its placement is not news.
    if (isVisible())
        m_placement.SavePlacement();
    if (!m_showsMessage)
        m_placement.SaveColumnWidths("", m_list->columnWidths());
}
