#include "app/PictureStore.h"

#include "resources/ProgramPaths.h"
#include "resources/TextCodec.h"

#include "PictureTestFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using SetPicture = PictureStore::SetPicture;
using StartPicture = PictureStore::StartPicture;
using Files = std::vector<std::string>;

const QSize kStandardSize(20, 10);
const QSize kNightSize(30, 15);

Files SetFiles(const std::string& set, int count = PictureStore::kSetPictureCount)
{
    Files files;
    for (int slot = 0; slot < count; ++slot) {
        files.push_back("pictures/" + set + "/" + PictureStore::FileName(static_cast<SetPicture>(slot)));
    }
    return files;
}

} // namespace

TEST(PictureStoreTest, SetListHoldsTheFoldersSortedByNameWithoutFilesOrUnstorableNames)
{
    PictureTestFolder folder;
    for (const char* name : {"zeta", "standard", "Alpha", "Größe", "日本"}) {
        QDir().mkpath(folder.Path(QStringLiteral("pictures/") + QString::fromUtf8(name)));
    }
    folder.AddStartPictures();

    const PictureStore store;
    EXPECT_EQ(store.PictureSetNames(), (Files{"Alpha", TextCodec::FromUtf8("Größe"), "standard", "zeta"}));
    EXPECT_TRUE(store.LoadedSetName().empty());
}

TEST(PictureStoreTest, StartPicturesLoadInTheirOrderIntoTheirSlots)
{
    PictureTestFolder folder;
    folder.AddStartPictures();
    RecordingLoader loader;
    PictureStore store(loader.Loader());

    ASSERT_TRUE(store.LoadStartPictures());
    EXPECT_EQ(loader.files, (Files{"pictures/wellcome.jpg", "pictures/SmallWindow.jpg", "pictures/Silent.jpg",
                                   "pictures/wellcome2.jpg"}));
    for (int slot = 0; slot < PictureStore::kStartPictureCount; ++slot) {
        EXPECT_EQ(store.Decoded(static_cast<StartPicture>(slot)).size(), PictureTestFolder::StartSize(slot))
            << slot;
    }
}

TEST(PictureStoreTest, MissingStartPictureStopsTheLoadingThere)
{
    PictureTestFolder folder;
    folder.AddStartPictures();
    folder.Remove(QStringLiteral("Silent.jpg"));
    RecordingLoader loader;
    PictureStore store(loader.Loader());

    EXPECT_FALSE(store.LoadStartPictures());
    EXPECT_EQ(loader.files,
              (Files{"pictures/wellcome.jpg", "pictures/SmallWindow.jpg", "pictures/Silent.jpg"}));
    EXPECT_FALSE(store.Picture(StartPicture::Welcome).isNull());
    EXPECT_FALSE(store.Decoded(StartPicture::SmallWindow).isNull());
    EXPECT_TRUE(store.Decoded(StartPicture::Silent).isNull());
    EXPECT_TRUE(store.Picture(StartPicture::SecondWelcome).isNull());
}

TEST(PictureStoreTest, PictureSetLoadsOnceWhateverTheLetterCase)
{
    PictureTestFolder folder;
    folder.AddPictureSet(QStringLiteral("standard"), kStandardSize);
    RecordingLoader loader;
    PictureStore store(loader.Loader());
    store.SetHandsShown(true);

    ASSERT_TRUE(store.LoadPictureSet("standard"));
    EXPECT_EQ(loader.files, SetFiles("standard"));
    EXPECT_EQ(store.LoadedSetName(), "standard");
    for (int slot = 0; slot < PictureStore::kSetPictureCount; ++slot) {
        EXPECT_EQ(store.Picture(static_cast<SetPicture>(slot)).size(), kStandardSize) << slot;
    }

    loader.files.clear();
    EXPECT_TRUE(store.LoadPictureSet("STANDARD"));
    EXPECT_TRUE(store.LoadPictureSet("Standard"));
    EXPECT_TRUE(loader.files.empty());
    EXPECT_EQ(store.LoadedSetName(), "standard");

    // The animation reads the movie slots in place, so it sees every set loaded later.
    const FrameStripPainter::MovieSlots movies = store.MovieSlots();
    EXPECT_EQ(movies[0], &store.Picture(SetPicture::Movie1));
    EXPECT_EQ(movies[7], &store.Picture(SetPicture::Movie8));
}

TEST(PictureStoreTest, SetNamesCompareWithoutCaseBeyondAscii)
{
    PictureTestFolder folder;
    folder.AddPictureSet(QStringLiteral("Übung"), kStandardSize);
    RecordingLoader loader;
    PictureStore store(loader.Loader());

    ASSERT_TRUE(store.LoadPictureSet(TextCodec::FromUtf8("Übung")));
    loader.files.clear();
    EXPECT_TRUE(store.LoadPictureSet(TextCodec::FromUtf8("ÜBUNG")));
    EXPECT_TRUE(loader.files.empty());
    EXPECT_EQ(store.PictureSetNames(), Files{TextCodec::FromUtf8("Übung")});
}

