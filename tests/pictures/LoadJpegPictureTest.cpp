#include "JpegTestSupport.h"

#include "pictures/LoadJpegPicture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>

namespace {

using picturetest::JpegKind;
using Kind = PictureLoadFailure::Kind;
using Rgb = std::array<int, 3>;

Rgb At(const Picture& picture, int x, int y)
{
    const std::uint8_t* p = picture.PixelAt(x, y);
    return {p[0], p[1], p[2]};
}

::testing::AssertionResult Near(const Rgb& actual, const Rgb& expected, int tolerance)
{
    for (int i = 0; i < 3; ++i) {
        if (std::abs(actual[i] - expected[i]) > tolerance) {
            return ::testing::AssertionFailure()
                   << "got (" << actual[0] << "," << actual[1] << "," << actual[2] << ") for (" << expected[0]
                   << "," << expected[1] << "," << expected[2] << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

// A picture left over from before, to see that a failed load empties it.
Picture Leftover()
{
    Picture picture;
    picture.Allocate(3, 3);
    return picture;
}

class LoadJpegPictureTest : public ::testing::Test
{
protected:
    picturetest::TempFolder m_folder;
};

// 8 × 8 blocks of flat colour survive the compression almost exactly.
TEST_F(LoadJpegPictureTest, ColourFileGivesTopDownRgbRows)
{
    const std::array<std::array<Rgb, 3>, 3> blocks = {{{{{220, 20, 30}, {20, 200, 40}, {30, 40, 210}}},
                                                       {{{250, 250, 10}, {255, 255, 255}, {0, 0, 0}}},
                                                       {{{128, 128, 128}, {90, 10, 160}, {10, 160, 160}}}}};
    const auto samples = picturetest::MakeSamples(24, 17, 3, [&](int x, int y, std::uint8_t* out) {
        const Rgb& c = blocks[y / 8][x / 8];
        out[0] = static_cast<std::uint8_t>(c[0]);
        out[1] = static_cast<std::uint8_t>(c[1]);
        out[2] = static_cast<std::uint8_t>(c[2]);
    });
    for (const JpegKind kind : {JpegKind::Rgb, JpegKind::Progressive}) {
        SCOPED_TRACE(static_cast<int>(kind));
        const std::string path = m_folder.File("colour.jpg");
        picturetest::WriteJpeg(path, 24, 17, kind, samples);
        Picture picture = Leftover();
        PictureLoadFailure failure;
        ASSERT_TRUE(LoadJpegPicture(path, picture, &failure)) << failure.message;
        EXPECT_EQ(failure.kind, Kind::None);
        ASSERT_EQ(picture.width, 24);
        ASSERT_EQ(picture.height, 17);
        ASSERT_EQ(picture.rgb.size(), 24u * 17u * 3u);
        for (int by = 0; by < 3; ++by) {
            for (int bx = 0; bx < 3; ++bx) {
                EXPECT_TRUE(Near(At(picture, bx * 8 + 3, std::min(by * 8 + 3, 16)), blocks[by][bx], 3))
                    << bx << "," << by;
            }
        }
    }
}

TEST_F(LoadJpegPictureTest, GreyFileGivesThreeEqualBytesPerPixel)
{
    const std::string path = m_folder.File("grey.jpg");
    picturetest::WriteJpeg(path, 16, 9, JpegKind::Grey,
                           picturetest::MakeSamples(16, 9, 1, [](int x, int y, std::uint8_t* out) {
                               *out = y < 8 ? (x < 8 ? 30 : 200) : 120;
                           }));
    Picture picture;
    ASSERT_TRUE(LoadJpegPicture(path, picture));
    ASSERT_EQ(picture.width, 16);
    ASSERT_EQ(picture.height, 9);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 16; ++x) {
            const Rgb p = At(picture, x, y);
            EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]) << x << "," << y;
        }
    }
    EXPECT_TRUE(Near(At(picture, 2, 2), {30, 30, 30}, 2));
    EXPECT_TRUE(Near(At(picture, 12, 5), {200, 200, 200}, 2));
    EXPECT_TRUE(Near(At(picture, 7, 8), {120, 120, 120}, 2));
}

