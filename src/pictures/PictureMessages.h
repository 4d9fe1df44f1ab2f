#pragma once

#include "pictures/PictureLoadFailure.h"

#include <QMessageBox>

#include <memory>

class QWidget;

// The message boxes about pictures. Create* builds a box without showing it; Show* runs
// it modally.
class PictureMessages
{
public:
    // "Can't open" with an OK button; the library's message titled "JPEG Fatal Error" with
    // the stop icon; "Out of memory" with the stop icon. Null for a failure of kind None.
    static std::unique_ptr<QMessageBox> CreateLoadFailureBox(const PictureLoadFailure& failure,
                                                             QWidget* parent);
    static void ShowLoadFailure(const PictureLoadFailure& failure, QWidget* parent);

    // Message 503: a picture of the installation did not load (the caller ends the program).
    static std::unique_ptr<QMessageBox> CreateMissingPictureBox(QWidget* parent);
    static void ShowMissingPicture(QWidget* parent);
};
