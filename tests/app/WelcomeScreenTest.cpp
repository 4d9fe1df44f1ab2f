#include "app/WelcomeScreen.h"

#include "app/ExitCode.h"
#include "app/PictureStore.h"
#include "support/QtTestEnvironment.h"

#include "PictureTestFolder.h"
#include "support/ModalRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);

// Closes every message box that opens while it lives and keeps what they said.
class MessageBoxWatcher
{
public:
    MessageBoxWatcher()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.push_back(box->text());
                captions.push_back(box->windowTitle());
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start(5);
    }

    std::vector<QString> texts;
    std::vector<QString> captions;

private:
    QTimer m_timer;
};

class WelcomeScreenTest : public testing::Test
{
protected:
    void SetUp() override { m_folder.AddPictureSet(QStringLiteral("standard"), QSize(20, 10)); }
    void TearDown() override { WelcomeScreen::SetTimerPeriodForTesting(-1); }

    PictureTestFolder m_folder;
    RecordingLoader m_loader;
    PictureStore m_store{m_loader.Loader()};
};

void PressKey(QWidget& widget, Qt::Key key)
{
    QTest::keyClick(&widget, key);
}

} // namespace

TEST_F(WelcomeScreenTest, EnterIsIgnoredUntilTheFirstTickHasLoadedTheStandardSet)
{
    WelcomeScreen screen(m_store);
    screen.show();
    EXPECT_TRUE(screen.IsTimerActive());
    EXPECT_EQ(screen.TimerPeriod(), WelcomeScreen::kTimerPeriodMs);
    EXPECT_EQ(screen.TickCount(), 0);

    PressKey(screen, Qt::Key_Return);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(m_loader.files.empty());

    screen.TimerTick();
    EXPECT_EQ(screen.TickCount(), 2);
    EXPECT_EQ(m_store.LoadedSetName(), "standard");
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(screen.IsTimerActive());

    PressKey(screen, Qt::Key_Enter);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_FALSE(screen.IsTimerActive());
    EXPECT_EQ(screen.ExitCode(), 0);
}

TEST_F(WelcomeScreenTest, SecondTickClosesTheScreenAsCancel)
{
    WelcomeScreen screen(m_store);
    screen.show();
    screen.TimerTick();
    screen.TimerTick();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Rejected);
    EXPECT_FALSE(screen.IsTimerActive());
    EXPECT_EQ(screen.ExitCode(), 0);
    EXPECT_EQ(m_loader.files.size(), std::size_t{PictureStore::kSetPictureCount}); // loaded once
}

TEST_F(WelcomeScreenTest, EscapeClosesAtOnceAndLeavesTheSetUnloaded)
{
    WelcomeScreen screen(m_store);
    screen.show();
    PressKey(screen, Qt::Key_Escape);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(screen.IsTimerActive());
    EXPECT_TRUE(m_loader.files.empty());
    EXPECT_TRUE(m_store.LoadedSetName().empty());
    EXPECT_EQ(screen.ExitCode(), 0);
}

TEST_F(WelcomeScreenTest, TimerLoadsAfterOnePeriodAndClosesAfterTwo)
{
    constexpr int kPeriod = 100;
    WelcomeScreen::SetTimerPeriodForTesting(kPeriod);
    QElapsedTimer clock;
    qint64 loadedAt = -1;
    PictureStore store([&](const std::string& path, QImage& picture) {
        if (loadedAt < 0) {
            loadedAt = clock.elapsed();
        }
        return m_loader.Loader()(path, picture);
    });

    clock.start();
    EXPECT_EQ(RunWelcomeScreen(store), 0);
    const qint64 closedAt = clock.elapsed();
    EXPECT_EQ(store.LoadedSetName(), "standard");
    // Qt's coarse timers may fire up to 5 % early, and the clock counts whole milliseconds.
    EXPECT_GE(loadedAt, kPeriod * 9 / 10);
    EXPECT_GE(closedAt, 2 * kPeriod * 9 / 10);
    EXPECT_LT(loadedAt, closedAt);
}

