#pragma once

#include "Synth.h"

#include <string>
#include <vector>

// One installed sound: its file name and how to make it. Good sounds answer every
// correct keystroke, so they are short and soft; bad sounds block typing while they
// play, so they stay well under a quarter of a second.
struct SoundDesign
{
    std::string fileName;
    std::string description;
    Samples (*make)();
    double fadeIn; // seconds
    double fadeOut;
};

// The nine sounds: good1/bad1 "Standard", good2/bad2 "Ente", good3/bad3
// "Schreibmaschine", good4/bad4 "Blubb", and the welcome chime.
const std::vector<SoundDesign>& AllSoundDesigns();

// Level every sound is normalised to, leaving headroom for the player's mixing.
constexpr double kPeakDbfs = -3.0;
