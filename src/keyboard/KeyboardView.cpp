#include "keyboard/KeyboardView.h"

#include "keyboard/HandsPainter.h"
#include "keyboard/KeyboardPainter.h"
#include "keyboard/StatusStripPainter.h"
#include "keyboard/TextPanelPainter.h"
#include "keyboard/ViewColours.h"
#include "keyboard/ViewFont.h"
#include "pictures/FrameStripPainter.h"
#include "pictures/PictureBlitter.h"
#include "resources/ProgramPaths.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <QtMath>

#include <algorithm>
#include <array>

namespace {

constexpr int kCopyBand = PictureBlitter::kBandRows;

// The animation for the minute: error rate in even minutes, speed in odd ones.
int ChooseAnimation(int elapsedSeconds, int speedValue, int errorValue)
{
    const int minutes = elapsedSeconds / 60 % 60;
    if (minutes % 2 == 0) {
        if (errorValue <= 32) {
            return 0;
        }
        if (errorValue <= 65) {
            return 1;
        }
        return errorValue <= 99 ? 2 : 3;
    }
    if (speedValue <= 74) {
        return 4;
    }
    if (speedValue <= 99) {
        return 5;
    }
    return speedValue <= 139 ? 6 : 7;
}

} // namespace

KeyboardView::KeyboardView(TypeableCharacters& typeable, QWidget* parent)
    : QFrame(parent)
    , m_characters(m_keyboard, typeable)
    , m_lines([](int, int) { return std::string(); })
    , m_font(ViewFont::Create(ViewFont::kStartHeight))
    , m_fontHeight(ViewFont::kStartHeight)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_flashTimer.setSingleShot(true);
    m_flashTimer.setInterval(kMetronomeFlashMs);
    connect(&m_flashTimer, &QTimer::timeout, this, &KeyboardView::EndMetronomeFlash);
    const ViewFont::Cell cell = ViewFont::Measure(m_font);
    m_layout.cx = cell.cx;
    m_layout.cy = cell.cy;
    RecreateAnimation();
    EnsureScreen();
}

KeyboardView::~KeyboardView() = default;

void KeyboardView::RecreateAnimation()
{
    m_animation =
        std::make_unique<FrameStripPainter>(kAnimationTicks, m_pictures.movies, m_pictures.animationCanvas);
}

void KeyboardView::SetPictures(const KeyboardViewPictures& pictures)
{
    m_pictures = pictures;
    RecreateAnimation();
    Invalidate();
}

void KeyboardView::SetWelcomeSoundPlayer(SoundPlayer player)
{
    m_welcomeSound = std::move(player);
}

void KeyboardView::SetLineSource(LessonLineSource source)
{
    m_lines = std::move(source);
}

bool KeyboardView::SetKeyboard(const std::string& name)
{
    const bool loaded = m_characters.LoadKeyboard(name);
    // The remembered keys belong to the old keyboard; the repaint takes their highlight away.
    m_lastKeyboardStrokes = {};
    m_lastHandStrokes = {};
    Invalidate();
    return loaded;
}

void KeyboardView::SetPixelRatioForTesting(qreal ratio)
{
    m_pixelRatioForTesting = ratio;
    EnsureScreen();
}

qreal KeyboardView::PixelRatio() const
{
    return m_pixelRatioForTesting > 0 ? m_pixelRatioForTesting : devicePixelRatioF();
}

void KeyboardView::EnsureScreen()
{
    const QSize client = contentsRect().size().expandedTo(QSize(1, 1));
    // The image has as many pixels as the screen shows for the client area: drawn at the
    // client's size and stretched, text and lines would come out blurred or blocky.
    const qreal ratio = PixelRatio();
    const QSize pixels(qCeil(client.width() * ratio), qCeil(client.height() * ratio));
    if (m_screenSize == client && m_screen.size() == pixels && m_screen.devicePixelRatio() == ratio) {
        return;
    }
    m_screenSize = client;
    m_screen = QImage(pixels, QImage::Format_RGB32);
    if (m_screen.isNull()) {
        m_screenSize = QSize(1, 1);
        m_screen = QImage(1, 1, QImage::Format_RGB32);
    } else {
        m_screen.setDevicePixelRatio(ratio);
    }
    m_screen.fill(Qt::white);
    m_fullRepaintDue = true;
    m_statusShown = {};
    // The line went with the old image.
    DropMetronomeFlash();
}

