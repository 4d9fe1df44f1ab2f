#include "app/LimitDialog.h"

#include "app/ProgramMessage.h"
#include "widgets/ControlById.h"
#include "widgets/DialogFont.h"
#include "widgets/ScriptedAnswer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>
#include <utility>

namespace {

// The texts of dialog template 169.
const char* const kTitle = "Das Limit eingeben";
const char* const kSpeedText = "Das Geschwindigkeitslimit:";
const char* const kSpeedUnit = "Anschläge/Minute";
const char* const kErrorText = "Das Fehlerratenlimit:";
const char* const kErrorUnit = "%";
const char* const kMinutesText = "Die maximale Testzeit:";
const char* const kMinutesUnit = "Minute";
const char* const kConfirmText = "&Wir gehen weiter";
const char* const kCancelText = "&Zurück";

// Long enough for any number worth typing, short enough that nothing odd gets far.
constexpr int kFieldLength = 24;

using Script = ScriptedAnswer<LimitDialog, LimitDialog::Answer>;

QLineEdit* MakeField(QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setMaxLength(kFieldLength);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(80);
    return field;
}

QPushButton* MakeButton(const char* text, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setMinimumWidth(130);
    return button;
}

} // namespace

void LimitDialog::SetNextAnswer(const Answer& answer)
{
    Script::Set(answer);
}

void LimitDialog::ClearNextAnswer()
{
    Script::Clear();
}

bool LimitDialog::HasNextAnswer()
{
    return Script::Has();
}

LimitDialog::LimitDialog(QWidget* parent)
    : QDialog(parent)
    , m_speed(MakeField(this))
    , m_error(MakeField(this))
    , m_minutes(MakeField(this))
    , m_confirm(MakeButton(kConfirmText, this))
    , m_cancel(MakeButton(kCancelText, this))
{
    setWindowTitle(QString::fromUtf8(kTitle));
    setModal(true);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    const std::pair<const char*, const char*> labels[] = {
        {kSpeedText, kSpeedUnit}, {kErrorText, kErrorUnit}, {kMinutesText, kMinutesUnit}};
    QLineEdit* const edits[] = {m_speed, m_error, m_minutes};
    for (int row = 0; row < 3; ++row) {
        auto* label = new QLabel(QString::fromUtf8(labels[row].first), this);
        label->setBuddy(edits[row]);
        fields->addWidget(label, row, 0);
        fields->addWidget(edits[row], row, 1);
        fields->addWidget(new QLabel(QString::fromUtf8(labels[row].second), this), row, 2);
    }
    fields->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSpacing(14);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_confirm->setDefault(true);
    connect(m_confirm, &QPushButton::clicked, this, &LimitDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &LimitDialog::reject);
}

bool LimitDialog::Edit(LimitValues& values)
{
    DialogFont::Apply(this);
    m_confirmed = false;
    setResult(QDialog::Rejected);
    m_values = values;
    Fill(values);
    m_speed->setFocus();
    m_speed->selectAll();

    if (std::optional<Answer> answer = Script::Take()) {
        Fill(answer->values);
        if (answer->confirm)
            accept();
        if (result() != QDialog::Accepted)
            done(QDialog::Rejected);
    } else {
        exec();
    }
    if (result() != QDialog::Accepted)
        return false;
    values = m_values;
    m_confirmed = true;
    return true;
}

void LimitDialog::accept()
{
    LimitValues values = m_values;
    const QString refusal = Take(values);
    if (!refusal.isEmpty()) {
        ProgramMessage::Show(this, refusal);
        // Back to the field that was refused, ready to be typed over.
        QLineEdit* field = m_minutes;
        if (!(values.speedLimit >= LimitValues::kMinSpeed && values.speedLimit <= LimitValues::kMaxSpeed))
            field = m_speed;
        else if (!(values.errorLimit >= LimitValues::kMinError &&
                   values.errorLimit <= LimitValues::kMaxError))
            field = m_error;
        field->setFocus();
        field->selectAll();
        return;
    }
    m_values = values;
    QDialog::accept();
}

QWidget* LimitDialog::Control(int id) const
{
    return ControlById(id, {{kSpeedId, m_speed},
                            {kErrorId, m_error},
                            {kMinutesId, m_minutes},
                            {kConfirmId, m_confirm},
                            {kCancelId, m_cancel}});
}

std::optional<double> LimitDialog::ReadNumber(const QString& text)
{
    QString plain = text.trimmed();
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<int> LimitDialog::ReadInteger(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString LimitDialog::NumberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void LimitDialog::Fill(const LimitValues& values)
{
    m_speed->setText(NumberText(values.speedLimit));
    m_error->setText(NumberText(values.errorLimit));
    m_minutes->setText(QString::number(values.minutes));
}

QString LimitDialog::Take(LimitValues& values) const
{
    // A field that is no number at all gets the range message of its kind: NaN and 0
    // are outside every range, and the fields are checked in their order on the dialog.
    values.speedLimit = ReadNumber(m_speed->text()).value_or(std::numeric_limits<double>::quiet_NaN());
    values.errorLimit = ReadNumber(m_error->text()).value_or(std::numeric_limits<double>::quiet_NaN());
    values.minutes = ReadInteger(m_minutes->text()).value_or(0);
    return QString::fromStdString(values.ValidationMessage());
}
