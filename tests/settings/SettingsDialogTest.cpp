#include "support/ModalRun.h"
#include "feedback/RecordingSoundOutput.h"
#include "feedback/SoundCatalog.h"
#include "feedback/SoundFeedback.h"
#include "settings/RecordingSettingsSound.h"

#include "settings/CursorPage.h"
#include "settings/FeedbackSettingsSound.h"
#include "settings/MainWindowPage.h"
#include "settings/MetronomePage.h"
#include "settings/PicturePage.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsIcons.h"
#include "settings/SoundChoicePage.h"
#include "settings/SoundPage.h"
#include "settings/SoundPageState.h"
#include "settings/SoundTestPlayer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Played = RecordingSettingsSound::Played;

const std::string kDefaultLine = "!0:2:0:0:0:0:1:0:70:standard:";

std::string Line(const std::vector<std::string>& fields)
{
    std::string line = "!";
    for (const std::string& field : fields) {
        line += field;
        line += ':';
    }
    return line;
}

void ClickTab(QTabWidget* tabs, int index)
{
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

class SettingsDialogTest : public testing::Test
{
protected:
    void TearDown() override { SettingsDialog::ClearNextAnswer(); }

    std::unique_ptr<SettingsDialog> Open(const std::string& line,
                                         std::vector<std::string> sets = {"nacht", "standard"})
    {
        AppSettings settings;
        EXPECT_TRUE(settings.FromLine(line));
        return Open(settings, std::move(sets));
    }

    std::unique_ptr<SettingsDialog> Open(const AppSettings& settings,
                                         std::vector<std::string> sets = {"nacht", "standard"})
    {
        QImage picture(64, 64, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        auto dialog = std::make_unique<SettingsDialog>(settings, m_sound, picture, picture, std::move(sets));
        dialog->show();
        return dialog;
    }

    static SoundPage* Sound(SettingsDialog& dialog) { return dialog.soundPage(); }

    RecordingSettingsSound m_sound;
};

TEST_F(SettingsDialogTest, OkWithoutAChangeGivesTheSameLineAndKeepsEveryField)
{
    // Unknown values included: the pages leave alone what the user did not touch.
    for (const std::string& line : {kDefaultLine, std::string("!1:0:5:1:1:1:0:3:120:nacht:"),
                                    std::string("!2:7:9:0:1:0:1:0:0:nirgends:")}) {
        AppSettings settings;
        ASSERT_TRUE(settings.FromLine(line));
        settings.midiNote = 72;
        SettingsDialog::SetNextAnswer(SettingsDialog::kOkId);
        auto dialog = Open(settings);
        dialog->hide();
        EXPECT_TRUE(dialog->Run()) << line;
        EXPECT_EQ(dialog->settings().ToLine(), line);
        EXPECT_EQ(dialog->settings().midiNote, 72) << "the copy holds every field";
    }
}

TEST_F(SettingsDialogTest, OkClickedEndsTheModalDialogWithTheCopy)
{
    auto dialog = Open(kDefaultLine);
    dialog->hide();
    bool ok = false;
    RunModal(
        *dialog, [&] { QTest::mouseClick(dialog->okButton(), Qt::LeftButton); },
        [&] {
            ok = dialog->Run();
            return 0;
        });
    EXPECT_TRUE(ok);
    EXPECT_EQ(dialog->settings().ToLine(), kDefaultLine);
}

TEST_F(SettingsDialogTest, PagesInTheirOrderWithTheCursorPageShown)
{
    auto dialog = Open(kDefaultLine);
    QStringList labels;
    for (int i = 0; i < dialog->tabs()->count(); ++i)
        labels << dialog->tabs()->tabText(i);
    EXPECT_EQ(labels.join(u','), QStringLiteral("Cursor,Klang,Editor,Metronom,Grafik"));
    EXPECT_TRUE(dialog->cursorPage()->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Einstellungen"));
    EXPECT_FALSE(dialog->mainWindowPage()->textBox()->isEnabled());
}

struct InnerTabCase
{
    std::string line;
    std::vector<int> clicks;
    int soundType;
    int shownTab;
    const char* listEntry;
    const char* description;
};

TEST_F(SettingsDialogTest, InnerTabsPutATypeOfTheirOwnGroupIn)
{
    const std::vector<InnerTabCase> cases = {
        {"!0:2:8:0:0:0:1:0:70:standard:", {1}, 4, 1, "Nur Fehler", "Tonausgabe aktiviert."},
        {"!0:2:6:0:0:0:1:0:70:standard:", {0, 1}, 4, 1, "Nur Fehler", "Tonausgabe aktiviert."},
        {"!0:2:6:0:0:0:1:0:70:standard:", {}, 6, 1, "Robot", "Tonausgabe aktiviert."},
        {"!0:2:2:0:0:0:1:0:70:standard:",
         {2},
         8,
         2,
         "",
         "Während dem Schreiben werden keine Geräusche abgespielt."},
        {"!0:2:8:0:0:0:1:0:70:standard:", {0}, 0, 0, "Standard", "Es wurde digitaler Klang ausgewählt."},
    };
    for (const InnerTabCase& c : cases) {
        auto dialog = Open(c.line);
        ClickTab(dialog->tabs(), SettingsDialog::kSoundTab);
        SoundPage* page = Sound(*dialog);
        for (const int tab : c.clicks)
            ClickTab(page->innerTabs(), tab);
        EXPECT_EQ(dialog->settings().soundType, c.soundType) << c.line;
        EXPECT_TRUE(page->subPage(c.shownTab)->isVisible()) << c.line;
        EXPECT_EQ(page->description()->text(), QString::fromUtf8(c.description)) << c.line;
        if (SoundChoicePage* choice = page->choicePage(c.shownTab)) {
            EXPECT_EQ(choice->typeList()->currentText(), QString::fromUtf8(c.listEntry)) << c.line;
        }
    }
}

TEST_F(SettingsDialogTest, AnUnknownTypeShowsNoSubPageUntilAnotherTabIsChosen)
{
    auto dialog = Open("!0:2:11:0:0:0:1:0:70:standard:");
    ClickTab(dialog->tabs(), SettingsDialog::kSoundTab);
    SoundPage* page = Sound(*dialog);
    for (int tab = 0; tab < SoundPageState::kTabCount; ++tab)
        EXPECT_FALSE(page->subPage(tab)->isVisible()) << tab;
    EXPECT_TRUE(page->description()->text().isEmpty());

    ClickTab(page->innerTabs(), SoundPageState::kSpeakerTab);
    ClickTab(page->innerTabs(), SoundPageState::kWaveTab);
    EXPECT_TRUE(page->subPage(SoundPageState::kWaveTab)->isVisible());
    EXPECT_EQ(dialog->settings().soundType, 0);
}

TEST_F(SettingsDialogTest, ChoosingInTheListSetsTheType)
{
    auto dialog = Open("!0:2:4:0:0:0:1:0:70:standard:");
    ClickTab(dialog->tabs(), SettingsDialog::kSoundTab);
    QComboBox* list = Sound(*dialog)->choicePage(SoundPageState::kSpeakerTab)->typeList();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(dialog->settings().soundType, 6);
}

TEST_F(SettingsDialogTest, MetronomePreviewFollowsRateBoxesAndPage)
{
    auto dialog = Open("!0:2:0:0:0:0:1:1:70:standard:");
    MetronomePage* page = dialog->metronomePage();
    const QTimer& timer = page->previewTimer();
    EXPECT_FALSE(timer.isActive()) << "not while the page is hidden";

    ClickTab(dialog->tabs(), SettingsDialog::kMetronomeTab);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 857);

    QTest::keyClick(page->rateSlider(), Qt::Key_End);
    EXPECT_EQ(page->rateField()->text(), QStringLiteral("350"));
    EXPECT_EQ(timer.interval(), 171);
    QTest::keyClick(page->rateSlider(), Qt::Key_Home);
    EXPECT_EQ(timer.interval(), 3000);
    EXPECT_EQ(dialog->settings().metronomeBpm, 20);

    page->graphicBox()->click();
    EXPECT_EQ(dialog->settings().metronomeMode, 0);
    EXPECT_FALSE(timer.isActive()) << "both boxes cleared stop it at once";
    page->soundBox()->click();
    EXPECT_EQ(dialog->settings().metronomeMode, 2);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 3000);

    ClickTab(dialog->tabs(), SettingsDialog::kPictureTab);
    EXPECT_FALSE(timer.isActive());
}

TEST_F(SettingsDialogTest, ABoxTickedRaisesARateBelowOne)
{
    auto dialog = Open("!0:2:0:0:0:0:1:0:0:standard:");
    ClickTab(dialog->tabs(), SettingsDialog::kMetronomeTab);
    dialog->metronomePage()->graphicBox()->click();
    EXPECT_EQ(dialog->settings().metronomeBpm, 1);
    EXPECT_EQ(dialog->metronomePage()->previewTimer().interval(), 60000);
}

TEST_F(SettingsDialogTest, PreviewTickFlashesTheLineAndTicksWithTheCopy)
{
    struct Case
    {
        int mode;
        int lineRight;
        std::vector<Played> played;
    };
    for (const Case& c :
         std::vector<Case>{{1, 360, {}}, {2, 60, {{"tick", 2, 90}}}, {3, 360, {{"tick", 3, 90}}}}) {
        auto dialog =
            Open(Line({"0", "2", "0", "0", "0", "0", "1", std::to_string(c.mode), "90", "standard"}));
        ClickTab(dialog->tabs(), SettingsDialog::kMetronomeTab);
        m_sound.played.clear();
        dialog->metronomePage()->TickPreview();
        EXPECT_EQ(m_sound.played, c.played) << c.mode;
        EXPECT_EQ(dialog->metronomePage()->tickLineRight(), c.lineRight) << c.mode;
        // Taken away by its own timer, while the dialog goes on.
        QTRY_COMPARE_WITH_TIMEOUT(dialog->metronomePage()->tickLineRight(), 0, 500);
    }
}

TEST_F(SettingsDialogTest, TheLineIsDrawnByInvertingThePage)
{
    auto dialog = Open("!0:2:0:0:0:0:1:1:90:standard:");
    ClickTab(dialog->tabs(), SettingsDialog::kMetronomeTab);
    MetronomePage* page = dialog->metronomePage();
    const QImage before = page->grab().toImage();
    page->TickPreview();
    const QImage during = page->grab().toImage();
    const QRgb under = before.pixel(200, 220);
    EXPECT_EQ(during.pixel(200, 220), qRgb(255 - qRed(under), 255 - qGreen(under), 255 - qBlue(under)));
    EXPECT_EQ(during.pixel(361 + 3, 220), before.pixel(361 + 3, 220));
    EXPECT_EQ(during.pixel(200, 226), before.pixel(200, 226));
}

TEST_F(SettingsDialogTest, BlinkingCursorPreviewAlternates)
{
    for (const auto& [blinking, icons] :
         std::vector<std::pair<int, std::vector<int>>>{{0, {156, 156, 156}}, {1, {157, 156, 157}}}) {
        auto dialog =
            Open(Line({std::to_string(blinking), "2", "0", "0", "0", "0", "1", "0", "70", "standard"}));
        std::vector<int> shown;
        for (int tick = 0; tick < 3; ++tick) {
            dialog->cursorPage()->TickPreview();
            shown.push_back(dialog->cursorPage()->previewIcon());
        }
        EXPECT_EQ(shown, icons) << blinking;
    }
}

TEST_F(SettingsDialogTest, PictureSetSelectedByPrefixAndTakenOnOk)
{
    const std::vector<std::string> sets = {"Herbst", "nacht", "Standard"};
    auto dialog = Open("!0:2:0:0:0:0:1:0:70:standard:", sets);
    QListWidget* list = dialog->picturePage()->setList();
    EXPECT_EQ(list->currentRow(), 2);
    list->setCurrentRow(0);
    dialog->okButton()->click();
    EXPECT_EQ(dialog->settings().pictureSet, "Herbst");

    // No set of that name: nothing is selected and OK keeps the name.
    auto unknown = Open("!0:2:0:0:0:0:1:0:70:winter:", sets);
    EXPECT_TRUE(unknown->picturePage()->setList()->selectedItems().isEmpty());
    unknown->okButton()->click();
    EXPECT_EQ(unknown->settings().pictureSet, "winter");
}

TEST_F(SettingsDialogTest, ZurueckAfterChangingEverythingLeavesTheCallersSettings)
{
    AppSettings caller;
    ASSERT_TRUE(caller.FromLine(kDefaultLine));
    auto dialog = Open(caller);

    dialog->cursorPage()->styleButton(0)->click();
    dialog->cursorPage()->blinkingBox()->click();
    ClickTab(dialog->tabs(), SettingsDialog::kSoundTab);
    ClickTab(Sound(*dialog)->innerTabs(), SoundPageState::kSpeakerTab);
    Sound(*dialog)->choicePage(SoundPageState::kSpeakerTab)->testButton()->click();
    ClickTab(dialog->tabs(), SettingsDialog::kMainWindowTab);
    MainWindowPage* panes = dialog->mainWindowPage();
    for (QCheckBox* box :
         {panes->statisticsBox(), panes->keyboardBox(), panes->handsBox(), panes->errorDialogBox()})
        box->click();
    ClickTab(dialog->tabs(), SettingsDialog::kMetronomeTab);
    dialog->metronomePage()->soundBox()->click();
    QTest::keyClick(dialog->metronomePage()->rateSlider(), Qt::Key_End);
    dialog->metronomePage()->TickPreview();
    dialog->picturePage()->setList()->setCurrentRow(0);

    EXPECT_EQ(m_sound.played.front(), (Played{"good", 4, 0}));
    EXPECT_EQ(m_sound.played.back(), (Played{"tick", 2, 350}));
    EXPECT_EQ(dialog->settings().ToLine(), "!1:0:4:1:1:1:0:2:350:standard:");

    bool ok = true;
    RunModal(
        *dialog, [&] { QTest::mouseClick(dialog->backButton(), Qt::LeftButton); },
        [&] {
            ok = dialog->Run();
            return 0;
        });
    EXPECT_FALSE(ok);
    EXPECT_EQ(caller.ToLine(), kDefaultLine);
}

// The "&Test" sequence with its waits recorded instead of waited for.
class SoundTestSequenceTest : public SettingsDialogTest
{
protected:
    void Capture(SettingsDialog& dialog)
    {
        Sound(dialog)->testPlayer()->setWait([this](int delayMs, std::function<void()> next) {
            m_delays.push_back(delayMs);
            m_next = std::move(next);
        });
    }

    void RunToEnd()
    {
        while (m_next)
            std::exchange(m_next, {})();
    }

    std::vector<int> m_delays;
    std::function<void()> m_next;
};

TEST_F(SoundTestSequenceTest, TwoGoodOneBadTwoGoodWithPausesAfterEachSoundEnds)
{
    m_sound.goodHeldMs = 50;
    m_sound.badHeldMs = 800;
    auto dialog = Open("!0:2:7:0:0:0:1:0:70:standard:");
    ClickTab(dialog->tabs(), SettingsDialog::kSoundTab);
    Capture(*dialog);
    Sound(*dialog)->choicePage(SoundPageState::kSpeakerTab)->testButton()->click();
    EXPECT_EQ(m_sound.played.size(), 1u) << "the first sound at once, the rest later";
    RunToEnd();

    const std::vector<Played> expected = {
        {"good", 7, 0}, {"good", 7, 0}, {"bad", 7, 0}, {"good", 7, 0}, {"good", 7, 0}};
    EXPECT_EQ(m_sound.played, expected);
    EXPECT_EQ(m_delays, (std::vector<int>{350, 350, 1100, 350}));
    EXPECT_FALSE(Sound(*dialog)->testPlayer()->isPlaying());
}

TEST_F(SoundTestSequenceTest, EnterOnTheSubPagePlaysItAndAPressMeanwhileIsIgnored)
{
    auto dialog = Open("!0:2:2:0:0:0:1:0:70:standard:");
    ClickTab(dialog->tabs(), SettingsDialog::kSoundTab);
    Capture(*dialog);
    SoundChoicePage* wave = Sound(*dialog)->choicePage(SoundPageState::kWaveTab);
    QTest::keyClick(wave->typeList(), Qt::Key_Return);
    QTest::keyClick(wave->typeList(), Qt::Key_Return);
    wave->testButton()->click();
    RunToEnd();
    EXPECT_EQ(m_sound.played.size(), 5u);
    EXPECT_EQ(m_delays, (std::vector<int>{300, 300, 300, 300}));
    EXPECT_TRUE(dialog->isVisible()) << "Enter there is not OK";
}

TEST_F(SettingsDialogTest, TestPlaysOnTimersWhileTheDialogGoesOn)
{
    auto dialog = Open("!0:2:1:0:0:0:1:0:70:standard:");
    ClickTab(dialog->tabs(), SettingsDialog::kSoundTab);
    Sound(*dialog)->choicePage(SoundPageState::kWaveTab)->testButton()->click();
    EXPECT_EQ(m_sound.played.size(), 1u);
    QTRY_COMPARE_WITH_TIMEOUT(m_sound.played.size(), std::size_t(2), 1000);
    EXPECT_TRUE(Sound(*dialog)->testPlayer()->isPlaying());
}

TEST(FeedbackSettingsSound, PlaysThroughSoundFeedbackAndTellsHowLongASoundHoldsOn)
{
    std::vector<RecordingSoundOutput::Played> log;
    SoundFeedback feedback(std::make_unique<RecordingSoundOutput>(log), {});
    FeedbackSettingsSound sound(feedback);
    EXPECT_EQ(sound.PlayGoodSound(0), 0) << "a good wave sound is cut off by the next";
    EXPECT_EQ(sound.PlayBadSound(5), 180);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].fileName, "good1.wav");
    EXPECT_EQ(log[1].fileName, SoundCatalog::BadSound(5).fileName);

    EXPECT_EQ(FeedbackSettingsSound::HeldMs(SoundCatalog::GoodSound(7)), 50);
    EXPECT_EQ(FeedbackSettingsSound::HeldMs(SoundCatalog::BadSound(7)), 800);
    EXPECT_EQ(FeedbackSettingsSound::HeldMs(SoundCatalog::GoodSound(4)), 0);
    EXPECT_EQ(FeedbackSettingsSound::HeldMs(SoundCatalog::BadSound(8)), 0);
}

// The share of pixels an icon covers.
double Covered(const QImage& image)
{
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            covered += image.pixelColor(x, y).alpha() > 0 ? 1 : 0;
    }
    return double(covered) / (image.width() * image.height());
}

TEST(SettingsIcons, EveryIconDrawsSomethingAndUnknownIdsNothing)
{
    for (int icon = SettingsIcons::kWindowCursor; icon <= SettingsIcons::kSpeakerSound; ++icon) {
        const QImage image = SettingsIcons::Image(icon, 2.0).toImage();
        EXPECT_EQ(image.size(), QSize(64, 64));
        EXPECT_GT(Covered(image), 0.15) << icon;
    }
    EXPECT_EQ(Covered(SettingsIcons::Image(152).toImage()), 0.0);
    EXPECT_NE(SettingsIcons::Image(SettingsIcons::kCursorShown).toImage(),
              SettingsIcons::Image(SettingsIcons::kCursorHidden).toImage());
}

} // namespace