TEST_F(WelcomeScreenTest, ZeroPeriodRunsThroughWithoutWaiting)
{
    WelcomeScreen::SetTimerPeriodForTesting(0);
    WelcomeScreen screen(m_store);
    EXPECT_EQ(RunModal(screen, [] {}), QDialog::Rejected);
    EXPECT_EQ(screen.TickCount(), 3);
    EXPECT_EQ(m_store.LoadedSetName(), "standard");
}

TEST_F(WelcomeScreenTest, MissingStandardSetShowsMessage503OnceAndAsksForExitCode2)
{
    PictureTestFolder emptyFolder;
    WelcomeScreen::SetTimerPeriodForTesting(0);
    MessageBoxWatcher boxes;
    PictureStore store(m_loader.Loader());

    WelcomeScreen screen(store);
    RunModal(screen, [] {});
    EXPECT_EQ(screen.ExitCode(), kExitWelcomePictures);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(screen.IsTimerActive());
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0],
              QStringLiteral("Das Programm konnte eine Bilddatei nicht finden. Bitte führen Sie "
                             "eine Neuinstallation des Programms durch."));
    EXPECT_EQ(boxes.captions[0], QStringLiteral("Tippwerk"));
    EXPECT_EQ(m_loader.files, std::vector<std::string>{"pictures/standard/HandsBG.jpg"});
    EXPECT_TRUE(store.LoadedSetName().empty());
}

TEST_F(WelcomeScreenTest, DrawsThePictureStretchedAndTheVersionTextBlackOnWhite)
{
    // Four coloured quarters, stretched from 4 × 2 pixels over the whole client area.
    PictureStore store([](const std::string& path, QImage& picture) {
        if (path.size() < 12 || path.compare(path.size() - 12, 12, "wellcome.jpg") != 0) {
            picture = QImage(1, 1, QImage::Format_RGB32);
            picture.fill(Qt::gray);
            return true;
        }
        picture = QImage(4, 2, QImage::Format_RGB32);
        for (int x = 0; x < 4; ++x) {
            picture.setPixelColor(x, 0, x < 2 ? kRed : kGreen);
            picture.setPixelColor(x, 1, x < 2 ? kBlue : kYellow);
        }
        return true;
    });
    ASSERT_TRUE(store.LoadStartPictures());
    WelcomeScreen screen(store);
    screen.show();
    const QImage shot = screen.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(402, 352));
    EXPECT_EQ(screen.ClientRect(), QRect(1, 1, 400, 350));

    auto at = [&](int x, int y) { return shot.pixelColor(x + 1, y + 1); }; // client pixels
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(401, 351), QColor(Qt::black));
    EXPECT_EQ(at(0, 0), kRed);
    EXPECT_EQ(at(199, 174), kRed);
    EXPECT_EQ(at(200, 0), kGreen);
    EXPECT_EQ(at(399, 174), kGreen);
    EXPECT_EQ(at(0, 175), kBlue);
    EXPECT_EQ(at(199, 349), kBlue);
    EXPECT_EQ(at(200, 175), kYellow);
    EXPECT_EQ(at(399, 349), kYellow);

    // The text starts at (300, 325) on white; the picture shows left of and above it.
    EXPECT_EQ(at(299, 330), kYellow);
    EXPECT_EQ(at(310, 324), kYellow);
    EXPECT_EQ(at(300, 325), QColor(Qt::white));
    int dark = 0;
    int white = 0;
    int rightmostDark = 0;
    for (int y = 325; y < 350; ++y) {
        for (int x = 300; x < 400; ++x) {
            const QColor colour = at(x, y);
            if (colour.red() < 80 && colour.green() < 80 && colour.blue() < 80) {
                ++dark;
                rightmostDark = std::max(rightmostDark, x);
            } else if (colour == QColor(Qt::white)) {
                ++white;
            }
        }
    }
    EXPECT_GT(dark, 30);
    EXPECT_GT(white, 200);
    EXPECT_LT(rightmostDark, 390); // "Version 4.0" fits inside the screen
    screen.reject();
}
