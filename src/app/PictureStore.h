#pragma once

#include "pictures/DeferredPicture.h"
#include "pictures/FrameStripPainter.h"

#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <string>
#include <vector>

// The application's pictures: four fixed ones from the pictures folder, loaded once at
// start-up, and the eleven of the picture set in use (a sub-folder of pictures), replaced
// when another set is chosen. Set names are Windows-1250 text, as in the settings line.
//
// Every picture is decoded when it loads, so that a missing or damaged file is reported
// then. The pictures seldom shown are kept only as their files' bytes afterwards and
// decoded again when needed: SmallWindow.jpg and Silent.jpg (Decoded), and HandsBG.jpg
// while the hands are not shown (SetHandsShown).
class PictureStore
{
public:
    enum class StartPicture
    {
        Welcome,       // wellcome.jpg: the welcome screen, and the animation's canvas
        SecondWelcome, // wellcome2.jpg: the keyboard window while no exercise runs
        SmallWindow,   // SmallWindow.jpg: settings page of the main window
        Silent,        // Silent.jpg: settings page for no sound
    };
    static constexpr int kStartPictureCount = 4;

    // In loading order.
    enum class SetPicture
    {
        HandsBackground,      // HandsBG.jpg
        StatisticsBackground, // StatBG.jpg
        Movie1,               // Movie1.jpg … Movie8.jpg: the status animation's strips
        Movie2,
        Movie3,
        Movie4,
        Movie5,
        Movie6,
        Movie7,
        Movie8,
        Background, // Background.jpg
    };
    static constexpr int kSetPictureCount = 11;

    // The set every installation has; the welcome screen shows it.
    static constexpr const char* kStandardSetName = "standard";

    // Loads `path` into `picture`; false, with `picture` null, on failure.
    using Loader = std::function<bool(const std::string& path, QImage& picture)>;

    // Finds the picture-set list now. Without a loader, pictures load through
    // PictureLoader::Load, which tells the user what went wrong with a file.
    explicit PictureStore(Loader loader = {});

    // wellcome.jpg, SmallWindow.jpg, Silent.jpg, wellcome2.jpg in this order, stopping at
    // the first that fails. The caller shows message 503 and ends the program on false.
    bool LoadStartPictures();
    // The same in two steps, so that the others can be decoded while the welcome screen
    // already shows: wellcome.jpg, then the other three.
    bool LoadWelcomePicture();
    bool LoadOtherStartPictures();

    // True at once when `name` is the loaded set in any letter case. Otherwise replaces
    // the set's pictures one by one in loading order and remembers the name. At the
    // first file that fails: false, the pictures replaced so far stay, the failed slot is
    // null, the later slots keep the old set's pictures and the loaded name stays. An
    // empty name or one that leaves the pictures folder fails without loading anything.
    bool LoadPictureSet(const std::string& name);
    // Loads the set `name`; when it cannot be loaded, reloads "standard" in its place and
    // sets `name` to it, so that a damaged or outdated setting cannot keep the program
    // from starting. False when "standard" cannot be loaded either.
    bool LoadPictureSetOrStandard(std::string& name);
    // What the user is told when the set `name` was replaced by "standard".
    static QString FallbackMessage(const std::string& name);

    // The picture held decoded; null for SmallWindow and Silent, and for HandsBackground
    // while the hands are not shown.
    const QImage& Picture(StartPicture slot) const;
    const QImage& Picture(SetPicture slot) const;
    // Any start picture, SmallWindow and Silent decoded anew from the bytes read at
    // start-up; null when the picture has not loaded.
    QImage Decoded(StartPicture slot) const;

    // Once the welcome screen is over, wellcome.jpg is only the status animation's first
    // canvas: keeps just that corner, in the same slot.
    void ShrinkWelcomeToCanvas();

    // Whether the hands picture is needed: decodes it into its slot now and for every set
    // loaded later, or frees it until it is needed again.
    void SetHandsShown(bool shown);

    // `[n]` is the slot of Movie<n + 1>.jpg, for the status animation. The pointers stay
    // valid for the store's life and see every set loaded later.
    FrameStripPainter::MovieSlots MovieSlots() const;

    // Empty until a set has loaded completely.
    const std::string& LoadedSetName() const { return m_loadedSetName; }

    // Names of the sub-folders of pictures, sorted by name without regard to case.
    // Folders whose names have no Windows-1250 form are left out: they could not be
    // stored in the settings line.
    const std::vector<std::string>& PictureSetNames() const { return m_setNames; }

    static std::string FileName(StartPicture slot);
    static std::string FileName(SetPicture slot);

private:
    bool LoadStartPicture(StartPicture slot);
    static bool IsKeptAsFile(StartPicture slot);
    void FindPictureSets();
    // The loading of LoadPictureSet, whatever set is loaded now.
    bool ReadPictureSet(const std::string& name);

    Loader m_loader;
    std::array<QImage, kStartPictureCount> m_startPictures;
    std::array<DeferredPicture, kStartPictureCount> m_startFiles;
    std::array<QImage, kSetPictureCount> m_setPictures;
    DeferredPicture m_handsFile;
    bool m_handsShown = false;
    std::string m_loadedSetName;
    std::vector<std::string> m_setNames;
};
