#pragma once

#include <string>
#include <vector>

// The sound page's rules for `soundType`: which of its three sub-pages a type belongs to,
// the line that describes the shown sub-page, and what showing, hiding and choosing on a
// sub-page do to the type. Each sub-page puts a type of its own group in when it appears,
// so a type from another group never survives a change of sub-page.
class SoundPageState
{
public:
    static constexpr int kNoTab = -1;
    static constexpr int kWaveTab = 0;    // "WAV Datei": types 0-3
    static constexpr int kSpeakerTab = 1; // "Lautsprecher": types 4-7
    static constexpr int kSilentTab = 2;  // "kein Klang": type 8
    static constexpr int kTabCount = 3;
    static constexpr int kSilentSoundType = 8;

    // Opens with the sub-page of the type shown; an unknown type shows none.
    explicit SoundPageState(int soundType);

    int SoundType() const { return m_soundType; }
    // The shown sub-page, kNoTab when none is.
    int Tab() const { return m_tab; }
    // The shown sub-page's description (Windows-1250); empty when none is shown.
    std::string Description() const;
    // The entry of the shown sub-page's list that stands for the type; -1 when the
    // sub-page has no list or the type is not one of its own.
    int ListPosition() const;

    // Another inner tab: all three sub-pages are hidden in their order, then the chosen
    // one is shown. Leaving "kein Klang" passes through type 8.
    void SelectTab(int tab);
    // An entry chosen in the shown sub-page's list.
    void Choose(int position);

    // The sub-page a type belongs to, kNoTab for an unknown type.
    static int TabFor(int soundType);
    // The names of a sub-page's list (Windows-1250); empty for "kein Klang".
    static const std::vector<std::string>& Entries(int tab);
    // The inner tab labels, in order.
    static const std::vector<std::string>& TabLabels();

private:
    void Hide(int tab);
    void Show(int tab);
    // The type of list position 0 on a sub-page with a list.
    static int FirstType(int tab);

    int m_soundType;
    int m_tab;
};
