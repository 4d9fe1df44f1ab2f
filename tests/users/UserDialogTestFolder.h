#pragma once

#include "UserTestFolder.h"
#include "app/InformationBox.h"
#include "users/LoginDialog.h"
#include "users/UserInfoDialog.h"
#include "users/UserProfile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <memory>

// A program folder of its own and a fresh profile for every dialog test.
class UserDialogTestFolder : public UserTestFolder
{
protected:
    void SetUp() override
    {
        UserTestFolder::SetUp();
        m_profile = std::make_unique<UserProfile>();
    }

    void TearDown() override
    {
        LoginDialog::ClearNextAnswers();
        UserInfoDialog::ClearNextAnswer();
        InformationBox::ClearNextAnswer();
        // Gone before its folder: a changed user saves itself on the way out.
        m_profile.reset();
        UserTestFolder::TearDown();
    }

    UserProfile& Profile() { return *m_profile; }

    // A user of an older installation: the password stands in the file as typed.
    void WritePlainUser(const std::string& name, const std::string& password, const std::string& folder = {})
    {
        WriteLines((folder.empty() ? Users() : folder) + name + ".dat",
                   {name, password, "00000407", "_a", ""});
    }

    // Write times an hour ago plus `seconds`, to order users by age.
    static void SetWriteTime(const std::string& path, int seconds)
    {
        const auto hourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
        std::filesystem::last_write_time(path, hourAgo + std::chrono::seconds(seconds));
    }

    std::unique_ptr<UserProfile> m_profile;
};

// Answers every plain message box that opens while it lives with OK, noting its texts.
class MessageBoxAnswerer
{
public:
    MessageBoxAnswerer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                captions.append(box->windowTitle());
                texts.append(box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(5);
    }

    QStringList captions;
    QStringList texts;

private:
    QTimer m_timer;
};
