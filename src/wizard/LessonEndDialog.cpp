#include "wizard/LessonEndDialog.h"

#include "widgets/ControlById.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/ScriptedAnswer.h"
#include "wizard/StatisticsFileSaver.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The texts of the dialog's template.
const char* const kTitle = "Ende der Lektion";
const char* const kResultsText = "Auswertung";
const char* const kNextLessonText = "Nächste Lektion";
const char* const kSameLessonText = "Gleiche Lektion";
const char* const kEndText = "Ende";
const char* const kSaveText = "Auswertung speichern";

constexpr int kLessonEndTextId = 108;
constexpr int kGoOnTextId = 109;
constexpr int kNotPassedTextId = 110;
constexpr int kSameFileTextId = 188;
constexpr int kTextDoneTextId = 189;
constexpr int kChoiceTextId = 190;

using Script = ScriptedAnswer<LessonEndDialog, int>;

QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

QPushButton* MakeButton(const char* text, QWidget* parent)
{
    return new QPushButton(Utf8(text), parent);
}

QLabel* MakeLine(QWidget* parent)
{
    auto* line = new QLabel(parent);
    // The lines come from the string table, never markup.
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return line;
}

} // namespace

void LessonEndDialog::SetNextAnswer(int button)
{
    Script::Set(button);
}

void LessonEndDialog::ClearNextAnswer()
{
    Script::Clear();
}

bool LessonEndDialog::HasNextAnswer()
{
    return Script::Has();
}

LessonEndDialog::LessonEndDialog(const ExerciseRecord& record, const std::string& userName, bool passed,
                                 int lessonNumber, ShowResults showResults, QWidget* parent)
    : QDialog(parent)
    , m_userName(userName)
    , m_offersNextLesson(passed && lessonNumber != kFreeTextLessonNumber)
    , m_showResults(std::move(showResults))
    , m_record(record)
    , m_firstLine(MakeLine(this))
    , m_secondLine(MakeLine(this))
    , m_results(MakeButton(kResultsText, this))
    , m_nextLesson(MakeButton(kNextLessonText, this))
    , m_sameLesson(MakeButton(kSameLessonText, this))
    , m_end(MakeButton(kEndText, this))
    , m_save(MakeButton(kSaveText, this))
{
    setWindowTitle(Utf8(kTitle));
    setModal(true);
    m_firstLine->setMinimumWidth(420);

    auto* rule = new QFrame(this);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    // The choices in the middle, the two about the results at the ends.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_results);
    buttons->addStretch(1);
    buttons->addWidget(m_nextLesson);
    buttons->addWidget(m_sameLesson);
    buttons->addWidget(m_end);
    buttons->addStretch(1);
    buttons->addWidget(m_save);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(8);
    layout->addWidget(m_firstLine);
    layout->addWidget(m_secondLine);
    layout->addSpacing(8);
    layout->addWidget(rule);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_results, &QPushButton::clicked, this, &LessonEndDialog::OnResults);
    connect(m_nextLesson, &QPushButton::clicked, this, [this] { FinishWith(kNextLessonId); });
    connect(m_sameLesson, &QPushButton::clicked, this, [this] { FinishWith(kSameLessonId); });
    connect(m_end, &QPushButton::clicked, this, &LessonEndDialog::OnEnd);
    connect(m_save, &QPushButton::clicked, this, &LessonEndDialog::OnSave);

    DialogFont::Apply(this);
    if (lessonNumber == kFreeTextLessonNumber) {
        m_sameLesson->setText(DialogText::FromTable(kSameFileTextId));
        m_firstLine->setText(DialogText::FromTable(kTextDoneTextId));
        m_secondLine->setText(DialogText::FromTable(kChoiceTextId));
    } else {
        m_firstLine->setText(DialogText::FromTable(kLessonEndTextId) + QStringLiteral("  ") +
                             QString::number(lessonNumber));
        m_secondLine->setText(DialogText::FromTable(passed ? kGoOnTextId : kNotPassedTextId));
    }
    // Room around the longest labels, equal widths for the short ones.
    for (QPushButton* button : {m_results, m_nextLesson, m_sameLesson, m_end, m_save})
        button->setMinimumWidth(std::max(120, button->sizeHint().width() + 20));
    m_nextLesson->setVisible(m_offersNextLesson);
    m_results->setEnabled(static_cast<bool>(m_showResults));

    DefaultButton()->setDefault(true);
    DefaultButton()->setFocus();
}

QPushButton* LessonEndDialog::DefaultButton() const
{
    // Without "Nächste Lektion", Enter repeats the lesson, as closing the dialog would.
    return m_offersNextLesson ? m_nextLesson : m_sameLesson;
}

void LessonEndDialog::SetSaveFileChooser(SaveFileChooser chooser)
{
    m_chooseSaveFile = std::move(chooser);
}

int LessonEndDialog::exec()
{
    endRequested = false;
    if (std::optional<int> answer = Script::Take()) {
        FinishWith(*answer);
        return result();
    }
    return QDialog::exec();
}

ExerciseDialogs::LessonEndResult LessonEndDialog::Run()
{
    const bool ok = exec() == QDialog::Accepted;
    return {ok && m_offersNextLesson, endRequested};
}

QWidget* LessonEndDialog::Control(int id) const
{
    return ControlById(id, {{kFirstLineId, m_firstLine},
                            {kSecondLineId, m_secondLine},
                            {kResultsId, m_results},
                            {kNextLessonId, m_nextLesson},
                            {kSameLessonId, m_sameLesson},
                            {kEndId, m_end},
                            {kSaveId, m_save}});
}

void LessonEndDialog::OnResults()
{
    if (m_showResults)
        m_showResults(m_userName, this);
}

void LessonEndDialog::OnEnd()
{
    endRequested = true;
    reject();
}

void LessonEndDialog::OnSave()
{
    StatisticsFileSaver(m_record, this, m_chooseSaveFile).Run();
    // Enter goes on with the lesson again, instead of asking for another file name.
    DefaultButton()->setFocus();
}

void LessonEndDialog::FinishWith(int button)
{
    if (button == kNextLessonId && m_offersNextLesson) {
        accept();
    } else if (button == kEndId) {
        OnEnd();
    } else {
        reject();
    }
}
