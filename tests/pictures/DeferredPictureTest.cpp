#include "JpegTestSupport.h"

#include "pictures/DeferredPicture.h"
#include "pictures/PictureLoader.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A picture with some detail, so that a decoder that went wrong shows.
void WriteStripes(const std::string& path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int x = 0; x < size.width(); x += 6) {
        painter.fillRect(x, 0, 3, size.height(), QColor(x % 256, 40, 200));
    }
    painter.end();
    ASSERT_TRUE(image.save(QString::fromStdString(path), "JPEG", 90));
}

TEST(DeferredPicture, KeepsTheSmallerOfFileAndPictureAndGivesTheLoadersPictureWithoutTheFile)
{
    struct Case
    {
        const char* what;
        QSize size;
        std::string trailer; // appended after the picture's end
        bool holdsFile;
    };
    const Case cases[] = {
        {"hands picture", QSize(1400, 140), "", true},
        {"tiny picture, larger file", QSize(2, 2), "", false},
        {"junk after the end", QSize(40, 40), std::string(40 * 40 * 4, 'x'), false},
    };
    picturetest::TempFolder folder;
    const std::string path = folder.File("picture.jpg");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteStripes(path, c.size);
        picturetest::WriteAll(path, picturetest::ReadAll(path) + c.trailer);
        QImage loaded;
        PictureLoadFailure failure;
        ASSERT_TRUE(PictureLoader::LoadSilently(path, loaded, failure));

        DeferredPicture deferred;
        deferred.Keep(path, loaded);
        std::filesystem::remove(path);
        EXPECT_EQ(deferred.HoldsFile(), c.holdsFile);
        EXPECT_EQ(deferred.Image(), loaded);
        EXPECT_EQ(deferred.Image(), loaded) << "asked twice";

        deferred.Clear();
        EXPECT_TRUE(deferred.Image().isNull());
    }

    // A file that cannot be read again: the picture itself is kept.
    WriteStripes(path, QSize(300, 100));
    QImage loaded;
    PictureLoadFailure failure;
    ASSERT_TRUE(PictureLoader::LoadSilently(path, loaded, failure));
    DeferredPicture deferred;
    deferred.Keep(folder.File("gone.jpg"), loaded);
    EXPECT_FALSE(deferred.HoldsFile());
    EXPECT_EQ(deferred.Image(), loaded);
    deferred.Keep(path, QImage());
    EXPECT_TRUE(deferred.Image().isNull());
}

} // namespace
