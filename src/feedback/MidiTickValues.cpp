#include "feedback/MidiTickValues.h"

#include "settings/AppSettings.h"

MidiTickValues MidiTickValues::From(const AppSettings& settings)
{
    MidiTickValues values;
    values.device = settings.midiDevice;
    values.channel = settings.midiChannel;
    values.velocity = settings.midiVelocity;
    values.note = settings.midiNote;
    values.program = settings.midiProgram;
    return values;
}
