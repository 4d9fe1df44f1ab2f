#pragma once

#include "app/InformationBox.h"
#include "users/LoginMessages.h"

// The login's notices in the program's information box.
class InformationBoxLoginMessages : public LoginMessages
{
public:
    void ShowNotice(QWidget* parent, const QString& text) override
    {
        int noOption = 0;
        InformationBox box(InformationBox::kNotice, text, noOption, parent);
        box.exec();
    }
};
