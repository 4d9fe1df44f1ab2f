#pragma once

#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "exercise/TypeableCharacters.h"
#include "users/UserProfile.h"

// What one run of the program works on: the logged-in user, the lessons of their
// course, the exercise that runs or ran last and the characters their keyboard types.
// The application owns one and lends it, or the parts they need, to the engine and the
// windows; a test builds its own.
class TypingSession
{
public:
    TypingSession()
        : catalog(typeable, [this] {
            return LessonCatalog::Course{profile.KeyboardId(), profile.LessonSet()};
        })
    {}
    TypingSession(const TypingSession&) = delete;
    TypingSession& operator=(const TypingSession&) = delete;

    // Declared in this order so that the catalogue, which reads both, is built after them
    // and the profile, which saves itself, goes last.
    UserProfile profile;
    TypeableCharacters typeable;
    LessonCatalog catalog;
    ExerciseRecord record;
};
