#include "app/NoteDialog.h"

#include "widgets/ControlById.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/ScriptedAnswer.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The texts of dialog template 170.
const char* const kContinueText = "&Wir gehen weiter";
const char* const kCancelText = "Cancel";

using Script = ScriptedAnswer<NoteDialog, int>;

} // namespace

void NoteDialog::SetNextAnswer(int result)
{
    Script::Set(result);
}

void NoteDialog::ClearNextAnswer()
{
    Script::Clear();
}

bool NoteDialog::HasNextAnswer()
{
    return Script::Has();
}

NoteDialog::NoteDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(true);
    // Without a caption the note draws its own raised edge.
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    m_text = new QLabel(panel);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(280);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_continue = new QPushButton(QString::fromUtf8(kContinueText), panel);
    m_continue->setDefault(true);
    m_continue->setMinimumWidth(120);
    // Only there for Escape, as in the template.
    m_cancel = new QPushButton(QString::fromUtf8(kCancelText), panel);
    m_cancel->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_continue);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);

    auto* content = new QVBoxLayout(panel);
    content->setContentsMargins(20, 18, 20, 14);
    content->setSpacing(14);
    content->addWidget(m_text, 1);
    content->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_continue, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &NoteDialog::reject);
}

int NoteDialog::ShowNote(const QString& text)
{
    m_text->setText(DialogText::ForLabel(text));
    return exec();
}

int NoteDialog::exec()
{
    DialogFont::Apply(this);
    m_continue->setFocus();
    if (std::optional<int> answer = Script::Take()) {
        done(*answer == kResultCancel ? kResultCancel : kResultContinue);
        return result();
    }
    return QDialog::exec();
}

void NoteDialog::reject()
{
    done(kResultCancel);
}

QWidget* NoteDialog::Control(int id) const
{
    return ControlById(id, {{kTextId, m_text}, {kContinueId, m_continue}, {kCancelId, m_cancel}});
}

void NoteDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        event->accept();
        done(kResultContinue);
        return;
    }
    QDialog::mousePressEvent(event);
}

void NoteDialog::keyPressEvent(QKeyEvent* event)
{
    // As in any dialog, the button's letter works without Alt.
    const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->key() == Qt::Key_W && !(event->modifiers() & chord)) {
        event->accept();
        done(kResultContinue);
        return;
    }
    QDialog::keyPressEvent(event);
}
