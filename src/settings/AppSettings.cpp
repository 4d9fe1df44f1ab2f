#include "settings/AppSettings.h"

#include "exercise/DataFields.h"
#include "resources/ProgramPaths.h"

void AppSettings::Reset()
{
    const AppSettings defaults;
    CopyFrom(defaults);
}

std::string AppSettings::ToLine() const
{
    std::string line = "!";
    for (const int value : {blinkingCursor, cursorStyle, soundType, dialogAfterError, showKeyboard, showHands,
                            showStatistics, metronomeMode, metronomeBpm})
        line += std::to_string(value) + ':';
    return line + pictureSet + ':';
}

bool AppSettings::FromLine(const std::string& text)
{
    if (text.empty() || text[0] != '!')
        return false;
    std::string rest = text.substr(1);
    std::string field;
    // The error dialog comes fourth, ahead of the three pane options.
    for (int* value : {&blinkingCursor, &cursorStyle, &soundType, &dialogAfterError, &showKeyboard,
                       &showHands, &showStatistics, &metronomeMode, &metronomeBpm}) {
        if (!DataFields::TakeField(rest, field))
            return false;
        *value = DataFields::ToInt(field);
    }
    if (!DataFields::TakeField(rest, field))
        return false;
    // A damaged name must not lead the picture loader out of the pictures folder.
    if (IsSafePictureSet(field))
        pictureSet = field;
    return true;
}

void AppSettings::CopyFrom(const AppSettings& other)
{
    blinkingCursor = other.blinkingCursor;
    cursorStyle = other.cursorStyle;
    soundType = other.soundType;
    showKeyboard = other.showKeyboard;
    showHands = other.showHands;
    showStatistics = other.showStatistics;
    dialogAfterError = other.dialogAfterError;
    metronomeMode = other.metronomeMode;
    metronomeBpm = other.metronomeBpm;
    pictureSet = other.pictureSet;
}

bool AppSettings::IsSafePictureSet(const std::string& name)
{
    return IsSafeFileName(name);
}