void KeyboardView::Prepare(QPainter& painter) const
{
    painter.setFont(m_font);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

int KeyboardView::ComputeLayout(bool showStatus, bool showKeyboard, bool showHands)
{
    EnsureScreen();
    // The line lies where the old layout put it.
    EndMetronomeFlash();
    const QSize client = contentsRect().size();
    m_fontHeight = ViewFont::FitHeight(client.width(), client.height());
    m_font = ViewFont::Create(m_fontHeight);
    const ViewFont::Cell cell = ViewFont::Measure(m_font);
    m_layout = ViewLayout::Arrange(client.width(), client.height(), cell.cx, cell.cy, showStatus,
                                   showKeyboard, showHands);
    Invalidate();
    return ViewLayout::NeededHeight(cell.cy, showStatus, showKeyboard, showHands);
}

void KeyboardView::SetViewState(const ExerciseViewState& state)
{
    m_state = state;
}

std::string KeyboardView::StoredLine() const
{
    return m_lines ? m_lines(m_state.lessonIndex, m_state.lineIndex) : std::string();
}

KeyStrokes KeyboardView::StrokesAtStoredPosition() const
{
    const std::string line = StoredLine();
    if (m_state.column < 0 || m_state.column >= static_cast<int>(line.size())) {
        return {};
    }
    return KeyStrokes::Of(m_characters, line[static_cast<std::size_t>(m_state.column)]);
}

void KeyboardView::UpdateAfterKeystroke(const ExerciseViewState& state, int blinkingCursor, int cursorStyle)
{
    EnsureScreen();
    ExerciseViewState now = state;
    now.previousErrorMarks = m_state.previousErrorMarks;
    // Nothing is drawn over the welcome picture.
    if (!WelcomeShown()) {
        QPainter painter(&m_screen);
        Prepare(painter);
        TextPanelPainter text(painter, m_layout, m_lines);
        text.UpdateAfterKeystroke(m_state, now, blinkingCursor != 0, cursorStyle, m_cursorCounter);
        // Each part on its own: their bounding rectangle would span text, keys and hands,
        // and the paint would copy most of the window for a few changed cells.
        std::array<QRegion, 3> touched{QRegion(text.Touched())};
        m_panelInk |= text.Touched();

        const KeyStrokes strokes = StrokesAtStoredPosition();
        if (m_layout.HandsOn()) {
            HandsPainter hands(painter, m_layout);
            hands.UpdateHighlight(m_hands, m_keyboard, strokes, m_lastHandStrokes, m_blinkPhase,
                                  m_layout.KeyboardOn());
            touched[1] = hands.Touched();
        }
        if (m_layout.KeyboardOn()) {
            KeyboardPainter keys(painter, m_layout);
            keys.UpdateHighlight(m_keyboard, strokes, m_lastKeyboardStrokes, m_blinkPhase);
            touched[2] = keys.Touched();
        }
        painter.end();
        for (const QRegion& region : touched) {
            for (const QRect& rect : region) {
                Flush(rect);
            }
        }
    }
    m_state = now;
    ++m_blinkPhase;
}

void KeyboardView::UpdateStatus(int elapsedSeconds, int speedValue, int errorValue)
{
    const bool stripOn = m_layout.StatusOn();
    if (stripOn) {
        speedValue = std::min(speedValue, StatusStripPainter::kGaugeMaximum);
        errorValue = std::min(errorValue, StatusStripPainter::kGaugeMaximum);
    }
    m_elapsedSeconds = elapsedSeconds;
    m_speedValue = speedValue;
    m_errorValue = errorValue;
    if (!stripOn || WelcomeShown()) {
        return;
    }
    EnsureScreen();
    QPainter painter(&m_screen);
    Prepare(painter);
    StatusStripPainter strip(painter, m_layout);
    strip.UpdateValues(m_elapsedSeconds, m_speedValue, m_errorValue, m_statusShown);
    painter.end();
    Flush(strip.Touched());
}

void KeyboardView::RedrawText()
{
    if (WelcomeShown()) {
        return;
    }
    EnsureScreen();
    // The panel's background is laid over the line.
    EndMetronomeFlash();
    QPainter painter(&m_screen);
    Prepare(painter);
    TextPanelPainter text(painter, m_layout, m_lines);
    // Before a full repaint the screen may hold anything.
    const QRegion changed =
        text.DrawPanel(m_state, m_pictures.background, m_fullRepaintDue ? nullptr : &m_panelInk);
    painter.end();
    m_panelInk = text.Ink();
    m_cursorCounter = 0;
    for (const QRect& rect : changed) {
        Flush(rect);
    }
}

void KeyboardView::AnimateStatus()
{
    if (WelcomeShown()) {
        return;
    }
    EnsureScreen();
    const int side = m_layout.textTop - m_layout.statusTop;
    const int chosen = ChooseAnimation(m_elapsedSeconds, m_speedValue, m_errorValue);
    if (m_animationTick > kAnimationTicks - 1 || chosen != m_animationIndex) {
        m_animationTick = 0;
    }
    // The animation of the previous call plays this tick: after a change the old one
    // shows its first frame once more.
    const int shown = m_animationIndex;
    m_animationIndex = chosen;
    QPainter painter(&m_screen);
    Prepare(painter);
    m_animation->Draw(painter, side, side, shown, m_animationTick);
    painter.end();
    ++m_animationTick;
    Flush(QRect(0, 0, side, side));
}

void KeyboardView::MetronomeFlash()
{
    if (WelcomeShown()) {
        return;
    }
    EnsureScreen();
    // A beat while the last one's line still shows: that line goes first.
    EndMetronomeFlash();
    // The flash is shown between its two drawings; a repaint then must not wipe the first.
    if (m_fullRepaintDue) {
        FullRepaint();
    }
    FlushNow(InvertMetronomeLine());
    m_flashShown = true;
    // Waiting here would hold up the keystrokes typed meanwhile; the timer takes the line away.
    m_flashTimer.start();
}

void KeyboardView::EndMetronomeFlash()
{
    if (!m_flashShown) {
        return;
    }
    DropMetronomeFlash();
    Flush(InvertMetronomeLine());
}

void KeyboardView::DropMetronomeFlash()
{
    m_flashShown = false;
    m_flashTimer.stop();
}

QRect KeyboardView::InvertMetronomeLine()
{
    QPainter painter(&m_screen);
    Prepare(painter);
    TextPanelPainter text(painter, m_layout, m_lines);
    text.InvertMetronomeLine();
    return text.Touched();
}

void KeyboardView::Invalidate()
{
    m_fullRepaintDue = true;
    m_statusShown = {};
    update();
}

void KeyboardView::PaintAll()
{
    FullRepaint();
    update();
    PlayWelcomeSoundLater();
}

void KeyboardView::FullRepaint()
{
    EnsureScreen();
    m_fullRepaintDue = false;
    // The repaint takes the line away; inverting it again would bring it back.
    DropMetronomeFlash();
    QPainter painter(&m_screen);
    Prepare(painter);
    painter.fillRect(ScreenRect(), ViewColours::White());

    m_panelInk = ScreenRect();
    if (WelcomeShown()) {
        if (m_pictures.welcome != nullptr) {
            PictureBlitter(painter).StretchPicture(*m_pictures.welcome, 0, 0, m_screenSize.width(),
                                                   m_screenSize.height());
        }
        if (m_elapsedSeconds == 0) {
            m_elapsedSeconds = 1;
            m_welcomeSoundDue = true;
        }
        return;
    }

    TextPanelPainter panel(painter, m_layout, m_lines);
    panel.DrawPanel(m_state, m_pictures.background);
    m_panelInk = panel.Ink();
    if (m_layout.StatusOn()) {
        StatusStripPainter strip(painter, m_layout);
        strip.DrawBackground(m_pictures.statusBackground);
        strip.DrawValues(m_elapsedSeconds, m_speedValue, m_errorValue, &m_statusShown);
    }
    if (m_layout.KeyboardOn()) {
        KeyboardPainter(painter, m_layout).DrawKeyboard(m_keyboard, m_pictures.background);
    }
    if (m_layout.HandsOn()) {
        HandsPainter(painter, m_layout).DrawPicture(m_pictures.handsBackground, m_hands);
    }
    // The highlights come back with the next update.
    m_blinkPhase = 0;
    m_cursorCounter = 0;
    m_animationTick = 0;
}

void KeyboardView::PlayWelcomeSoundLater()
{
    if (!m_welcomeSoundDue) {
        return;
    }
    m_welcomeSoundDue = false;
    if (!m_welcomeSound) {
        return;
    }
    // After the picture has reached the screen.
    QTimer::singleShot(0, this, [this] { m_welcomeSound(ProgramFilePath("sounds", "wellcome.wav")); });
}

void KeyboardView::Flush(const QRect& rect)
{
    if (rect.isEmpty() || !isVisible()) {
        return;
    }
    // A full repaint still to come must reach the whole window.
    if (m_fullRepaintDue) {
        update();
        return;
    }
    const QRect client = contentsRect();
    update(rect.translated(client.topLeft()) & client);
}

void KeyboardView::FlushNow(const QRect& rect)
{
    if (rect.isEmpty() || !isVisible()) {
        return;
    }
    const QRect client = contentsRect();
    repaint(rect.translated(client.topLeft()) & client);
}

void KeyboardView::paintEvent(QPaintEvent* event)
{
    EnsureScreen();
    if (m_fullRepaintDue) {
        FullRepaint();
    }
    QPainter painter(this);
    const QRect client = contentsRect();
    const qreal ratio = m_screen.devicePixelRatio();
    // The band is counted in the image's own rows.
    const int bandRows = std::max(1, static_cast<int>(kCopyBand / ratio));
    for (const QRect& rect : event->region()) {
        const QRect source = rect.translated(-client.topLeft()) & ScreenRect();
        for (int top = source.top(); top <= source.bottom(); top += bandRows) {
            const QRect band(source.left(), top, source.width(),
                             std::min(bandRows, source.bottom() + 1 - top));
            const QRectF pixels(band.x() * ratio, band.y() * ratio, band.width() * ratio,
                                band.height() * ratio);
            painter.drawImage(QPointF(band.topLeft() + client.topLeft()), m_screen, pixels);
        }
    }
    // The sunken edge only when the paint reaches it; drawn clipped it costs more than
    // the few cells a keystroke changes.
    if (!client.contains(event->rect())) {
        drawFrame(&painter);
    }
    painter.end();
    PlayWelcomeSoundLater();
}
