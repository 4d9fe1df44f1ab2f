#pragma once

#include "MainFrameFixture.h"

#include "app/AboutDialog.h"
#include "app/HelpWindow.h"
#include "app/ProgramMessage.h"

#include <QStringList>
#include <QUrl>

// A main window for "Anna" whose messages are collected instead of shown and whose
// web and mail links open nothing.
class MenuCommandFixture : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MainFrameFixture::SetUp();
        ProgramMessage::SetObserverForTesting([this](const QString& text) { messages << text; });
        HelpWindow::SetUrlOpener([](const QUrl&) { return true; });
        CreateUser();
    }
    void TearDown() override
    {
        ProgramMessage::SetObserverForTesting({});
        HelpWindow::SetUrlOpener({});
        AboutDialog::ClearNextAnswer();
        MainFrameFixture::TearDown();
    }

    QStringList messages;
};
