#pragma once

#include "exercise/ExerciseDialogs.h"

#include <QList>
#include <QStringList>
#include <QWizard>

#include <functional>
#include <optional>
#include <string>

class CFirstTimePage;
class LessonCatalog;
class UserProfile;
class CFirstTimePage0;
class CFirstTimePage1;
class CFirstTimePage2;

// The first-run wizard "Erster Test": the keyboard and its course, whether to start from
// the first lesson, and the lesson to qualify for with a test. Leaving the first page
// hands the keyboard and lesson set to the user profile; the test page reloads the
// lessons of that course. Run it with Run() (or exec()).
class CFirstTimeWizard : public QWizard
{
    Q_OBJECT

public:
    // Whether the system can switch to the layout of a keyboard name (asking may switch it).
    using KeyboardAvailable = std::function<bool(const std::string&)>;

    enum PageId
    {
        kKeyboardPage = 0,
        kStartPage = 1,
        kBasicsPage = 2,
        kTestPage = 3
    };

    static constexpr int kCaptionTextId = 121;
    static constexpr int kProductNameId = 128;
    static constexpr int kTestButtonTextId = 105;
    static constexpr int kNoKeyboardTextId = 501;

    // What the next exec() does instead of waiting for a person: the choices on each page
    // on the way, then Finish (or "Testen") or Cancel. Everything happens as if clicked,
    // message boxes are recorded instead of shown. A page whose way on is not open (no
    // keyboard, no lesson picked) ends the run with Cancel.
    struct Answer
    {
        // Row of the keyboard list.
        int keyboard = 0;
        // Row of the series list; -1 keeps the one preselected.
        int series = -1;
        // "Wollen Sie sich für fortgeschrittene Lektionen qualifizieren?"
        bool qualify = false;
        // "Sie wissen, welche Tasten von welchen Fingern angeschlagen werden?"
        bool knowsBasics = true;
        // Row of the test page's lesson list; -1 picks none.
        int testRow = -1;
        // Finish where it is offered; false cancels.
        bool finish = true;
        // Opened on a later page: "Zurück" up to the keyboard page first.
        bool backToKeyboard = false;
    };
    static void SetNextAnswer(const Answer& answer);
    static void ClearNextAnswer();
    static bool HasNextAnswer();

    // `startAtTestPage` opens the wizard on the test page (after a failed test). The
    // keyboard page writes the user's course into `profile`; the test page lists the
    // lessons of `catalog`.
    CFirstTimeWizard(UserProfile& profile, LessonCatalog& catalog, KeyboardAvailable isAvailable,
                     bool startAtTestPage, QWidget* parent = nullptr);
    ~CFirstTimeWizard() override;

    int exec() override;
    // As the main window runs it: no lesson chosen yet, modal, then whether it ended with
    // Finish and the lesson to test.
    ExerciseDialogs::WizardResult Run();

    // The lesson picked on the test page, -1 for none.
    int chosenLesson = -1;

    CFirstTimePage* KeyboardPage() const { return m_keyboardPage; }
    CFirstTimePage0* StartPage() const { return m_startPage; }
    CFirstTimePage1* BasicsPage() const { return m_basicsPage; }
    CFirstTimePage2* TestPage() const { return m_testPage; }

    const KeyboardAvailable& IsAvailable() const { return m_isAvailable; }
    UserProfile& Profile() const { return m_profile; }
    LessonCatalog& Catalog() const { return m_catalog; }

    // A plain message box titled with the product name; a scripted run only records it.
    void ShowMessage(const QString& text);
    // The texts of all messages so far, in order.
    const QStringList& Messages() const { return m_messages; }

    // Sets the buttons for the current page: Finish in place of Next on a last page, on
    // the test page Next shown disabled until a lesson is picked and then only "Testen".
    void UpdateButtons();

private:
    void OnCurrentIdChanged(int id);
    void GoBack();
    int RunScript(const Answer& answer);
    int EndScript(bool finish);
    bool ButtonOpen(WizardButton which) const;

    UserProfile& m_profile;
    LessonCatalog& m_catalog;
    KeyboardAvailable m_isAvailable;
    CFirstTimePage* m_keyboardPage;
    CFirstTimePage0* m_startPage;
    CFirstTimePage1* m_basicsPage;
    CFirstTimePage2* m_testPage;
    QList<WizardButton> m_buttonLayout;
    QStringList m_messages;
    bool m_scripted = false;
};
