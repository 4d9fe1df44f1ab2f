#pragma once

#include <string>
#include <vector>

// Which of the system's MIDI output ports a device number stands for.
class MidiPortChoice
{
public:
    // Device -1, the default output, is the first port that makes sound: a "Midi Through"
    // port only passes the notes on and is skipped. Devices 0 and up count every port.
    // -1 when there is no such port.
    static int Choose(const std::vector<std::string>& portNames, int device);
};
