#include "JpegTestSupport.h"

#include "pictures/PictureImage.h"
#include "pictures/PictureLoader.h"
#include "pictures/PictureMessages.h"
#include "resources/StringTable.h"
#include "support/QtTestEnvironment.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

namespace {

using picturetest::JpegKind;
using Kind = PictureLoadFailure::Kind;

TEST(PictureImage, KeepsEveryPixelAndTheRowOrder)
{
    Picture picture;
    ASSERT_TRUE(picture.Allocate(1, 3));
    const std::uint8_t bytes[] = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    std::copy(std::begin(bytes), std::end(bytes), picture.rgb.begin());
    const QImage image = PictureImage::FromPicture(picture);
    ASSERT_EQ(image.size(), QSize(1, 3));
    EXPECT_FALSE(image.hasAlphaChannel());
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(0, 1), qRgb(40, 50, 60));
    EXPECT_EQ(image.pixel(0, 2), qRgb(70, 80, 90));

    picture.rgb.pop_back();
    EXPECT_TRUE(PictureImage::FromPicture(picture).isNull()) << "bytes missing";
    EXPECT_TRUE(PictureImage::FromPicture(Picture()).isNull());
}

// One pixel wide (rows of 3 bytes in a padded image) and an odd height: the top row must
// stay on top.
TEST(PictureLoader, NarrowPictureKeepsItsRows)
{
    picturetest::TempFolder folder;
    const std::string path = folder.File("narrow.jpg");
    picturetest::WriteJpeg(path, 1, 17, JpegKind::Grey,
                           picturetest::MakeSamples(1, 17, 1, [](int, int y, std::uint8_t* out) {
                               *out = y < 8 ? 20 : y < 16 ? 230 : 128;
                           }));
    QImage image;
    PictureLoadFailure failure;
    ASSERT_TRUE(PictureLoader::LoadSilently(path, image, failure)) << failure.message;
    ASSERT_EQ(image.size(), QSize(1, 17));
    EXPECT_LE(qRed(image.pixel(0, 3)), 24);
    EXPECT_GE(qRed(image.pixel(0, 11)), 226);
    EXPECT_NEAR(qRed(image.pixel(0, 16)), 128, 4);
}

TEST(PictureLoader, ShippedPictureLoadsAndFailuresLeaveANullImage)
{
    QImage image;
    PictureLoadFailure failure;
    ASSERT_TRUE(PictureLoader::LoadSilently((picturetest::ShippedPictures() / "wellcome.jpg").string(), image,
                                            failure));
    EXPECT_EQ(image.size(), QSize(400, 350));

    picturetest::TempFolder folder;
    EXPECT_FALSE(PictureLoader::LoadSilently(folder.File("none.jpg"), image, failure));
    EXPECT_TRUE(image.isNull());
    EXPECT_EQ(failure.kind, Kind::CannotOpen);

    picturetest::WriteAll(folder.File("bad.jpg"), "\xFF\xD8\xFF");
    EXPECT_FALSE(PictureLoader::LoadSilently(folder.File("bad.jpg"), image, failure));
    EXPECT_EQ(failure.kind, Kind::FatalError);
}

QString Utf8(int id)
{
    return QString::fromStdString(StringTable::Utf8(id));
}

void ExpectBox(const QMessageBox* box, const QString& title, const QString& text, QMessageBox::Icon icon)
{
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), title);
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(box->icon(), icon);
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButton(box->buttons().front()), QMessageBox::Ok);
}

TEST(PictureMessages, OneBoxForEachFailure)
{
    const std::string path = "/opt/Bilder/Größe.jpg";
    ExpectBox(PictureMessages::CreateLoadFailureBox(PictureLoadFailure::MakeCannotOpen(path), nullptr).get(),
              QStringLiteral("Tippwerk"), QString::fromUtf8("JPEG :\nCan't open /opt/Bilder/Größe.jpg\n"),
              QMessageBox::NoIcon);
    ExpectBox(
        PictureMessages::CreateLoadFailureBox(PictureLoadFailure::MakeFatalError("Not a JPEG file"), nullptr)
            .get(),
        QStringLiteral("JPEG Fatal Error"), QStringLiteral("Not a JPEG file"), QMessageBox::Critical);
    ExpectBox(PictureMessages::CreateLoadFailureBox(PictureLoadFailure::MakeOutOfMemory(), nullptr).get(),
              QStringLiteral("Tippwerk"), QStringLiteral("JpegFile :\nOut of memory"), QMessageBox::Critical);
    EXPECT_EQ(PictureMessages::CreateLoadFailureBox(PictureLoadFailure(), nullptr), nullptr);
    ExpectBox(PictureMessages::CreateMissingPictureBox(nullptr).get(), Utf8(128), Utf8(503),
              QMessageBox::NoIcon);
    EXPECT_TRUE(Utf8(503).startsWith(QStringLiteral("Das Programm konnte eine Bilddatei nicht finden.")));
}

} // namespace
