#pragma once

#include "exercise/ExerciseView.h"
#include "keyboard/CharacterMap.h"
#include "keyboard/HandModel.h"
#include "keyboard/KeyStrokes.h"
#include "keyboard/KeyboardLayout.h"
#include "keyboard/KeyboardViewPictures.h"
#include "keyboard/LessonLineSource.h"
#include "keyboard/StatusStripPainter.h"
#include "keyboard/ViewLayout.h"

#include <QFont>
#include <QFrame>
#include <QImage>
#include <QRegion>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

class FrameStripPainter;
class QPainter;

// The main window's client: status strip, lesson text, on-screen keyboard and hands, or
// the welcome picture while no lesson is loaded. It only draws; the main window hands it
// the exercise's state and calls its updates from the keystroke handler and its timers.
//
// Everything is drawn into an image that stands for the screen; highlights, the cursor
// and the metronome line are inverted there, so drawing one again takes it away. A paint
// of the widget copies the changed part of the image. The image is drawn anew (a full
// repaint) when the size changes and after Invalidate().
class KeyboardView : public QFrame, public ExerciseView
{
    Q_OBJECT

public:
    static constexpr int kAnimationTicks = 12;
    static constexpr int kMetronomeFlashMs = 30;

    // Plays a wave file to its end.
    using SoundPlayer = std::function<void(const std::string& path)>;

    // Reads the hands file of the program folder. The typeable characters are rewritten
    // with each keyboard loaded and must outlive the view. Until SetLineSource, every
    // lesson line is empty.
    explicit KeyboardView(TypeableCharacters& typeable, QWidget* parent = nullptr);
    ~KeyboardView() override;

    // The pictures to draw; the pointers stay with the caller and must outlive the view.
    void SetPictures(const KeyboardViewPictures& pictures);
    // Plays "sounds/wellcome.wav" with the first welcome screen; without one it is silent.
    void SetWelcomeSoundPlayer(SoundPlayer player);
    // Where the lesson lines come from (the main window's lesson catalogue).
    void SetLineSource(LessonLineSource source);

    // Loads the keyboard (and with it TypeableCharacters); false as CharacterMap says.
    bool SetKeyboard(const std::string& name);

    // Chooses the font for the client area and divides it into the panes shown; returns
    // the client height those panes need (the 2-pixel sunken edge not included).
    int ComputeLayout(bool showStatus, bool showKeyboard, bool showHands);

    // Stores the exercise's position; draws nothing.
    void SetViewState(const ExerciseViewState& state) override;

    // After every keystroke and every 400 ms tick: the typed character, the cursor, the
    // blinking key and finger of the character at the previous position, then stores the
    // new position. The previous line's marks stay those of the last SetViewState.
    void UpdateAfterKeystroke(const ExerciseViewState& state, int blinkingCursor, int cursorStyle) override;

    // Stores and shows the clock and the gauges (percentages of the lesson's limits).
    void UpdateStatus(int elapsedSeconds, int speedValue, int errorValue) override;

    // The whole text panel anew, after a change of line.
    void RedrawText() override;

    // The next frame of the status animation.
    void AnimateStatus() override;

    // Shows the metronome's line for 30 ms and returns at once; a timer takes the line
    // away. Whatever would draw over the line takes it away first.
    void MetronomeFlash() override;
    // Whether the metronome's line shows now.
    bool MetronomeLineShown() const { return m_flashShown; }

    // Everything is drawn anew at the next paint.
    void Invalidate() override;
    // The full repaint at once, into the screen image.
    void PaintAll();

    // The view's screen: what the client area shows, at the screen's device pixel ratio
    // (its size in device pixels, drawn on in the client area's coordinates).
    const QImage& Screen() const { return m_screen; }
    // Draws at this device pixel ratio instead of the screen's; 0 follows the screen (tests).
    void SetPixelRatioForTesting(qreal ratio);
    const ViewLayout& Layout() const { return m_layout; }
    const ExerciseViewState& State() const { return m_state; }
    const QFont& TextFont() const { return m_font; }
    int FontHeight() const { return m_fontHeight; }
    int BlinkPhase() const { return m_blinkPhase; }
    int CursorCounter() const { return m_cursorCounter; }
    int ElapsedSeconds() const { return m_elapsedSeconds; }
    int SpeedValue() const { return m_speedValue; }
    int ErrorValue() const { return m_errorValue; }
    const KeyboardLayout& Keyboard() const { return m_keyboard; }
    const CharacterMap& Characters() const { return m_characters; }
    const HandModel& Hands() const { return m_hands; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void EnsureScreen();
    qreal PixelRatio() const;
    // The screen image in the client area's coordinates.
    QRect ScreenRect() const { return QRect(QPoint(0, 0), m_screenSize); }
    void Prepare(QPainter& painter) const;
    void FullRepaint();
    void Flush(const QRect& rect);
    void FlushNow(const QRect& rect);
    void PlayWelcomeSoundLater();
    bool WelcomeShown() const { return m_state.lessonIndex == -1; }
    std::string StoredLine() const;
    KeyStrokes StrokesAtStoredPosition() const;
    void RecreateAnimation();
    // Takes the metronome's line away if it shows.
    void EndMetronomeFlash();
    // Forgets the line without drawing, when the screen under it is drawn anew.
    void DropMetronomeFlash();
    QRect InvertMetronomeLine();

    KeyboardLayout m_keyboard;
    CharacterMap m_characters;
    HandModel m_hands;
    KeyboardViewPictures m_pictures;
    std::unique_ptr<FrameStripPainter> m_animation;
    LessonLineSource m_lines;
    SoundPlayer m_welcomeSound;

    QImage m_screen;
    QSize m_screenSize;
    qreal m_pixelRatioForTesting = 0;
    bool m_fullRepaintDue = true;
    bool m_welcomeSoundDue = false;

    QFont m_font;
    int m_fontHeight = 0;
    ViewLayout m_layout;
    ExerciseViewState m_state;
    int m_elapsedSeconds = 0;
    int m_speedValue = 0;
    int m_errorValue = 0;
    // What the status strip on the screen image shows.
    StatusStripPainter::Shown m_statusShown;

    int m_blinkPhase = 0;
    int m_cursorCounter = 0;
    // Where the text panel may differ from its background on the screen.
    QRegion m_panelInk;
    int m_animationTick = 0;
    int m_animationIndex = 0;
    KeyStrokes m_lastKeyboardStrokes;
    KeyStrokes m_lastHandStrokes;
    QTimer m_flashTimer;
    bool m_flashShown = false;
};
