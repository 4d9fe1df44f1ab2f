#include "app/AboutDialog.h"

#include "widgets/ControlById.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/LinkLabel.h"
#include "widgets/ScriptedAnswer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kProductName = 128;
constexpr int kVersion = 119;
constexpr int kContactAddress = 122;
constexpr int kWebAddress = 123;

// The texts of dialog template 3100.
const char* const kPurposeText = "Ein Lernprogramm für das Zehnfingersystem.";
const char* const kLicenceText =
    "Freie Software unter der GNU General Public License, Version 3 oder später.";
const char* const kOkText = "OK";

constexpr int kIconSize = 48;

using Script = ScriptedAnswer<AboutDialog, int>;

QLabel* PlainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

void AboutDialog::SetNextAnswer(int result)
{
    Script::Set(result);
}

void AboutDialog::ClearNextAnswer()
{
    Script::Clear();
}

bool AboutDialog::HasNextAnswer()
{
    return Script::Has();
}

AboutDialog::AboutDialog(const QIcon& icon, QWidget* parent)
    : QDialog(parent)
{
    setModal(true);
    setWindowTitle(DialogText::FromTable(kProductName));
    if (!icon.isNull())
        setWindowIcon(icon);

    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(kIconSize, kIconSize));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picture->setFixedWidth(kIconSize + 8);

    m_version = PlainLabel(
        DialogText::FromTable(kProductName) + QLatin1Char(' ') + DialogText::FromTable(kVersion), this);
    m_purpose = PlainLabel(QString::fromUtf8(kPurposeText), this);
    m_licence = PlainLabel(QString::fromUtf8(kLicenceText), this);
    m_licence->setWordWrap(true);
    m_mailLink = new LinkLabel(kContactAddress, this);
    m_webLink = new LinkLabel(kWebAddress, this);
    for (LinkLabel* link : {m_mailLink, m_webLink})
        link->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_ok = new QPushButton(QString::fromUtf8(kOkText), this);
    m_ok->setDefault(true);
    m_ok->setMinimumWidth(90);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(m_version);
    texts->addWidget(m_purpose);
    texts->addWidget(m_licence);
    texts->addSpacing(8);
    texts->addWidget(m_mailLink);
    texts->addWidget(m_webLink);
    texts->addStretch(1);

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addWidget(picture);
    body->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(14);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The licence line wraps rather than stretching the box across the screen.
    m_licence->setMinimumWidth(300);
    m_licence->setMaximumWidth(340);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

int AboutDialog::exec()
{
    DialogFont::Apply(this);
    m_ok->setFocus();
    if (std::optional<int> answer = Script::Take()) {
        done(*answer == kResultCancel ? kResultCancel : kResultOk);
        return result();
    }
    return QDialog::exec();
}

void AboutDialog::reject()
{
    done(kResultCancel);
}

QWidget* AboutDialog::Control(int id) const
{
    return ControlById(id, {{kVersionId, m_version},
                            {kWebLinkId, m_webLink},
                            {kMailLinkId, m_mailLink},
                            {kPurposeId, m_purpose},
                            {kLicenceId, m_licence},
                            {kOkId, m_ok}});
}
