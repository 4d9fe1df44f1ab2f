#pragma once

#include "feedback/MidiPort.h"
#include "feedback/MidiTickValues.h"

#include <functional>
#include <memory>
#include <optional>

// The metronome's sound tick. The output is opened on the first tick and stays open,
// opened again when the device number changes; a device that cannot be opened leaves the
// tick silent and is tried again on the next one. Each tick ends the previous note, selects
// the instrument and starts the note.
class MidiTicker
{
public:
    // Opens the output for a device number; nullptr (or an exception) when it cannot.
    using PortOpener = std::function<std::unique_ptr<MidiPort>(int device)>;

    explicit MidiTicker(PortOpener opener);
    // Ends a note still sounding before the output closes.
    ~MidiTicker();

    MidiTicker(const MidiTicker&) = delete;
    MidiTicker& operator=(const MidiTicker&) = delete;

    void Tick(const MidiTickValues& values);

    bool IsOpen() const { return m_port != nullptr; }
    // The device the open output was opened for.
    int OpenDevice() const { return m_device; }

private:
    struct SoundingNote
    {
        int channel = 0;
        int note = 0;
    };

    void Close();
    void SilencePreviousNote();

    PortOpener m_opener;
    std::unique_ptr<MidiPort> m_port;
    int m_device = 0;
    std::optional<SoundingNote> m_sounding;
};
