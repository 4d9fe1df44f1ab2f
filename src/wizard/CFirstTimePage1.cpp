#include "wizard/CFirstTimePage1.h"

#include "widgets/DialogFont.h"
#include "wizard/CFirstTimeWizard.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const char* const kExplanation =
    "Ein Vorrücken in die fortgeschrittene Lektion hat nur dann Sinn, wenn Sie die Grundlagen für das "
    "Schreiben auf der Tastatur beherrschen. Der Test ist nur für Benutzer geeignet, die schon Erfahrung "
    "mit der Tastatur haben.";
const char* const kBasicsText = "Sie wissen, welche Tasten von welchen Fingern angeschlagen werden?";
const char* const kStartAdviceText =
    "Falls Sie die Grundlagen nicht beherrschen, müssen Sie mit der ersten Lektion beginnen.";
const char* const kReassuranceText = "Das wird Sie nicht so lange aufhalten ...";

QLabel* MakeLine(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    // The page keeps its layout whether the lines show or not.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    return label;
}

} // namespace

CFirstTimePage1::CFirstTimePage1(CFirstTimeWizard& sheet)
    : FirstTimeWizardPage(sheet)
    , m_basicsBox(new QCheckBox(QString::fromUtf8(kBasicsText), this))
    , m_startAdvice(MakeLine(kStartAdviceText, this))
    , m_reassurance(MakeLine(kReassuranceText, this))
{
    auto* explanation = new QLabel(QString::fromUtf8(kExplanation), this);
    explanation->setWordWrap(true);
    m_basicsBox->setChecked(true);
    m_startAdvice->hide();
    m_reassurance->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 4);
    layout->setSpacing(6);
    layout->addWidget(explanation);
    layout->addSpacing(18);
    layout->addWidget(m_basicsBox);
    layout->addSpacing(18);
    layout->addWidget(m_startAdvice);
    layout->addWidget(m_reassurance);
    layout->addStretch(1);

    connect(m_basicsBox, &QCheckBox::toggled, this, &CFirstTimePage1::ShowState);
}

int CFirstTimePage1::nextId() const
{
    return m_basicsBox->isChecked() ? CFirstTimeWizard::kTestPage : -1;
}

void CFirstTimePage1::SetKnowsBasics(bool on)
{
    m_basicsBox->setChecked(on);
}

void CFirstTimePage1::OnInitDialog()
{
    DialogFont::Apply(this);
}

void CFirstTimePage1::OnSetActive()
{
    Sheet().chosenLesson = -1;
    ShowState();
}

void CFirstTimePage1::ShowState()
{
    const bool knowsBasics = m_basicsBox->isChecked();
    m_startAdvice->setVisible(!knowsBasics);
    m_reassurance->setVisible(!knowsBasics);
    RefreshButtons();
}
