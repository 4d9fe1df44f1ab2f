#include "app/TypingApplication.h"

#include "app/CMainFrame.h"
#include "app/ExitCode.h"
#include "app/InformationBoxLoginMessages.h"
#include "app/PictureStore.h"
#include "app/ProgramIcon.h"
#include "app/QtTranslation.h"
#include "app/TerminationSignals.h"
#include "app/UserFileSaver.h"
#include "app/WelcomeScreen.h"
#include "exercise/RemarkRandom.h"
#include "exercise/RemarkTables.h"
#include "exercise/SystemExerciseClock.h"
#include "exercise/TypingSession.h"
#include "feedback/SoundFeedback.h"
#include "keyboard/KeyboardLayoutSwitcher.h"
#include "pictures/PictureMessages.h"
#include "resources/StaleTemporaryFiles.h"
#include "users/LoginDialog.h"
#include "users/UserProfile.h"
#include "widgets/DialogFont.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <filesystem>
#include <malloc.h>
#include <optional>

namespace {

// Long enough for the welcome screen to be painted first.
constexpr int kOtherPicturesDelayMs = 100;

} // namespace

int TypingApplication::Run(int argc, char** argv)
{
    const auto started = std::filesystem::file_time_type::clock::now();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Tippwerk"));
    QApplication::setOrganizationName(QStringLiteral("tvr SOFTWARE"));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.tippwerk.Tippwerk"));
    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::setWindowIcon(ProgramIcon::Load());
    // The interface is German; Qt's own dialogs and buttons follow it.
    QtTranslation::Install(app);
    // Until the main window exists, SIGTERM and SIGINT just end the program.
    TerminationSignals termination;

    PictureStore pictures;
    if (!pictures.LoadWelcomePicture()) {
        PictureMessages::ShowMissingPicture(nullptr);
        return kExitStartPictures;
    }
    DialogFont::Font();

    // The other start pictures are not needed before the login: they are decoded while
    // the welcome screen shows, so that it comes up sooner.
    std::optional<bool> othersLoaded;
    QTimer othersTimer;
    othersTimer.setSingleShot(true);
    QObject::connect(&othersTimer, &QTimer::timeout,
                     [&] { othersLoaded = pictures.LoadOtherStartPictures(); });
    othersTimer.start(kOtherPicturesDelayMs);
    if (const int code = RunWelcomeScreen(pictures); code != 0)
        return code;
    pictures.ShrinkWelcomeToCanvas();
    othersTimer.stop();
    if (!othersLoaded)
        othersLoaded = pictures.LoadOtherStartPictures();
    if (!*othersLoaded) {
        PictureMessages::ShowMissingPicture(nullptr);
        return kExitStartPictures;
    }
    if (termination.Received())
        return 0;
    // Saves cut off by a kill leave their temporary files behind; nobody else removes them.
    StaleTemporaryFiles::Remove(UserProfile::UsersFolder(), started, StaleTemporaryFiles::IsProcessAlive);

    TypingSession session;
    InformationBoxLoginMessages loginMessages;
    LoginDialog login(session.profile, loginMessages);
    if (login.exec() != QDialog::Accepted)
        return 0;
    // A new account exists from now on, whatever happens to the process later.
    UserFileSaver::SaveCurrentUser(session.profile, nullptr);

    SystemExerciseClock clock;
    SoundFeedback sounds;
    // Without the tables the results show no remark; nothing else depends on them.
    RemarkTables remarks;
    remarks.LoadInstalled();
    RemarkRandom random;
    std::unique_ptr<KeyboardLayoutSwitcher> layouts = KeyboardLayoutSwitcher::ForThisSession();

    std::optional<int> quitCode;
    int result = 0;
    {
        CMainFrame frame(session.profile.Name(), login.isNewUser != 0,
                         CMainFrame::Services{session, pictures, *layouts, sounds, clock, remarks, random});
        QObject::connect(&frame, &CMainFrame::QuitRequested, &frame, [&](int code) {
            quitCode = code;
            QApplication::exit(code);
        });
        // A session ending or a service manager: the same way out as "Ende".
        termination.SetReaction([&] {
            quitCode = 0;
            frame.CloseWithoutQuestions();
            QApplication::exit(0);
        });
        frame.show();
        frame.Start();
        // Decoding the pictures and the start-up dialogs leave freed heap behind; give it
        // back once the main window is idle.
        QTimer::singleShot(1000, &frame, [] { malloc_trim(0); });
        result = quitCode ? *quitCode : QApplication::exec();
        if (quitCode)
            result = *quitCode;
        termination.SetReaction({});
    }
    layouts->Restore();
    // The main window is gone: a failure gets a box of its own.
    UserFileSaver::SaveCurrentUser(session.profile, nullptr);
    return result;
}
