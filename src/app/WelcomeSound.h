#pragma once

class QObject;
class QSoundEffect;

// The greeting played once at start: sounds/wellcome.wav of the program folder.
class WelcomeSound
{
public:
    // Starts the sound and returns at once. The effect belongs to `owner` (the
    // application when null) and removes itself when it has played or failed, so it
    // outlives a screen that closes early. Null when the file is missing. Without an
    // audio device nothing is heard and nothing fails.
    static QSoundEffect* Play(QObject* owner = nullptr);
};
