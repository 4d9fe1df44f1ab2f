#include "settings/SoundPage.h"

#include "settings/AppSettings.h"
#include "settings/SilentSoundPage.h"
#include "settings/SoundChoicePage.h"
#include "settings/SoundTestPlayer.h"
#include "widgets/ProgramText.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

SoundPage::SoundPage(AppSettings& settings, SettingsSound& sound, const QImage& silent, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_state(settings.soundType)
    , m_description(new QLabel(this))
    , m_tabs(new QTabWidget(this))
    , m_wave(new SoundChoicePage(SoundPageState::kWaveTab, m_tabs))
    , m_speaker(new SoundChoicePage(SoundPageState::kSpeakerTab, m_tabs))
    , m_silent(new SilentSoundPage(silent, m_tabs))
    , m_player(new SoundTestPlayer(sound, this))
{
    const std::vector<std::string>& labels = SoundPageState::TabLabels();
    m_tabs->addTab(m_wave, ProgramText::ToQString(labels[SoundPageState::kWaveTab]));
    m_tabs->addTab(m_speaker, ProgramText::ToQString(labels[SoundPageState::kSpeakerTab]));
    m_tabs->addTab(m_silent, ProgramText::ToQString(labels[SoundPageState::kSilentTab]));
    m_description->setTextFormat(Qt::PlainText);
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(m_description->fontMetrics().height() * 2);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 10);
    layout->setSpacing(6);
    layout->addWidget(m_description);
    layout->addWidget(m_tabs, 1);

    // An unknown type shows no sub-page: the first tab stays selected over an empty pane.
    if (m_state.Tab() == SoundPageState::kNoTab)
        m_wave->hide();
    else
        m_tabs->setCurrentIndex(m_state.Tab());
    ShowState();

    connect(m_tabs, &QTabWidget::currentChanged, this, &SoundPage::OnTabChanged);
    for (SoundChoicePage* page : {m_wave, m_speaker}) {
        connect(page, &SoundChoicePage::positionChosen, this, &SoundPage::OnChosen);
        connect(page, &SoundChoicePage::testRequested, this,
                [this] { m_player->Start(m_settings.soundType); });
    }
}

QWidget* SoundPage::subPage(int tab) const
{
    switch (tab) {
    case SoundPageState::kWaveTab:
        return m_wave;
    case SoundPageState::kSpeakerTab:
        return m_speaker;
    case SoundPageState::kSilentTab:
        return m_silent;
    default:
        return nullptr;
    }
}

SoundChoicePage* SoundPage::choicePage(int tab) const
{
    return qobject_cast<SoundChoicePage*>(subPage(tab));
}

void SoundPage::OnTabChanged(int tab)
{
    m_state.SelectTab(tab);
    m_settings.soundType = m_state.SoundType();
    if (!m_wave->isVisibleTo(m_tabs) && tab == SoundPageState::kWaveTab)
        m_wave->show();
    ShowState();
}

void SoundPage::OnChosen(int position)
{
    m_state.Choose(position);
    m_settings.soundType = m_state.SoundType();
}

void SoundPage::ShowState()
{
    m_description->setText(ProgramText::ToQString(m_state.Description()));
    if (SoundChoicePage* page = choicePage(m_state.Tab()))
        page->setPosition(m_state.ListPosition());
}
