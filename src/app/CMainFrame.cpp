#include "app/CMainFrame.h"

#include "app/AboutDialog.h"
#include "app/ExitCode.h"
#include "app/HelpWindow.h"
#include "app/InformationBox.h"
#include "app/InformationBoxLoginMessages.h"
#include "app/LimitDialog.h"
#include "app/NoteDialog.h"
#include "app/PictureStore.h"
#include "app/ProgramMessage.h"
#include "app/TypedCharacter.h"
#include "app/UserFileSaver.h"
#include "exercise/ExerciseEngine.h"
#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "exercise/RemarkRandom.h"
#include "exercise/TypingSession.h"
#include "feedback/SoundFeedback.h"
#include "keyboard/KeyboardLayoutSwitcher.h"
#include "keyboard/KeyboardView.h"
#include "resources/ProgramPaths.h"
#include "resources/StringTable.h"
#include "results/LessonSelectionDialog.h"
#include "results/ResultsDialog.h"
#include "rtf/RtfFileError.h"
#include "settings/SettingsDialog.h"
#include "settings/WindowPlacementStore.h"
#include "users/LoginDialog.h"
#include "users/UserInfoDialog.h"
#include "users/UserProfile.h"
#include "widgets/DialogText.h"
#include "widgets/ProgramText.h"
#include "wizard/CFirstTimeWizard.h"
#include "wizard/LessonEndDialog.h"
#include "wizard/StatisticsFileSaver.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

#include <optional>

namespace {

// The view draws from the application's picture slots, so another picture set shows up
// as soon as it is loaded.
KeyboardViewPictures ViewPictures(const PictureStore& store)
{
    using Set = PictureStore::SetPicture;
    KeyboardViewPictures pictures;
    pictures.welcome = &store.Picture(PictureStore::StartPicture::SecondWelcome);
    pictures.animationCanvas = &store.Picture(PictureStore::StartPicture::Welcome);
    pictures.handsBackground = &store.Picture(Set::HandsBackground);
    pictures.statusBackground = &store.Picture(Set::StatisticsBackground);
    pictures.background = &store.Picture(Set::Background);
    for (int i = 0; i < 8; ++i)
        pictures.movies[static_cast<size_t>(i)] =
            &store.Picture(static_cast<Set>(static_cast<int>(Set::Movie1) + i));
    return pictures;
}

QString ChooseTextFile(QWidget* parent, const QString& initialName, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, DialogText::FromTable(128), initialName, filter);
}

QString ChooseStatisticsFile(QWidget* parent, const QString& initialName, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Auswertung öffnen"), initialName, filter);
}

} // namespace

CMainFrame::CMainFrame(const std::string& userName, bool isNewUser, Services services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_userName(userName)
{
    setWindowTitle(DialogText::FromTable(128));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);

    m_placement = std::make_unique<WindowPlacementStore>(WindowPlacementStore::ForMainWindow(userName, this));
    m_view = new KeyboardView(m_services.session.typeable, this);
    m_engine = std::make_unique<ExerciseEngine>(ExerciseHost{*m_view, m_services.sounds, *this, *this},
                                                m_services.clock, m_services.session, m_settings, userName,
                                                isNewUser);
    m_view->SetLineSource([&catalog = m_services.session.catalog](int lesson, int line) {
        return catalog.LessonLine(lesson, line);
    });
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->SetPictures(ViewPictures(m_services.pictures));
    m_view->SetWelcomeSoundPlayer(
        [&sounds = m_services.sounds](const std::string& path) { sounds.PlayFile(path); });
    setCentralWidget(m_view);
    BuildMenu();

    m_engine->StopExercise();
    m_settings.FromLine(m_services.session.profile.SettingsLine());

    // Named children, so that the timers of an exercise can be found from outside.
    m_displayTimer.setParent(this);
    m_displayTimer.setObjectName(QStringLiteral("displayTimer"));
    m_metronomeTimer.setParent(this);
    m_metronomeTimer.setObjectName(QStringLiteral("metronomeTimer"));
    m_displayTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_displayTimer, &QTimer::timeout, this,
            [this] { m_engine->OnTimer(ExerciseEngine::kDisplayTimerId); });
    connect(&m_metronomeTimer, &QTimer::timeout, this,
            [this] { m_engine->OnTimer(ExerciseEngine::kMetronomeTimerId); });

    setMinimumWidth(kMinimumWidth);
    m_placement->PrepareCreate();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::Start()
{
    if (m_engine->State().qualificationRun) {
        // The wizard applies the keyboard it ends with, before the test begins.
        m_engine->RunFirstTimeSetup();
    } else {
        if (!ApplyUserKeyboard())
            return;
        OnChooseLesson();
    }
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, int id)
{
    QAction* action = menu ? menu->addAction(text) : menuBar()->addAction(text);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    return action;
}

