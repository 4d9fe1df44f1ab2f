#include "app/InformationBox.h"

#include "widgets/ControlById.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/ScriptedAnswer.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The texts of dialog template 144.
const char* const kTitle = "Information";
const char* const kYesText = "Ja";
const char* const kNoText = "Nein";
const char* const kContinueText = "&Wir gehen weiter";
const char* const kOptionText = "Das Fenster andernorts aufrufen?";

using Script = ScriptedAnswer<InformationBox, InformationBox::Answer>;

QPushButton* MakeButton(const char* text, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setMinimumWidth(90);
    return button;
}

} // namespace

void InformationBox::SetNextAnswer(int button, bool checked)
{
    Script::Set(Answer{button, checked});
}

void InformationBox::ClearNextAnswer()
{
    Script::Clear();
}

bool InformationBox::HasNextAnswer()
{
    return Script::Has();
}

InformationBox::InformationBox(int mode, int stringId, int& option, QWidget* parent)
    : InformationBox(mode, DialogText::FromTable(stringId), option, parent)
{}

InformationBox::InformationBox(int mode, const QString& text, int& option, QWidget* parent)
    : QDialog(parent)
    , m_mode(mode)
    , m_text(DialogText::ForLabel(text))
    , m_option(option)
    , m_message(new QLabel(this))
    , m_checkBox(new QCheckBox(QString::fromUtf8(kOptionText), this))
    , m_yes(MakeButton(kYesText, this))
    , m_no(MakeButton(kNoText, this))
    , m_continue(MakeButton(kContinueText, this))
{
    setWindowTitle(QString::fromUtf8(kTitle));
    setModal(true);
    // Messages may quote file names and lesson titles: never read them as markup.
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_message->setMinimumWidth(300);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    buttons->addWidget(m_continue);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSpacing(10);
    layout->addWidget(m_message, 1);
    layout->addWidget(m_checkBox);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_yes, &QPushButton::clicked, this, [this] { FinishWith(kYesId); });
    connect(m_no, &QPushButton::clicked, this, [this] { FinishWith(kNoId); });
    connect(m_continue, &QPushButton::clicked, this, [this] { FinishWith(kContinueId); });
}

int InformationBox::exec()
{
    OnInitDialog();
    if (std::optional<Answer> answer = Script::Take()) {
        if (!m_checkBox->isHidden())
            m_checkBox->setChecked(answer->checked);
        FinishWith(answer->button);
        return result();
    }
    return QDialog::exec();
}

void InformationBox::reject()
{
    // Escape and the close box answer like "Wir gehen weiter".
    FinishWith(kContinueId);
}

QWidget* InformationBox::Control(int id) const
{
    return ControlById(id, {{kMessageId, m_message},
                            {kYesId, m_yes},
                            {kNoId, m_no},
                            {kContinueId, m_continue},
                            {kOptionId, m_checkBox}});
}

void InformationBox::OnInitDialog()
{
    DialogFont::Apply(this);
    const bool question = m_mode != kNotice;
    m_yes->setVisible(question);
    m_no->setVisible(question);
    m_continue->setVisible(!question);
    QPushButton* defaultButton = question ? m_yes : m_continue;
    defaultButton->setDefault(true);
    defaultButton->setFocus();
    m_checkBox->setVisible(m_option != 0);
    m_message->setText(m_text);
    m_checkBox->setChecked(m_option != 0);
}

void InformationBox::FinishWith(int button)
{
    const bool question = m_mode != kNotice;
    if (question && button == kYesId) {
        TakeCheckBox();
        done(kResultYes);
    } else if (question && button == kNoId) {
        done(kResultNo);
    } else {
        TakeCheckBox();
        done(kResultNo);
    }
}

void InformationBox::TakeCheckBox()
{
    if (m_checkBox->isHidden())
        return;
    // A ticked box keeps whatever non-zero value the option had.
    if (!m_checkBox->isChecked())
        m_option = 0;
    else if (m_option == 0)
        m_option = 1;
}
