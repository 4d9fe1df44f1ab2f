#include "feedback/MidiTicker.h"

#include <exception>

MidiTicker::MidiTicker(PortOpener opener)
    : m_opener(std::move(opener))
{}

MidiTicker::~MidiTicker()
{
    Close();
}

void MidiTicker::Tick(const MidiTickValues& values)
{
    if (m_port && values.device != m_device)
        Close();
    const bool opening = !m_port;
    if (opening) {
        try {
            m_port = m_opener ? m_opener(values.device) : nullptr;
        } catch (const std::exception&) {
            m_port = nullptr;
        }
        if (!m_port)
            return;
        m_device = values.device;
    }
    // A device that fails while sending is given up and opened afresh on the next tick.
    try {
        if (opening) {
            for (const MidiMessage& message : MidiMessages::ResetDevice())
                m_port->Send(message);
        }
        SilencePreviousNote();
        m_port->Send(MidiMessages::ProgramChange(values.channel, values.program));
        m_port->Send(MidiMessages::NoteOn(values.channel, values.note, values.velocity));
        m_sounding = SoundingNote{values.channel, values.note};
    } catch (const std::exception&) {
        m_sounding.reset();
        m_port.reset();
    }
}

void MidiTicker::SilencePreviousNote()
{
    if (!m_sounding)
        return;
    m_port->Send(MidiMessages::NoteOff(m_sounding->channel, m_sounding->note));
    m_port->Send(MidiMessages::AllNotesOff(m_sounding->channel));
    m_sounding.reset();
}

void MidiTicker::Close()
{
    if (m_port) {
        try {
            SilencePreviousNote();
        } catch (const std::exception&) {
        }
    }
    m_sounding.reset();
    m_port.reset();
}
