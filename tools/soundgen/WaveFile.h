#pragma once

#include "Synth.h"

#include <string>

// Stores `samples` as a mono 16-bit PCM RIFF/WAVE file at kSampleRate. The file is
// written beside the target under a temporary name and then renamed over it, so an
// interrupted run never leaves a truncated sound behind. On failure returns false and
// sets `error`.
bool WriteWaveFile(const std::string& path, const Samples& samples, std::string& error);
