#include "settings/SoundChoicePage.h"

#include "settings/SettingsIcons.h"
#include "settings/SoundPageState.h"
#include "widgets/ProgramText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

SoundChoicePage::SoundChoicePage(int tab, QWidget* parent)
    : QWidget(parent)
    , m_tab(tab)
    , m_types(new QComboBox(this))
    , m_test(new QPushButton(QStringLiteral("&Test"), this))
{
    const bool wave = tab == SoundPageState::kWaveTab;
    for (const std::string& name : SoundPageState::Entries(tab))
        m_types->addItem(ProgramText::ToQString(name));
    m_types->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* icon = new QLabel(this);
    icon->setFixedSize(SettingsIcons::kSize, SettingsIcons::kSize);
    icon->setPixmap(SettingsIcons::Image(wave ? SettingsIcons::kWaveSound : SettingsIcons::kSpeakerSound,
                                         devicePixelRatioF()));

    auto* prompt = new QLabel(QString::fromUtf8("Wählen Sie den Klangtyp"), this);
    prompt->setBuddy(m_types);
    auto* note = new QLabel(wave ? QString::fromUtf8("Wählen Sie einen Klangtyp nach ihrem Geschmack aus.")
                                 : QStringLiteral("Falls Sie keine Soundkarte besitzen."),
                            this);
    note->setWordWrap(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(6);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(prompt, 0, 1, 1, 2);
    layout->addWidget(m_types, 1, 1);
    layout->addWidget(m_test, 1, 2);
    layout->addWidget(note, 2, 1, 1, 3);
    layout->setColumnStretch(3, 1);
    layout->setRowMinimumHeight(2, 40);
    layout->setRowStretch(3, 1);

    connect(m_types, &QComboBox::activated, this, &SoundChoicePage::positionChosen);
    connect(m_test, &QPushButton::clicked, this, &SoundChoicePage::testRequested);
}

void SoundChoicePage::setPosition(int position)
{
    const QSignalBlocker blocker(m_types);
    m_types->setCurrentIndex(position);
}

void SoundChoicePage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT testRequested();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