void CMainFrame::BuildMenu()
{
    QMenu* program = menuBar()->addMenu(QStringLiteral("P&rogramm"));
    AddCommand(program, QStringLiteral("&Benutzer ändern"), kChangeUser);
    AddCommand(program, QStringLiteral("Benutzer I&nformation"), kUserInformation);
    program->addSeparator();
    AddCommand(program, QStringLiteral("Auswertung &speichern"), kSaveResults);
    AddCommand(program, QStringLiteral("Auswertung &öffnen"), kOpenResults);
    program->addSeparator();
    AddCommand(program, QStringLiteral("E&instellungen auf Diskette speichern"), kSaveToDiskette);
    program->addSeparator();
    // Where desktop users look for them, besides the menus.
    AddCommand(program, QStringLiteral("&Ende"), kExit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* practice = menuBar()->addMenu(QStringLiteral("Pra&xis"));
    AddCommand(practice, QStringLiteral("Lektion &auswählen"), kChooseLesson);
    AddCommand(practice, QStringLiteral("&Textdatei"), kPractiseTextFile);

    AddCommand(nullptr, QStringLiteral("&Einstellungen"), kSettings);
    AddCommand(nullptr, QStringLiteral("&Auswertung"), kShowResults);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    AddCommand(help, QStringLiteral("&Zur Lektion"), kLessonNote);
    AddCommand(help, QStringLiteral("&Themen"), kHelpTopics)->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    AddCommand(help, QStringLiteral("Über das &Programm"), kAbout);
}

QAction* CMainFrame::CommandAction(int id) const
{
    for (QAction* top : menuBar()->actions()) {
        if (top->data().toInt() == id)
            return top;
        if (QMenu* menu = top->menu())
            for (QAction* action : menu->actions())
                if (action->data().toInt() == id)
                    return action;
    }
    return nullptr;
}

void CMainFrame::RunCommand(int id)
{
    switch (id) {
    case kEndTest:
        m_engine->OnEndTestCommand();
        break;
    case kChooseLesson:
        OnChooseLesson();
        break;
    case kLessonNote:
        OnLessonNote();
        break;
    case kShowResults:
        OnShowResults();
        break;
    case kOpenResults:
        OnOpenResults();
        break;
    case kSettings:
        OnSettings();
        break;
    case kHelpTopics:
        OnHelpTopics();
        break;
    case kUserInformation:
        RunUserInfoDialog();
        break;
    case kChangeUser:
        OnChangeUser();
        break;
    case kSaveResults:
        OnSaveResults();
        break;
    case kSaveToDiskette:
        OnSaveToDiskette();
        break;
    case kAbout:
        OnAbout();
        break;
    case kExit:
        close();
        break;
    case kPractiseTextFile:
        OnPractiseTextFile();
        break;
    default:
        break;
    }
}

template <typename Function>
auto CMainFrame::Modal(Function&& function)
{
    // A modal window takes the focus from the main window; say so before it opens,
    // whatever the window system reports and when.
    SetFocused(false);
    struct Refocus
    {
        CMainFrame* frame;
        ~Refocus() { frame->FocusMainWindow(); }
    } refocus{this};
    return function();
}

void CMainFrame::SetFocused(bool focused)
{
    if (focused == m_focused)
        return;
    m_focused = focused;
    if (focused)
        m_engine->OnFocusGained();
    else
        m_engine->OnFocusLost();
}

// ---- ExerciseDialogs

void CMainFrame::ShowNote(const std::string& text)
{
    Modal([&] {
        NoteDialog note(this);
        return note.ShowNote(ProgramText::ToQString(text));
    });
}

void CMainFrame::ShowInformation(const std::string& text, int& option)
{
    Modal([&] {
        InformationBox box(InformationBox::kNotice, ProgramText::ToQString(text), option, this);
        return box.exec();
    });
}

ExerciseDialogs::LessonEndResult CMainFrame::RunLessonEndDialog(const std::string& userName, bool passed,
                                                                int lessonNumber)
{
    return Modal([&] {
        // The result has just been recorded; keep it on disk before anything else can happen.
        UserFileSaver::SaveCurrentUser(m_services.session.profile, this);
        LessonEndDialog dialog(
            m_services.session.record, userName, passed, lessonNumber,
            [this](const std::string& name, QWidget* parent) { ShowResults(name, parent); }, this);
        return dialog.Run();
    });
}

void CMainFrame::RunUserInfoDialog()
{
    Modal([&] {
        UserInfoDialog dialog(m_services.session.profile, this);
        return dialog.exec();
    });
}

ExerciseDialogs::WizardResult CMainFrame::RunFirstTimeWizard(bool startAtTestPage)
{
    const UserProfile& profile = m_services.session.profile;
    const std::string lessonSetBefore = profile.LessonSet();
    bool layoutsAsked = false;
    const WizardResult result = Modal([&] {
        CFirstTimeWizard wizard(
            m_services.session.profile, m_services.session.catalog,
            [this, &layoutsAsked](const std::string& id) {
                layoutsAsked = true;
                return m_services.layouts.ActivateLayout(id);
            },
            startAtTestPage, this);
        return wizard.Run();
    });
    // Back on the first page the user may have chosen another keyboard or course, and
    // asking which layouts exist has switched to each of them: the test and the lessons
    // after it are typed on the keyboard the wizard ended with.
    const bool changed = profile.KeyboardId().empty() || profile.KeyboardId() != m_view->Keyboard().Name() ||
                         profile.LessonSet() != lessonSetBefore;
    if ((layoutsAsked || changed) && !ApplyUserKeyboard())
        return {}; // the program ends
    return result;
}

// ---- ExerciseWindow: timers, menu, layout, focus

void CMainFrame::StartTimer(int id, int periodMs)
{
    if (id == ExerciseEngine::kDisplayTimerId)
        m_displayTimer.start(periodMs);
    else if (id == ExerciseEngine::kMetronomeTimerId)
        m_metronomeTimer.start(periodMs);
}

void CMainFrame::StopTimer(int id)
{
    if (id == ExerciseEngine::kDisplayTimerId)
        m_displayTimer.stop();
    else if (id == ExerciseEngine::kMetronomeTimerId)
        m_metronomeTimer.stop();
}

void CMainFrame::EnterQualificationMenu()
{
    const QList<QAction*> entries = menuBar()->actions();
    for (int i = 0; i < entries.size() && i < 8; ++i)
        entries[i]->setEnabled(false);
    if (!m_endTestAction) {
        m_endTestAction = new QAction(DialogText::FromTable(120), this);
        m_endTestAction->setData(static_cast<int>(kEndTest));
        connect(m_endTestAction, &QAction::triggered, this, [this] { RunCommand(kEndTest); });
    }
    menuBar()->insertAction(entries.isEmpty() ? nullptr : entries.first(), m_endTestAction);
}

void CMainFrame::LeaveQualificationMenu()
{
    if (m_endTestAction)
        menuBar()->removeAction(m_endTestAction);
    const QList<QAction*> entries = menuBar()->actions();
    for (int i = 0; i < entries.size() && i < 8; ++i)
        entries[i]->setEnabled(true);
}

void CMainFrame::RecomputeLayout()
{
    const QRect frame = ComputeMainLayout();
    if (!isMaximized() && !isFullScreen())
        resize(frame.size());
}

void CMainFrame::ResetLayoutHeight()
{
    m_layoutHeight = kDefaultLayoutHeight;
    // The panes of the exercise are gone; the window may be as low as an idle one again.
    setMinimumSize(kMinimumWidth, m_layoutHeight);
}

void CMainFrame::FocusMainWindow()
{
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    // Still the active window, as after a scripted dialog: no focus event follows, so the
    // exercise resumes now. Otherwise focusInEvent resumes it once the window system
    // activates the window, whenever that is.
    if (isActiveWindow())
        SetFocused(true);
}

// ---- Layout

bool CMainFrame::ApplyUserKeyboard()
{
    UserProfile& profile = m_services.session.profile;
    if (profile.KeyboardId().empty()) {
        // A new user who left the first-run wizard early has no course yet; without one
        // not a single lesson could be chosen. Give the program's first keyboard and set.
        profile.SetKeyboardId(StringTable::Text(600));
        profile.SetLessonSet("_a");
        profile.SetDirty();
    }
    const std::string name = profile.KeyboardId();
    m_view->SetKeyboard(name);
    m_services.session.catalog.ReloadLessons();
    if (name.size() > 3 && !m_services.layouts.ActivateLayout(name))
        ProgramMessage::ShowFromTable(this, 502);
    const std::string pictureSet = m_settings.pictureSet;
    if (!m_services.pictures.LoadPictureSetOrStandard(m_settings.pictureSet)) {
        Q_EMIT QuitRequested(kExitPictureSet);
        return false;
    }
    if (m_settings.pictureSet != pictureSet) {
        // Stored, so that the next login does not meet the missing set again.
        profile.SetSettingsLine(m_settings.ToLine());
        ShowMessageText(PictureStore::FallbackMessage(pictureSet));
    }
    m_view->Invalidate();
    return true;
}

QRect CMainFrame::ComputeMainLayout()
{
    const std::string pictureSet = m_settings.pictureSet;
    if (!m_services.pictures.LoadPictureSetOrStandard(m_settings.pictureSet)) {
        Q_EMIT QuitRequested(kExitPictureSet);
        return geometry();
    }
    if (m_settings.pictureSet != pictureSet) {
        m_services.session.profile.SetSettingsLine(m_settings.ToLine());
        ShowMessageText(PictureStore::FallbackMessage(pictureSet));
    }
    m_services.pictures.SetHandsShown(m_settings.showHands != 0);
    const int viewHeight = m_view->ComputeLayout(m_settings.showStatistics != 0, m_settings.showKeyboard != 0,
                                                 m_settings.showHands != 0);
    // The view's client height plus its frame, the menu bar and anything else around it.
    const int needed = viewHeight + (height() - m_view->contentsRect().height());
    m_layoutHeight = needed;
    setMinimumSize(kMinimumWidth, needed);
    QRect rect = geometry();
    if (height() < needed) {
        resize(width(), needed);
        rect.setHeight(needed);
    }
    m_view->Invalidate();
    return rect;
}

// ---- Events

bool CMainFrame::event(QEvent* event)
{
    // While an exercise runs, a typed character is never a shortcut: claiming it spares
    // Qt the search through every shortcut on each keystroke. Keys with Ctrl or Alt
    // (mnemonics, Ctrl+Q) and keys that type nothing (F1) still go to the shortcuts.
    if (event->type() == QEvent::ShortcutOverride && m_engine && m_engine->State().running) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers typing = Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier;
        if (!(key->modifiers() & ~typing) && TypedCharacter::FromKey(key->key(), key->text()) >= 0) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::event(event);
}

void CMainFrame::keyPressEvent(QKeyEvent* event)
{
    const int byte = TypedCharacter::FromKey(event->key(), event->text());
    if (byte >= 0)
        m_engine->OnCharacter(static_cast<char>(byte));
    event->accept();
}

void CMainFrame::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
}

