#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>

class PictureStore;
class QPainter;
class QTimer;

// The screen shown at every start before the login: the welcome picture with the version
// text, without caption. Its timer's first tick loads the picture set "standard", the
// second closes the screen, so it stays about three seconds. Enter closes it early once
// the pictures are loaded; Escape closes it at once and leaves the set to the main window.
class WelcomeScreen : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplateId = 135;
    static constexpr int kTimerId = 275;
    static constexpr int kTimerPeriodMs = 1500;
    static constexpr int kVersionStringId = 119;
    // The client area of the template (267 × 215 dialog units), inside a 1-pixel border.
    static constexpr QSize kClientSize{400, 350};
    static constexpr int kBorderWidth = 1;
    // Top-left corner of the version text, in client pixels.
    static constexpr QPoint kVersionPosition{300, 325};

    // Test seam for tests and hosts that must not wait: the timer period of screens
    // created from now on (0 runs through at once); a negative value restores 1500 ms.
    static void SetTimerPeriodForTesting(int milliseconds);

    explicit WelcomeScreen(PictureStore& pictures, QWidget* parent = nullptr);

    // The OK command (Enter): ignored until the first tick has loaded the pictures.
    void accept() override;
    void done(int result) override;

    // What one tick of the timer does, run now: lets tests step through without waiting.
    void TimerTick();

    int TickCount() const { return m_tickCount; }
    bool IsTimerActive() const;
    int TimerPeriod() const;

    // 0 while the start-up may go on, else the exit code the program must end with.
    int ExitCode() const { return m_exitCode; }

    // The client area within the widget, and its drawing at the painter's origin.
    QRect ClientRect() const;
    void PaintClient(QPainter& painter) const;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnInitDialog();

    PictureStore& m_pictures;
    QTimer* m_timer;
    int m_tickCount = 0;
    int m_exitCode = 0;
    bool m_initialised = false;
};

// Shows the welcome screen modally and returns when it has closed: 0 when the start-up
// goes on, or the exit code the program must end with (the set "standard" is missing;
// message 503 has been shown).
int RunWelcomeScreen(PictureStore& pictures, QWidget* parent = nullptr);