// Blocks: red ink, no ink, half black. Inverted files store 255 for no ink.
TEST_F(LoadJpegPictureTest, InkFilesAreConvertedToRgb)
{
    for (const JpegKind kind : {JpegKind::CmykAdobe, JpegKind::CmykPlain, JpegKind::Ycck}) {
        SCOPED_TRACE(static_cast<int>(kind));
        const bool inverted = kind != JpegKind::CmykPlain;
        const auto ink = [inverted](int amount) {
            return static_cast<std::uint8_t>(inverted ? 255 - amount : amount);
        };
        const std::string path = m_folder.File("ink.jpg");
        picturetest::WriteJpeg(path, 24, 8, kind,
                               picturetest::MakeSamples(24, 8, 4, [&](int x, int, std::uint8_t* out) {
                                   const int block = x / 8;
                                   out[0] = ink(0);
                                   out[1] = ink(block == 0 ? 255 : 0);
                                   out[2] = ink(block == 0 ? 255 : 0);
                                   out[3] = ink(block == 2 ? 128 : 0);
                               }));
        Picture picture;
        PictureLoadFailure failure;
        ASSERT_TRUE(LoadJpegPicture(path, picture, &failure)) << failure.message;
        ASSERT_EQ(picture.width, 24);
        EXPECT_TRUE(Near(At(picture, 3, 3), {255, 0, 0}, 4));
        EXPECT_TRUE(Near(At(picture, 11, 3), {255, 255, 255}, 4));
        EXPECT_TRUE(Near(At(picture, 19, 3), {127, 127, 127}, 4));
    }
}

TEST_F(LoadJpegPictureTest, MissingFileGivesTheOpenMessage)
{
    const std::string path = m_folder.File("Wörter fehlen.jpg");
    Picture picture = Leftover();
    PictureLoadFailure failure;
    EXPECT_FALSE(LoadJpegPicture(path, picture, &failure));
    EXPECT_EQ(failure.kind, Kind::CannotOpen);
    EXPECT_EQ(failure.message, "JPEG :\nCan't open " + path + "\n");
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_TRUE(picture.rgb.empty());
}

std::string NoisyJpeg(const std::string& path)
{
    std::mt19937 random(7);
    picturetest::WriteJpeg(path, 64, 48, JpegKind::Rgb,
                           picturetest::MakeSamples(64, 48, 3, [&](int, int, std::uint8_t* out) {
                               out[0] = static_cast<std::uint8_t>(random());
                               out[1] = static_cast<std::uint8_t>(random());
                               out[2] = static_cast<std::uint8_t>(random());
                           }));
    return picturetest::ReadAll(path);
}

// Everything short of a whole file fails with the library's message, never aborts the
// process and never keeps a half-grey picture.
TEST_F(LoadJpegPictureTest, DamagedFilesFailWithTheLibraryMessage)
{
    const std::string whole = NoisyJpeg(m_folder.File("whole.jpg"));
    ASSERT_GT(whole.size(), 2000u);
    std::vector<std::pair<std::string, std::string>> cases = {
        {"empty", ""},
        {"text", "Dies ist kein Bild.\r\n"},
        {"only the start marker", whole.substr(0, 2)},
        {"junk", std::string(3000, '\x5a')},
    };
    std::mt19937 random(11);
    std::string noise(4096, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    cases.emplace_back("noise", noise);
    cases.emplace_back("noise after the start marker", whole.substr(0, 2) + noise);
    for (const std::size_t cut : {20lu, 200lu, whole.size() / 3, whole.size() / 2, whole.size() - 40}) {
        cases.emplace_back("cut at " + std::to_string(cut), whole.substr(0, cut));
    }
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const std::string path = m_folder.File("damaged.jpg");
        picturetest::WriteAll(path, bytes);
        Picture picture = Leftover();
        PictureLoadFailure failure;
        EXPECT_FALSE(LoadJpegPicture(path, picture, &failure));
        EXPECT_EQ(failure.kind, Kind::FatalError);
        EXPECT_FALSE(failure.message.empty());
        EXPECT_TRUE(picture.IsEmpty());
    }
    Picture picture;
    EXPECT_TRUE(LoadJpegPicture(m_folder.File("whole.jpg"), picture)) << "the decoder is usable afterwards";
}