TEST(PictureStoreTest, FailedSetKeepsTheNewPicturesSoFarAndTheOldName)
{
    PictureTestFolder folder;
    folder.AddPictureSet(QStringLiteral("standard"), kStandardSize);
    folder.AddPictureSet(QStringLiteral("nacht"), kNightSize);
    folder.Remove(QStringLiteral("nacht/Movie3.jpg"));
    RecordingLoader loader;
    PictureStore store(loader.Loader());
    store.SetHandsShown(true);
    ASSERT_TRUE(store.LoadPictureSet("standard"));
    loader.files.clear();

    EXPECT_FALSE(store.LoadPictureSet("nacht"));
    EXPECT_EQ(loader.files, SetFiles("nacht", 5)); // up to Movie3.jpg
    EXPECT_EQ(store.Picture(SetPicture::HandsBackground).size(), kNightSize);
    EXPECT_EQ(store.Picture(SetPicture::StatisticsBackground).size(), kNightSize);
    EXPECT_EQ(store.Picture(SetPicture::Movie2).size(), kNightSize);
    EXPECT_TRUE(store.Picture(SetPicture::Movie3).isNull());
    EXPECT_EQ(store.Picture(SetPicture::Movie4).size(), kStandardSize);
    EXPECT_EQ(store.Picture(SetPicture::Background).size(), kStandardSize);
    EXPECT_EQ(store.LoadedSetName(), "standard");

    // A later try loads the whole set again.
    folder.AddPicture(QStringLiteral("nacht/Movie3.jpg"), kNightSize);
    loader.files.clear();
    EXPECT_TRUE(store.LoadPictureSet("nacht"));
    EXPECT_EQ(loader.files, SetFiles("nacht"));
    EXPECT_EQ(store.Picture(SetPicture::Background).size(), kNightSize);
    EXPECT_EQ(store.LoadedSetName(), "nacht");
}

TEST(PictureStoreTest, ASetThatCannotBeLoadedGivesWayToAFreshStandardSet)
{
    struct Case
    {
        const char* name;
        bool standardThere;
        bool loads;
        const char* nameAfter;
    };
    const Case cases[] = {
        {"nacht", true, true, "nacht"},   {"weg", true, true, "standard"}, // no such folder
        {"halb", true, true, "standard"}, // Movie3.jpg missing, after five pictures replaced
        {"..", true, true, "standard"},   // a damaged settings line
        {"weg", false, false, "weg"},     // nothing left to show: the program must end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PictureTestFolder folder;
        folder.AddPictureSet(QStringLiteral("standard"), kStandardSize);
        folder.AddPictureSet(QStringLiteral("nacht"), kNightSize);
        folder.AddPictureSet(QStringLiteral("halb"), kNightSize);
        folder.Remove(QStringLiteral("halb/Movie3.jpg"));
        RecordingLoader loader;
        PictureStore store(loader.Loader());
        store.SetHandsShown(true);
        ASSERT_TRUE(store.LoadPictureSet("standard")); // as the welcome screen leaves it
        if (!c.standardThere) {
            folder.Remove(QStringLiteral("standard/HandsBG.jpg"));
        }

        std::string name = c.name;
        EXPECT_EQ(store.LoadPictureSetOrStandard(name), c.loads);
        EXPECT_EQ(name, c.nameAfter);
        if (c.loads) {
            EXPECT_EQ(store.LoadedSetName(), name);
            const QSize size = name == "nacht" ? kNightSize : kStandardSize;
            for (int slot = 0; slot < PictureStore::kSetPictureCount; ++slot) {
                EXPECT_EQ(store.Picture(static_cast<SetPicture>(slot)).size(), size) << slot;
            }
        }
    }
    EXPECT_EQ(PictureStore::FallbackMessage(TextCodec::FromUtf8("Größe")),
              QStringLiteral("Die Hintergrundgrafik „Größe“ konnte nicht geladen werden. Es wird „standard“ "
                             "verwendet."));
}

TEST(PictureStoreTest, NamesOutsideThePicturesFolderFailWithoutLoading)
{
    PictureTestFolder folder;
    folder.AddPictureSet(QStringLiteral("standard"), kStandardSize);
    folder.AddPicture(QStringLiteral("HandsBG.jpg"), kStandardSize);
    RecordingLoader loader;
    PictureStore store(loader.Loader());

    // Before any set has loaded, the empty name must not count as the loaded one.
    for (const char* name : {"", ".", "..", "../pictures", "standard/..", "/standard", "a\\b", "x\ny"}) {
        EXPECT_FALSE(store.LoadPictureSet(name)) << name;
    }
    EXPECT_TRUE(loader.files.empty());
    EXPECT_TRUE(store.LoadedSetName().empty());
}

