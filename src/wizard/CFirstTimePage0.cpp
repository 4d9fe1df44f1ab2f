#include "wizard/CFirstTimePage0.h"

#include "widgets/DialogFont.h"
#include "wizard/CFirstTimeWizard.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const char* const kQuestion = "Möchten Sie von Anfang an beginnen?\n"
                              "Falls nicht, müssen Sie sich mit einem Test für die nachfolgenden "
                              "Lektionen qualifizieren.";
const char* const kQualifyText = "Wollen Sie sich für fortgeschrittene Lektionen qualifizieren?";

} // namespace

CFirstTimePage0::CFirstTimePage0(CFirstTimeWizard& sheet)
    : FirstTimeWizardPage(sheet)
    , m_qualifyBox(new QCheckBox(QString::fromUtf8(kQualifyText), this))
{
    auto* question = new QLabel(QString::fromUtf8(kQuestion), this);
    question->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 4);
    layout->setSpacing(6);
    layout->addWidget(question);
    layout->addSpacing(18);
    layout->addWidget(m_qualifyBox);
    layout->addStretch(1);

    connect(m_qualifyBox, &QCheckBox::toggled, this, &CFirstTimePage0::RefreshButtons);
}

int CFirstTimePage0::nextId() const
{
    return m_qualifyBox->isChecked() ? CFirstTimeWizard::kBasicsPage : -1;
}

void CFirstTimePage0::SetQualify(bool on)
{
    m_qualifyBox->setChecked(on);
}

void CFirstTimePage0::OnInitDialog()
{
    DialogFont::Apply(this);
}

void CFirstTimePage0::OnSetActive()
{
    Sheet().chosenLesson = -1;
    RefreshButtons();
}
