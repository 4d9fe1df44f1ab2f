#include "results/ValueTablePanel.h"

#include "results/ValueTableTexts.h"
#include "widgets/ProgramText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kFieldWidth = 72;

QLineEdit* MakeField(QWidget* parent)
{
    auto* field = new QLineEdit(QStringLiteral("0"), parent);
    field->setReadOnly(true);
    field->setFixedWidth(kFieldWidth);
    field->setAlignment(Qt::AlignRight);
    return field;
}

QLabel* MakeLabel(const char* text, QWidget* parent)
{
    return new QLabel(QString::fromUtf8(text), parent);
}

// A group of "Limit:" and "Jetzt:" fields side by side.
QGroupBox* LimitGroup(const char* title, QLineEdit* limit, QLineEdit* now, QWidget* parent)
{
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    auto* grid = new QGridLayout(group);
    grid->addWidget(MakeLabel("Limit:", group), 0, 0);
    grid->addWidget(limit, 0, 1);
    grid->addWidget(MakeLabel("Jetzt:", group), 1, 0);
    grid->addWidget(now, 1, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

} // namespace

ValueTablePanel::ValueTablePanel(QWidget* parent)
    : QWidget(parent)
    , m_speedLimit(MakeField(this))
    , m_speed(MakeField(this))
    , m_errorLimit(MakeField(this))
    , m_errorRate(MakeField(this))
    , m_time(MakeField(this))
    , m_typedPercent(MakeField(this))
    , m_characters(MakeField(this))
    , m_keystrokes(MakeField(this))
    , m_faults(MakeField(this))
{
    auto* time = new QGroupBox(QString::fromUtf8("Zeit"), this);
    auto* timeGrid = new QGridLayout(time);
    timeGrid->addWidget(m_time, 0, 0);
    timeGrid->setColumnStretch(1, 1);

    auto* letters = new QGroupBox(QString::fromUtf8("Buchstaben"), this);
    auto* lettersGrid = new QGridLayout(letters);
    lettersGrid->addWidget(MakeLabel("Zusammen", letters), 0, 0);
    lettersGrid->addWidget(m_characters, 0, 1);
    lettersGrid->addWidget(MakeLabel("Jetzt", letters), 1, 0);
    lettersGrid->addWidget(m_keystrokes, 1, 1);
    lettersGrid->addWidget(MakeLabel("Fehleranzahl", letters), 2, 0);
    lettersGrid->addWidget(m_faults, 2, 1);
    lettersGrid->addWidget(MakeLabel("Geschrieben wurden", letters), 3, 0);
    lettersGrid->addWidget(m_typedPercent, 3, 1);
    lettersGrid->addWidget(MakeLabel("%", letters), 3, 2);
    lettersGrid->setColumnStretch(3, 1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(LimitGroup("Anschläge/Minute", m_speedLimit, m_speed, this), 0, 0);
    grid->addWidget(LimitGroup("Fehlerquote in Prozent", m_errorLimit, m_errorRate, this), 1, 0);
    grid->addWidget(time, 0, 1);
    grid->addWidget(letters, 1, 1, 2, 1);
    // The table keeps its size in the panel's top left corner.
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);
}

void ValueTablePanel::SetTexts(const ValueTableTexts& texts)
{
    m_speedLimit->setText(ProgramText::ToQString(texts.speedLimit));
    m_speed->setText(ProgramText::ToQString(texts.speed));
    m_errorLimit->setText(ProgramText::ToQString(texts.errorLimit));
    m_errorRate->setText(ProgramText::ToQString(texts.errorRate));
    m_time->setText(ProgramText::ToQString(texts.time));
    m_typedPercent->setText(ProgramText::ToQString(texts.typedPercent));
    m_characters->setText(ProgramText::ToQString(texts.characters));
    m_keystrokes->setText(ProgramText::ToQString(texts.keystrokes));
    m_faults->setText(ProgramText::ToQString(texts.faults));
}

QLineEdit* ValueTablePanel::Field(int id) const
{
    switch (id) {
    case kSpeedLimitId:
        return m_speedLimit;
    case kSpeedId:
        return m_speed;
    case kErrorLimitId:
        return m_errorLimit;
    case kErrorRateId:
        return m_errorRate;
    case kTimeId:
        return m_time;
    case kTypedPercentId:
        return m_typedPercent;
    case kCharactersId:
        return m_characters;
    case kKeystrokesId:
        return m_keystrokes;
    case kFaultsId:
        return m_faults;
    default:
        return nullptr;
    }
}
