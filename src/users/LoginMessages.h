#pragma once

class QString;
class QWidget;

// How the login shows a notice (wrong password, damaged file and the like). The
// application supplies it, so the login needs none of the application's windows.
class LoginMessages
{
public:
    virtual ~LoginMessages() = default;
    // Shows `text` over `parent` and returns once it has been acknowledged.
    virtual void ShowNotice(QWidget* parent, const QString& text) = 0;
};