TEST(PictureStoreTest, ShippedPicturesLoadThroughTheProgramLoader)
{
    ProgramPaths::SetProgramFolderForTesting(TIPPWERK_INSTALL_DIR);
    PictureStore store;
    store.SetHandsShown(true);
    ASSERT_TRUE(store.LoadStartPictures());
    EXPECT_EQ(store.Picture(StartPicture::Welcome).size(), QSize(400, 350));
    ASSERT_TRUE(store.LoadPictureSet("standard"));
    for (int slot = 0; slot < PictureStore::kSetPictureCount; ++slot) {
        EXPECT_FALSE(store.Picture(static_cast<SetPicture>(slot)).isNull()) << slot;
    }
    ASSERT_TRUE(store.LoadPictureSet("nacht"));
    EXPECT_EQ(store.PictureSetNames(), (Files{"nacht", "standard"}));
    ProgramPaths::SetProgramFolderForTesting(std::string());
}

TEST(PictureStoreTest, PicturesSeldomShownAreDecodedOnlyWhenNeededFromTheFilesReadAtLoading)
{
    PictureTestFolder folder;
    folder.AddStartPictures();
    folder.AddPicture(QStringLiteral("SmallWindow.jpg"), QSize(200, 150), Qt::blue);
    folder.AddPicture(QStringLiteral("Silent.jpg"), QSize(64, 64), Qt::red);
    folder.AddPictureSet(QStringLiteral("standard"), kStandardSize);
    folder.AddPictureSet(QStringLiteral("nacht"), kNightSize);
    folder.AddPicture(QStringLiteral("standard/HandsBG.jpg"), QSize(1400, 140), Qt::green);
    folder.AddPicture(QStringLiteral("nacht/HandsBG.jpg"), QSize(700, 70), Qt::yellow);
    PictureStore store;
    ASSERT_TRUE(store.LoadStartPictures());
    ASSERT_TRUE(store.LoadPictureSet("standard"));
    // Gone from the disk now: what was read at loading is what counts.
    for (const char* file : {"SmallWindow.jpg", "Silent.jpg", "standard/HandsBG.jpg"}) {
        folder.Remove(QString::fromLatin1(file));
    }
    EXPECT_TRUE(store.Picture(StartPicture::SmallWindow).isNull());
    EXPECT_TRUE(store.Picture(StartPicture::Silent).isNull());
    EXPECT_TRUE(store.Picture(SetPicture::HandsBackground).isNull());
    EXPECT_FALSE(store.Picture(StartPicture::SecondWelcome).isNull());
    EXPECT_FALSE(store.Picture(SetPicture::Background).isNull());

    struct Case
    {
        const char* what;
        std::function<QImage()> image;
        QSize size;
        QColor colour;
    };
    const auto hands = [&] { return store.Picture(SetPicture::HandsBackground); };
    const Case cases[] = {
        {"small window", [&] { return store.Decoded(StartPicture::SmallWindow); }, QSize(200, 150), Qt::blue},
        {"silent", [&] { return store.Decoded(StartPicture::Silent); }, QSize(64, 64), Qt::red},
        {"hands shown", [&] { return store.SetHandsShown(true), hands(); }, QSize(1400, 140), Qt::green},
        {"another set, hands shown", [&] { return store.LoadPictureSet("nacht"), hands(); }, QSize(700, 70),
         Qt::yellow},
        {"hands hidden", [&] { return store.SetHandsShown(false), hands(); }, QSize(0, 0), QColor()},
        {"hands shown again", [&] { return store.SetHandsShown(true), hands(); }, QSize(700, 70), Qt::yellow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage image = c.image();
        ASSERT_EQ(image.size(), c.size);
        if (!image.isNull()) {
            const QColor got = image.pixelColor(image.width() / 2, image.height() / 2);
            EXPECT_NEAR(got.red(), c.colour.red(), 4);
            EXPECT_NEAR(got.green(), c.colour.green(), 4);
            EXPECT_NEAR(got.blue(), c.colour.blue(), 4);
        }
    }
}

TEST(PictureStoreTest, AfterTheWelcomeScreenOnlyTheCanvasCornerOfTheWelcomePictureStays)
{
    const std::pair<QSize, QSize> cases[] = {
        {QSize(400, 350), QSize(50, 50)},
        {QSize(60, 20), QSize(50, 20)},
        {QSize(40, 30), QSize(40, 30)},
    };
    for (const auto& [size, corner] : cases) {
        SCOPED_TRACE(size.width());
        PictureTestFolder folder;
        folder.AddPicture(QStringLiteral("wellcome.jpg"), size, Qt::darkCyan);
        PictureStore store;
        ASSERT_TRUE(store.LoadWelcomePicture());
        const QImage whole = store.Picture(StartPicture::Welcome);
        const QImage* slot = &store.Picture(StartPicture::Welcome);

        store.ShrinkWelcomeToCanvas();
        EXPECT_EQ(&store.Picture(StartPicture::Welcome), slot); // the animation holds the slot
        EXPECT_EQ(slot->size(), corner);
        EXPECT_EQ(*slot, whole.copy(QRect(QPoint(0, 0), corner)));
    }
}
