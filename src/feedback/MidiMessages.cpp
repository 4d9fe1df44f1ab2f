#include "feedback/MidiMessages.h"

#include <algorithm>

namespace {

std::uint8_t Status(int kind, int channel)
{
    return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}

std::uint8_t Data(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

constexpr int kResetAllControllers = 121;
constexpr int kAllNotesOffController = 123;

} // namespace

MidiMessage MidiMessages::ProgramChange(int channel, int program)
{
    return {Status(0xC0, channel), Data(program)};
}

MidiMessage MidiMessages::NoteOn(int channel, int note, int velocity)
{
    return {Status(0x90, channel), Data(note), Data(velocity)};
}

MidiMessage MidiMessages::NoteOff(int channel, int note)
{
    return {Status(0x80, channel), Data(note), 0};
}

MidiMessage MidiMessages::ControlChange(int channel, int controller, int value)
{
    return {Status(0xB0, channel), Data(controller), Data(value)};
}

MidiMessage MidiMessages::AllNotesOff(int channel)
{
    return ControlChange(channel, kAllNotesOffController, 0);
}

std::vector<MidiMessage> MidiMessages::ResetDevice()
{
    std::vector<MidiMessage> messages;
    for (int channel = 0; channel < 16; ++channel) {
        messages.push_back(ControlChange(channel, kResetAllControllers, 0));
        messages.push_back(AllNotesOff(channel));
    }
    return messages;
}

std::uint32_t MidiMessages::PackedValue(const MidiMessage& message)
{
    std::uint32_t value = 0;
    for (std::size_t i = std::min<std::size_t>(message.size(), 4); i-- > 0;)
        value = value << 8 | message[i];
    return value;
}