void CMainFrame::focusInEvent(QFocusEvent* event)
{
    QMainWindow::focusInEvent(event);
    SetFocused(true);
}

void CMainFrame::focusOutEvent(QFocusEvent* event)
{
    QMainWindow::focusOutEvent(event);
    // Menus and their pop-ups take the keyboard for a moment; they pause the exercise too.
    SetFocused(false);
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        SetFocused(false);
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (m_engine && m_engine->State().running)
        ComputeMainLayout();
}

void CMainFrame::CloseWithoutQuestions()
{
    m_askOnClose = false;
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    m_engine->RecordProgress(false);
    UserProfile& profile = m_services.session.profile;
    if (profile.FromDiskette() && m_askOnClose) {
        const auto answer =
            QMessageBox::question(this, DialogText::FromTable(128), DialogText::FromTable(32791),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            OnSaveToDiskette();
    }
    m_placement->SavePlacement();
    UserFileSaver::SaveCurrentUser(m_services.session.profile, this);
    m_closing = true;
    event->accept();
}

// ---- Commands

void CMainFrame::OnChooseLesson()
{
    int chosen = -1;
    const bool accepted = Modal([&] {
        LessonSelectionDialog dialog(m_services.session.profile, m_services.session.catalog, m_userName,
                                     this);
        const bool ok = dialog.exec() == QDialog::Accepted;
        chosen = dialog.ChosenLesson();
        return ok;
    });
    if (!accepted)
        return;
    m_engine->RecordProgress(false);
    m_engine->StartLesson(chosen);
}

void CMainFrame::OnLessonNote()
{
    const int lesson = m_engine->State().lessonIndex;
    std::string text;
    if (lesson < 0)
        text = StringTable::Text(149);
    else
        text = StringTable::Text(146) + "\r\n" + m_services.session.catalog.LessonTitle(lesson);
    ShowNote(text);
}

void CMainFrame::OnSettings()
{
    const PictureStore& pictures = m_services.pictures;
    // Decoded for the dialog's life only.
    const QImage smallWindow = pictures.Decoded(PictureStore::StartPicture::SmallWindow);
    const QImage silent = pictures.Decoded(PictureStore::StartPicture::Silent);
    std::optional<AppSettings> chosen;
    Modal([&] {
        SettingsDialog dialog(m_settings, m_services.sounds, smallWindow, silent, pictures.PictureSetNames(),
                              this);
        if (dialog.Run())
            chosen = dialog.settings();
        return 0;
    });
    if (!chosen)
        return;
    m_settings.CopyFrom(*chosen);
    UserProfile& profile = m_services.session.profile;
    profile.SetSettingsLine(m_settings.ToLine());
    Modal([&] { return UserFileSaver::SaveCurrentUser(m_services.session.profile, this); });
    if (m_engine->State().running) {
        RecomputeLayout();
        m_engine->RestartMetronome();
    }
}

void CMainFrame::OnHelpTopics()
{
    // The help window stays open beside the main window; only the message is modal.
    const QString page = QString::fromStdString(ProgramFilePath("help", "index.html"));
    if (HelpWindow* help = HelpWindow::ShowFor(this, page))
        help->addAction(CommandAction(kExit)); // Ctrl+Q ends the program from the help too
    else
        Modal([&] {
            ProgramMessage::Show(this, HelpWindow::MissingHelpText(page));
            return 0;
        });
}

void CMainFrame::OnSaveResults()
{
    // The same saving as the lesson-end dialog's, which says when it fails.
    Modal([&] { return StatisticsFileSaver(m_services.session.record, this).Run(); });
}

void CMainFrame::OnSaveToDiskette()
{
    Modal([&] {
        ProgramMessage::ShowFromTable(this, 1056);
        // The users folder first: its failure is the user's own to know about.
        UserFileSaver::SaveCurrentUser(m_services.session.profile, this);
        return 0;
    });
    UserProfile& profile = m_services.session.profile;
    if (!profile.SaveToDiskette(profile.Name()))
        Modal([&] {
            ProgramMessage::ShowFromTable(this, 32790);
            return 0;
        });
}

void CMainFrame::OnChangeUser()
{
    m_engine->RecordProgress(false);
    m_engine->HaltExercise();
    UserProfile& profile = m_services.session.profile;
    Modal([&] { return UserFileSaver::SaveCurrentUser(m_services.session.profile, this); });
    m_placement->SavePlacement();

    bool isNewUser = false;
    const bool loggedIn = Modal([&] {
        InformationBoxLoginMessages loginMessages;
        LoginDialog login(m_services.session.profile, loginMessages, this);
        const bool ok = login.exec() == QDialog::Accepted;
        isNewUser = login.isNewUser;
        return ok;
    });
    if (!loggedIn) {
        Q_EMIT QuitRequested(kExitLoginCancelled);
        return;
    }
    m_engine->StopExercise();
    m_engine->SetQualificationRun(isNewUser);
    m_userName = profile.Name();
    m_engine->SetUserName(m_userName);
    m_placement->SetSection(m_userName);
    m_placement->RestorePlacement();
    if (isNewUser) {
        m_settings.Reset();
        profile.SetSettingsLine(m_settings.ToLine());
        // The wizard applies the keyboard it ends with, before the test begins.
        m_engine->RunFirstTimeSetup();
    } else {
        m_settings.FromLine(profile.SettingsLine());
        ApplyUserKeyboard();
    }
}

void CMainFrame::OnAbout()
{
    Modal([&] {
        AboutDialog dialog(windowIcon(), this);
        return dialog.exec();
    });
}

// ---- Text files and dropped files

void CMainFrame::SetOpenFileChooser(OpenFileChooser chooser)
{
    m_chooseTextFile = std::move(chooser);
}

void CMainFrame::OnPractiseTextFile()
{
    const QString filter = DialogText::FileFilter(114);
    const QString initialName = QStringLiteral("*.txt; *.rtf");
    const QString path = Modal([&] {
        return m_chooseTextFile ? m_chooseTextFile(this, initialName, filter)
                                : ChooseTextFile(this, initialName, filter);
    });
    if (path.isEmpty())
        return;
    m_engine->RecordProgress(false);
    PractiseFile(path);
}

void CMainFrame::PractiseFile(const QString& path)
{
    LessonCatalog& catalog = m_services.session.catalog;
    LimitDialog limits(this);
    bool imported = false;
    QString failure;
    try {
        imported = Modal([&] { return catalog.ImportText(path.toStdString(), limits); });
        if (!imported && limits.WasConfirmed())
            failure = DialogText::FromTable(506);
    } catch (const RtfFileError& error) {
        const int message = error.kind() == RtfFileError::Kind::NotFound ? 61858 : 61857;
        failure = DialogText::FromTable(message).arg(QString::fromStdString(error.path()));
    } catch (const std::exception&) {
        // A text too large for the memory left is no text to practise on; the program goes on.
        failure = DialogText::FromTable(506);
    }
    if (imported) {
        if (!m_engine->StartLesson(FREE_TEXT_LESSON))
            ShowMessageText(DialogText::FromTable(504));
        return;
    }
    // "Zurück" is no damaged file: it leaves everything as it was, without a message.
    if (failure.isEmpty())
        return;
    // A free text being practised has just lost its lines; typing on would be judged
    // against a text that is no longer there.
    if (m_engine->State().running && m_engine->State().lessonIndex == FREE_TEXT_LESSON) {
        m_engine->StopExercise();
        m_view->Invalidate();
    }
    ShowMessageText(failure);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths << (url.isLocalFile() ? url.toLocalFile() : url.toString());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // The drag source waits until the drop returns; the dialogs come after that.
    QTimer::singleShot(0, this, [this, paths] { OnDroppedFiles(paths); });
}

void CMainFrame::OnDroppedFiles(const QStringList& paths)
{
    const QString first = paths.first().toLower();
    if (first.contains(QStringLiteral(".stat"))) {
        if (m_engine->State().running && !AskQuestion(192))
            return;
        for (const QString& path : paths) {
            m_engine->RecordProgress(false);
            m_engine->StopExercise();
            m_view->Invalidate();
            if (!m_services.session.record.LoadStatistics(QFile::encodeName(path).toStdString())) {
                ShowMessageText(DialogText::FromTable(506));
                return;
            }
            OnShowResults();
        }
    } else if (first.contains(QStringLiteral(".rtf")) || first.contains(QStringLiteral(".txt"))) {
        if (m_engine->State().running && !AskQuestion(191))
            return;
        m_engine->RecordProgress(false);
        PractiseFile(paths.first());
    } else {
        ShowMessageText(DialogText::FromTable(198));
    }
}

// ---- Results

void CMainFrame::ShowResults(const std::string& userName, QWidget* parent)
{
    RemarkRandom& random = m_services.random;
    ResultsDialog dialog(
        userName, m_services.session.record, m_services.session.typeable.Characters(), m_services.remarks,
        [&random] { return random.Next(); }, parent);
    dialog.exec();
}

void CMainFrame::OnShowResults()
{
    Modal([&] {
        ShowResults(m_userName, this);
        return 0;
    });
}

void CMainFrame::SetStatisticsFileChooser(OpenFileChooser chooser)
{
    m_chooseStatisticsFile = std::move(chooser);
}

void CMainFrame::OnOpenResults()
{
    if (m_engine->State().running) {
        if (!AskQuestion(192))
            return;
        m_engine->RecordProgress(false);
    }
    const QString filter = DialogText::FileFilter(115);
    // Where the last evaluation was saved, if it was during this run.
    const QString initialName = QDir(StatisticsFileSaver::StartFolder()).filePath(QStringLiteral("*.stat"));
    const QString path = Modal([&] {
        return m_chooseStatisticsFile ? m_chooseStatisticsFile(this, initialName, filter)
                                      : ChooseStatisticsFile(this, initialName, filter);
    });
    // The exercise is over once the user agreed, whether or not a file follows.
    m_engine->StopExercise();
    m_view->Invalidate();
    if (path.isEmpty())
        return;
    if (!m_services.session.record.LoadStatistics(QFile::encodeName(path).toStdString())) {
        ShowMessageText(DialogText::FromTable(506));
        return;
    }
    OnShowResults();
}

bool CMainFrame::AskQuestion(int stringId)
{
    return Modal([&] {
        int noOption = 0;
        InformationBox box(InformationBox::kQuestion, stringId, noOption, this);
        return box.exec() == InformationBox::kResultYes;
    });
}

void CMainFrame::ShowMessageText(const QString& text)
{
    Modal([&] {
        ProgramMessage::Show(this, text);
        return 0;
    });
}
