#include "settings/SoundPageState.h"

namespace {

constexpr int kEntriesPerList = 4;

} // namespace

SoundPageState::SoundPageState(int soundType)
    : m_soundType(soundType)
    , m_tab(TabFor(soundType))
{}

std::string SoundPageState::Description() const
{
    switch (m_tab) {
    case kWaveTab:
        return "Es wurde digitaler Klang ausgew\xe4hlt.";
    case kSpeakerTab:
        return "Tonausgabe aktiviert.";
    case kSilentTab:
        return "W\xe4hrend dem Schreiben werden keine Ger\xe4usche abgespielt.";
    default:
        return {};
    }
}

int SoundPageState::ListPosition() const
{
    if (m_tab != kWaveTab && m_tab != kSpeakerTab)
        return -1;
    const int position = m_soundType - FirstType(m_tab);
    return position >= 0 && position < kEntriesPerList ? position : -1;
}

void SoundPageState::SelectTab(int tab)
{
    if (tab < 0 || tab >= kTabCount)
        return;
    for (int hidden = 0; hidden < kTabCount; ++hidden)
        Hide(hidden);
    Show(tab);
}

void SoundPageState::Choose(int position)
{
    if ((m_tab != kWaveTab && m_tab != kSpeakerTab) || position < 0 || position >= kEntriesPerList)
        return;
    m_soundType = FirstType(m_tab) + position;
}

int SoundPageState::TabFor(int soundType)
{
    if (soundType >= 0 && soundType <= 3)
        return kWaveTab;
    if (soundType >= 4 && soundType <= 7)
        return kSpeakerTab;
    if (soundType == kSilentSoundType)
        return kSilentTab;
    return kNoTab;
}

const std::vector<std::string>& SoundPageState::Entries(int tab)
{
    static const std::vector<std::string> wave = {"Standard", "Ente", "Schreibmaschine", "Blubb"};
    static const std::vector<std::string> speaker = {"Nur Fehler", "Fehler, Tonunterbrechung", "Robot",
                                                     "Piep"};
    static const std::vector<std::string> none;
    switch (tab) {
    case kWaveTab:
        return wave;
    case kSpeakerTab:
        return speaker;
    default:
        return none;
    }
}

const std::vector<std::string>& SoundPageState::TabLabels()
{
    static const std::vector<std::string> labels = {"WAV Datei", "Lautsprecher", "kein Klang"};
    return labels;
}

void SoundPageState::Hide(int tab)
{
    if (tab != m_tab)
        return;
    // "kein Klang" stands for silence whether it comes or goes.
    if (tab == kSilentTab)
        m_soundType = kSilentSoundType;
    m_tab = kNoTab;
}

void SoundPageState::Show(int tab)
{
    m_tab = tab;
    if (tab == kSilentTab) {
        m_soundType = kSilentSoundType;
        return;
    }
    if (TabFor(m_soundType) != tab)
        m_soundType = FirstType(tab);
}

int SoundPageState::FirstType(int tab)
{
    return tab == kSpeakerTab ? 4 : 0;
}
