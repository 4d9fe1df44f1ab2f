#pragma once

#include "exercise/ExerciseDialogs.h"
#include "exercise/ExerciseEngine.h"
#include "exercise/ExerciseWindow.h"
#include "settings/AppSettings.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

class ExerciseClock;
class ExerciseEngine;
class KeyboardLayoutSwitcher;
class KeyboardView;
class PictureStore;
class QAction;
class RemarkRandom;
class RemarkTables;
class SoundFeedback;
class TypingSession;
class WindowPlacementStore;

// The main window: menu, keyboard view, and the host of the exercise engine. Keystrokes,
// focus changes and timer ticks go to the engine; the engine shows its dialogs and uses
// the window's timers, focus and layout through ExerciseDialogs and ExerciseWindow, and
// draws into the keyboard view and plays the sounds directly.
class CMainFrame : public QMainWindow, public ExerciseDialogs, public ExerciseWindow
{
    Q_OBJECT

public:
    // What the application lends the main window for its whole life.
    struct Services
    {
        // The user, the lessons, the exercise record and the typeable characters.
        TypingSession& session;
        PictureStore& pictures;
        KeyboardLayoutSwitcher& layouts;
        SoundFeedback& sounds;
        ExerciseClock& clock;
        // The remark tables of the results, loaded once, and their random numbers.
        const RemarkTables& remarks;
        RemarkRandom& random;
    };

    // Menu command ids.
    enum Command
    {
        kEndTest = ExerciseEngine::kEndTestCommand,
        kChooseLesson = 32772,
        kShowResults = 32773,
        kPractiseTextFile = 32775,
        kSettings = 32776,
        kLessonNote = 32778,
        kHelpTopics = 32779,
        kUserInformation = 32780,
        kChangeUser = 32781,
        kSaveResults = 32785,
        kOpenResults = 32786,
        kSaveToDiskette = 32788,
        kAbout = 57664,
        kExit = 57665,
    };

    static constexpr int kMinimumWidth = 550;
    static constexpr int kDefaultLayoutHeight = 220;

    CMainFrame(const std::string& userName, bool isNewUser, Services services, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The last step of creating the window: a new user goes through the first-run setup,
    // an existing one starts with the lesson choice.
    void Start();
    // Closes like "&Ende" but asks nothing: the session or a service manager is ending the
    // program and nobody may be there to answer.
    void CloseWithoutQuestions();

    // Switches keyboard, lessons, input layout and picture set to the current user's.
    // False when the picture set cannot be loaded (the program must end with code 3).
    bool ApplyUserKeyboard();
    QRect ComputeMainLayout();

    ExerciseEngine& Engine() { return *m_engine; }
    AppSettings& Settings() { return m_settings; }
    KeyboardView* View() const { return m_view; }
    QAction* CommandAction(int id) const;
    void RunCommand(int id);

    // Asks for the text file to practise, with the file name field preset to `initialName`
    // and the file-dialog filter `filter`; an empty name means cancelled.
    using OpenFileChooser =
        std::function<QString(QWidget* parent, const QString& initialName, const QString& filter)>;
    // Replaces the file-open dialog of "&Textdatei" (tests); an empty chooser restores it.
    void SetOpenFileChooser(OpenFileChooser chooser);
    // Replaces the file-open dialog of "Auswertung &öffnen" (tests); an empty chooser restores it.
    void SetStatisticsFileChooser(OpenFileChooser chooser);

    // ExerciseDialogs
    void ShowNote(const std::string& text) override;
    void ShowInformation(const std::string& text, int& option) override;
    LessonEndResult RunLessonEndDialog(const std::string& userName, bool passed, int lessonNumber) override;
    void RunUserInfoDialog() override;
    WizardResult RunFirstTimeWizard(bool startAtTestPage) override;

    // ExerciseWindow
    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    void EnterQualificationMenu() override;
    void LeaveQualificationMenu() override;
    void RecomputeLayout() override;
    void ResetLayoutHeight() override;
    void FocusMainWindow() override;

Q_SIGNALS:
    // The program must end with this exit code (a missing picture set, a cancelled
    // change of user).
    void QuitRequested(int exitCode);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenu();
    QAction* AddCommand(QMenu* menu, const QString& text, int id);
    void SetFocused(bool focused);
    // Runs a modal window with the exercise paused around it.
    template <typename Function>
    auto Modal(Function&& function);

    void OnChooseLesson();
    void OnLessonNote();
    void OnSettings();
    void OnHelpTopics();
    void OnSaveResults();
    void OnSaveToDiskette();
    void OnChangeUser();
    void OnAbout();
    void OnPractiseTextFile();
    void OnDroppedFiles(const QStringList& paths);
    void OnShowResults();
    void OnOpenResults();
    // The results dialog over the current exercise record, modal to `parent`.
    void ShowResults(const std::string& userName, QWidget* parent);
    // The limits, the import and the start of a text file the user chose or dropped.
    void PractiseFile(const QString& path);
    // A question with "Ja" and "Nein"; true for "Ja".
    bool AskQuestion(int stringId);
    void ShowMessageText(const QString& text);

    Services m_services;
    AppSettings m_settings;
    std::string m_userName;
    std::unique_ptr<WindowPlacementStore> m_placement;
    std::unique_ptr<ExerciseEngine> m_engine;
    KeyboardView* m_view = nullptr;
    QAction* m_endTestAction = nullptr;
    QTimer m_displayTimer;
    QTimer m_metronomeTimer;
    int m_layoutHeight = kDefaultLayoutHeight;
    bool m_focused = false;
    bool m_closing = false;
    bool m_askOnClose = true;
    OpenFileChooser m_chooseTextFile;
    OpenFileChooser m_chooseStatisticsFile;
};
