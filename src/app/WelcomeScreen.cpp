#include "app/WelcomeScreen.h"

#include "app/ExitCode.h"
#include "app/PictureStore.h"
#include "pictures/PictureBlitter.h"
#include "pictures/PictureMessages.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace {

const char* const kDefaultPictureSet = "standard";

int& TimerPeriodOverride()
{
    static int period = -1;
    return period;
}

} // namespace

void WelcomeScreen::SetTimerPeriodForTesting(int milliseconds)
{
    TimerPeriodOverride() = milliseconds;
}

WelcomeScreen::WelcomeScreen(PictureStore& pictures, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_pictures(pictures)
    , m_timer(new QTimer(this))
{
    setModal(true);
    setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
    setFixedSize(kClientSize.width() + 2 * kBorderWidth, kClientSize.height() + 2 * kBorderWidth);
    const int period = TimerPeriodOverride();
    m_timer->setInterval(period >= 0 ? period : kTimerPeriodMs);
    connect(m_timer, &QTimer::timeout, this, &WelcomeScreen::TimerTick);
}

void WelcomeScreen::accept()
{
    if (m_tickCount > 0) {
        m_timer->stop();
        QDialog::accept();
    }
}

void WelcomeScreen::done(int result)
{
    m_timer->stop();
    QDialog::done(result);
}

void WelcomeScreen::TimerTick()
{
    // A loader's message box runs its own event loop, but Qt holds back a timer's ticks
    // while its handler runs, so the screen cannot close under the box.
    if (m_tickCount == 0) {
        m_tickCount = 1;
        if (!m_pictures.LoadPictureSet(kDefaultPictureSet)) {
            m_timer->stop();
            PictureMessages::ShowMissingPicture(this);
            m_exitCode = kExitWelcomePictures;
            reject();
        }
    }
    if (m_tickCount > 1) {
        reject();
    }
    ++m_tickCount;
}

bool WelcomeScreen::IsTimerActive() const
{
    return m_timer->isActive();
}

int WelcomeScreen::TimerPeriod() const
{
    return m_timer->interval();
}

QRect WelcomeScreen::ClientRect() const
{
    return QRect(QPoint(kBorderWidth, kBorderWidth), kClientSize);
}

void WelcomeScreen::PaintClient(QPainter& painter) const
{
    const QRect client(QPoint(0, 0), kClientSize);
    painter.fillRect(client, palette().window());
    PictureBlitter blitter(painter);
    blitter.StretchPicture(m_pictures.Picture(PictureStore::StartPicture::Welcome), 0, 0, client.width(),
                           client.height());

    // The drawing context's defaults: black text on an opaque white background.
    const QString version = DialogText::FromTable(kVersionStringId);
    const QFont& font = DialogFont::Font();
    const QFontMetrics metrics(font);
    const QRect textRect(kVersionPosition, QSize(metrics.horizontalAdvance(version), metrics.height()));
    painter.save();
    painter.setFont(font);
    painter.fillRect(textRect, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, version);
    painter.restore();
}

void WelcomeScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
}

void WelcomeScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.translate(ClientRect().topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), kClientSize));
    PaintClient(painter);
}

void WelcomeScreen::keyPressEvent(QKeyEvent* event)
{
    // There is no button: Enter is the OK command itself.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void WelcomeScreen::OnInitDialog()
{
    DialogFont::Apply(this);
    m_timer->start();
}

int RunWelcomeScreen(PictureStore& pictures, QWidget* parent)
{
    WelcomeScreen screen(pictures, parent);
    screen.exec();
    return screen.ExitCode();
}