// Damage anywhere in a file either still gives a picture of a sensible size or a failure
// with a message; it never takes the process down.
TEST_F(LoadJpegPictureTest, RandomDamageIsSurvived)
{
    const std::string whole = NoisyJpeg(m_folder.File("whole.jpg"));
    const std::string path = m_folder.File("damaged.jpg");
    std::mt19937 random(3);
    int failures = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = whole;
        for (int i = 0; i < 1 + round % 8; ++i) {
            bytes[random() % bytes.size()] = static_cast<char>(random());
        }
        picturetest::WriteAll(path, bytes);
        Picture picture;
        PictureLoadFailure failure;
        if (LoadJpegPicture(path, picture, &failure)) {
            EXPECT_EQ(picture.rgb.size(), picture.RowBytes() * picture.height);
            EXPECT_LE(static_cast<std::int64_t>(picture.width) * picture.height, MaxPicturePixels);
        } else {
            ++failures;
            EXPECT_FALSE(failure.message.empty());
            EXPECT_TRUE(picture.IsEmpty());
        }
    }
    EXPECT_GT(failures, 0);
}

// Sets the size in the frame header (SOF0) of a baseline file.
std::string WithClaimedSize(std::string bytes, int width, int height)
{
    const std::size_t sof = bytes.find("\xFF\xC0");
    bytes[sof + 5] = static_cast<char>(height >> 8);
    bytes[sof + 6] = static_cast<char>(height & 0xFF);
    bytes[sof + 7] = static_cast<char>(width >> 8);
    bytes[sof + 8] = static_cast<char>(width & 0xFF);
    return bytes;
}

TEST_F(LoadJpegPictureTest, HugeClaimedSizeIsRefusedAsOutOfMemory)
{
    const std::string whole = NoisyJpeg(m_folder.File("whole.jpg"));
    const std::string path = m_folder.File("huge.jpg");
    picturetest::WriteAll(path, WithClaimedSize(whole, 60000, 60000));
    Picture picture;
    PictureLoadFailure failure;
    EXPECT_FALSE(LoadJpegPicture(path, picture, &failure));
    EXPECT_EQ(failure.kind, Kind::OutOfMemory);
    EXPECT_EQ(failure.message, "JpegFile :\nOut of memory");
    EXPECT_TRUE(picture.IsEmpty());
}

