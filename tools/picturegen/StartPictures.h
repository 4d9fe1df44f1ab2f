#pragma once

#include <QImage>

// The pictures in the pictures folder itself, shared by every picture set.
class StartPictures
{
public:
    static QImage Welcome();     // wellcome.jpg: the start screen
    static QImage MainWelcome(); // wellcome2.jpg: the main window before a lesson
    static QImage SmallWindow(); // SmallWindow.jpg: the main-window settings page
    static QImage Silent();      // Silent.jpg: the "kein Klang" settings page
    static QImage Login();       // Login.jpg: the login dialog
};
