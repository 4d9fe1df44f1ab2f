#include "settings/MainWindowPage.h"

#include "settings/AppSettings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

MainWindowPage::MainWindowPage(AppSettings& settings, const QImage& smallWindow, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_statistics(BoundBox(QStringLiteral("Statistik anzeigen"), settings.showStatistics))
    , m_text(new QCheckBox(QStringLiteral("Text abschreiben"), this))
    , m_keyboard(BoundBox(QStringLiteral("Hilfstastatur anzeigen"), settings.showKeyboard))
    , m_hands(BoundBox(QString::fromUtf8("Hilfshände anzeigen"), settings.showHands))
    , m_errorDialog(BoundBox(QStringLiteral("Dialog nach Fehlanschlag zeigen"), settings.dialogAfterError))
{
    // The text panel is always there; the box only says so.
    m_text->setChecked(true);
    m_text->setEnabled(false);

    auto* frame = new QGroupBox(QStringLiteral("Hauptfenster"), this);
    auto* boxes = new QVBoxLayout(frame);
    boxes->setContentsMargins(14, 12, 14, 12);
    boxes->setSpacing(8);
    for (QCheckBox* box : {m_statistics, m_text, m_keyboard, m_hands, m_errorDialog}) {
        box->setParent(frame);
        boxes->addWidget(box);
    }
    boxes->addStretch(1);

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(smallWindow));
    picture->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(16);
    layout->addWidget(frame);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addStretch(1);
}

QCheckBox* MainWindowPage::BoundBox(const QString& text, int& field)
{
    auto* box = new QCheckBox(text, this);
    box->setChecked(field != 0);
    // A box the user leaves alone keeps the stored value as it was.
    connect(box, &QCheckBox::toggled, this, [&field](bool on) { field = on ? 1 : 0; });
    return box;
}
