#include "wizard/CFirstTimePage.h"

#include "users/UserProfile.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/ProgramText.h"
#include "wizard/CFirstTimeWizard.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const char* const kKeyboardPrompt = "Wählen Sie die Tastatur, die Sie benutzen.";
const char* const kSeriesPrompt = "Lektion auswählen:";

} // namespace

CFirstTimePage::CFirstTimePage(CFirstTimeWizard& sheet)
    : FirstTimeWizardPage(sheet)
    , m_keyboardBox(new QComboBox(this))
    , m_seriesBox(new QComboBox(this))
    , m_descriptionLabel(new QLabel(this))
{
    auto* keyboardPrompt = new QLabel(QString::fromUtf8(kKeyboardPrompt), this);
    auto* seriesPrompt = new QLabel(QString::fromUtf8(kSeriesPrompt), this);
    keyboardPrompt->setBuddy(m_keyboardBox);
    seriesPrompt->setBuddy(m_seriesBox);
    m_keyboardBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_seriesBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Descriptions come from a data file: never read them as markup.
    m_descriptionLabel->setTextFormat(Qt::PlainText);
    m_descriptionLabel->setWordWrap(true);
    m_descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_descriptionLabel->setFrameShape(QFrame::StyledPanel);
    m_descriptionLabel->setMargin(6);
    m_descriptionLabel->setMinimumHeight(110);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 4);
    layout->setSpacing(6);
    layout->addWidget(keyboardPrompt);
    layout->addWidget(m_keyboardBox);
    layout->addSpacing(12);
    layout->addWidget(seriesPrompt);
    layout->addWidget(m_seriesBox);
    layout->addSpacing(12);
    layout->addWidget(m_descriptionLabel, 1);

    connect(m_keyboardBox, &QComboBox::currentIndexChanged, this, &CFirstTimePage::FillSeries);
    connect(m_seriesBox, &QComboBox::currentIndexChanged, this, &CFirstTimePage::ShowDescription);
}

bool CFirstTimePage::isComplete() const
{
    // Without a course there would be no lesson set to hand over.
    return keyboardFound && SelectedSeries() >= 0;
}

bool CFirstTimePage::validatePage()
{
    const int keyboard = SelectedKeyboard();
    const int series = SelectedSeries();
    if (keyboard < 0 || series < 0)
        return false;
    UserProfile& profile = Sheet().Profile();
    profile.SetKeyboardId(m_keyboards.Entries()[static_cast<size_t>(keyboard)].keyboardName);
    profile.SetLessonSet(LessonSeriesList::LessonSetOf(m_series.Entries()[static_cast<size_t>(series)].code));
    return true;
}

void CFirstTimePage::Choose(int keyboardRow, int seriesRow)
{
    if (keyboardRow >= 0 && keyboardRow < m_keyboardBox->count())
        m_keyboardBox->setCurrentIndex(keyboardRow);
    if (seriesRow >= 0 && seriesRow < m_seriesBox->count())
        m_seriesBox->setCurrentIndex(seriesRow);
}

void CFirstTimePage::OnInitDialog()
{
    DialogFont::Apply(this);
    if (!m_series.Load() || !m_keyboards.Load()) {
        Sheet().ShowMessage(QString::fromLatin1(kLoadFailureText));
        return;
    }
    m_keyboardNames = KeyboardList::KeyboardFileNames();
    {
        const QSignalBlocker blocker(m_keyboardBox);
        for (int index : m_keyboards.Offered(m_keyboardNames, Sheet().IsAvailable())) {
            m_keyboardBox->addItem(
                ProgramText::ToQString(m_keyboards.Entries()[static_cast<size_t>(index)].displayName), index);
            keyboardFound = true;
        }
    }
    if (m_keyboardBox->count() == 0) {
        Sheet().ShowMessage(DialogText::FromTable(CFirstTimeWizard::kNoKeyboardTextId));
        return;
    }
    m_keyboardBox->setCurrentIndex(0);
    FillSeries();
}

void CFirstTimePage::FillSeries()
{
    {
        const QSignalBlocker blocker(m_seriesBox);
        m_seriesBox->clear();
        const int keyboard = SelectedKeyboard();
        if (keyboard >= 0) {
            const std::string& name = m_keyboards.Entries()[static_cast<size_t>(keyboard)].keyboardName;
            // Each one is selected as it is added: the last of the keyboard's courses stays selected.
            for (int index : m_series.ForKeyboard(name)) {
                m_seriesBox->addItem(
                    ProgramText::ToQString(m_series.Entries()[static_cast<size_t>(index)].title), index);
                m_seriesBox->setCurrentIndex(m_seriesBox->count() - 1);
            }
        }
    }
    ShowDescription();
}

void CFirstTimePage::ShowDescription()
{
    const int series = SelectedSeries();
    // A keyboard without a course shows no description rather than the previous one's.
    m_descriptionLabel->setText(
        series >= 0 ? ProgramText::ToQString(m_series.Entries()[static_cast<size_t>(series)].description)
                    : QString());
    Q_EMIT completeChanged();
}

int CFirstTimePage::SelectedKeyboard() const
{
    const QVariant data = m_keyboardBox->currentData();
    return data.isValid() ? data.toInt() : -1;
}

int CFirstTimePage::SelectedSeries() const
{
    const QVariant data = m_seriesBox->currentData();
    return data.isValid() ? data.toInt() : -1;
}
