#pragma once

#include "feedback/MidiMessages.h"

// An opened MIDI output. Closing is destroying it.
class MidiPort
{
public:
    virtual ~MidiPort() = default;

    // Sends one short message; may throw when the device has gone away.
    virtual void Send(const MidiMessage& message) = 0;
};