// A header claiming more rows than the data holds: the library would make up the rest.
TEST_F(LoadJpegPictureTest, HeaderClaimingMoreThanItsDataFails)
{
    const std::string whole = NoisyJpeg(m_folder.File("whole.jpg"));
    const std::string path = m_folder.File("short.jpg");
    for (const auto& [width, height] : {std::pair{64, 49}, std::pair{5792, 5792}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        picturetest::WriteAll(path, WithClaimedSize(whole, width, height));
        Picture picture = Leftover();
        PictureLoadFailure failure;
        EXPECT_FALSE(LoadJpegPicture(path, picture, &failure));
        EXPECT_EQ(failure.kind, Kind::FatalError);
        EXPECT_NE(failure.message.find("Corrupt JPEG data"), std::string::npos) << failure.message;
        EXPECT_TRUE(picture.IsEmpty());
    }
}

// Each scan costs a pass over the whole picture. The last scan repeated over and over
// breaks the progression and fails at the first repeat; a file of only sound scans, each
// coefficient refined bit by bit, is cut short at the limit.
TEST_F(LoadJpegPictureTest, EndlessScansAreCutShort)
{
    const auto samples = picturetest::MakeSamples(16, 16, 3, [](int x, int y, std::uint8_t* out) {
        out[0] = static_cast<std::uint8_t>(x * 16);
        out[1] = static_cast<std::uint8_t>(y * 16);
        out[2] = 90;
    });
    const std::string path = m_folder.File("scans.jpg");
    picturetest::WriteJpeg(path, 16, 16, JpegKind::Progressive, samples);
    const std::string whole = picturetest::ReadAll(path);
    const std::size_t lastScan = whole.rfind("\xFF\xDA");
    const std::size_t end = whole.rfind("\xFF\xD9");
    ASSERT_LT(lastScan, end);
    std::string repeated = whole.substr(0, end);
    for (int i = 0; i < kMaxJpegScans; ++i) {
        repeated += whole.substr(lastScan, end - lastScan);
    }
    picturetest::WriteAll(path, repeated + "\xFF\xD9");
    Picture picture;
    PictureLoadFailure failure;
    EXPECT_FALSE(LoadJpegPicture(path, picture, &failure));
    EXPECT_EQ(failure.kind, Kind::FatalError);
    EXPECT_FALSE(failure.message.empty());

    picturetest::WriteJpeg(path, 16, 16, JpegKind::ManyScans, samples);
    EXPECT_FALSE(LoadJpegPicture(path, picture, &failure));
    EXPECT_EQ(failure.kind, Kind::FatalError);
    EXPECT_NE(failure.message.find(std::to_string(kMaxJpegScans)), std::string::npos) << failure.message;
}

// The same bytes in memory decode to the same picture, or fail with the same message.
TEST_F(LoadJpegPictureTest, BytesInMemoryGiveWhatTheirFileGives)
{
    const std::string whole = NoisyJpeg(m_folder.File("whole.jpg"));
    const auto grey = picturetest::MakeSamples(
        9, 5, 1, [](int x, int y, std::uint8_t* out) { *out = static_cast<std::uint8_t>(x * 20 + y); });
    const std::string path = m_folder.File("bytes.jpg");
    picturetest::WriteJpeg(path, 9, 5, JpegKind::Grey, grey);
    const std::string greyFile = picturetest::ReadAll(path);
    picturetest::WriteJpeg(path, 16, 16, JpegKind::ManyScans,
                           picturetest::MakeSamples(
                               16, 16, 3, [](int, int, std::uint8_t* out) { out[0] = out[1] = out[2] = 7; }));
    const std::pair<const char*, std::string> cases[] = {
        {"whole", whole},
        {"grey", greyFile},
        {"empty", ""},
        {"only the start marker", whole.substr(0, 2)},
        {"cut in the middle", whole.substr(0, whole.size() / 2)},
        {"cut before the end marker", whole.substr(0, whole.size() - 2)},
        {"huge claim", WithClaimedSize(whole, 60000, 60000)},
        {"more rows claimed than held", WithClaimedSize(whole, 5792, 5792)},
        {"endless scans", picturetest::ReadAll(path)},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        picturetest::WriteAll(path, bytes);
        Picture fromFile;
        PictureLoadFailure fileFailure;
        const bool fileLoads = LoadJpegPicture(path, fromFile, &fileFailure);
        Picture fromMemory = Leftover();
        PictureLoadFailure memoryFailure;
        EXPECT_EQ(DecodeJpegPicture(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                    fromMemory, &memoryFailure),
                  fileLoads);
        EXPECT_EQ(memoryFailure.kind, fileFailure.kind);
        EXPECT_EQ(memoryFailure.message, fileFailure.message);
        EXPECT_EQ(fromMemory.width, fromFile.width);
        EXPECT_EQ(fromMemory.height, fromFile.height);
        EXPECT_TRUE(fromMemory.rgb == fromFile.rgb);
    }
}

} // namespace
