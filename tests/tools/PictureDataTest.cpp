// Checks the installed pictures and the hands file kept under data/: they are made
// by tools/picturegen, and the program ends when one of them is missing or broken.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <jpeglib.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path DataDir = fs::path(TIPPWERK_SOURCE_DIR) / "data";
const fs::path PicturesDir = DataDir / "pictures";

struct Rgb
{
    int r = 0;
    int g = 0;
    int b = 0;
};

int Distance(const Rgb& a, const Rgb& b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

struct Picture
{
    int width = 0;
    int height = 0;
    bool progressive = false;
    int components = 0;
    std::vector<unsigned char> rgb;

    Rgb At(int x, int y) const
    {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

struct Session
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf jump{};
    std::FILE* file = nullptr;
    bool created = false;

    ~Session()
    {
        if (created) {
            jpeg_destroy_decompress(&info);
        }
        if (file != nullptr) {
            std::fclose(file);
        }
    }
};

void JumpBack(j_common_ptr info)
{
    std::longjmp(static_cast<Session*>(info->client_data)->jump, 1);
}

void Quiet(j_common_ptr)
{}

// Decodes as the program does: libjpeg with its default settings.
std::optional<Picture> Decode(const fs::path& path)
{
    const auto session = std::make_unique<Session>();
    const auto picture = std::make_unique<Picture>();
    session->file = std::fopen(path.c_str(), "rb");
    if (session->file == nullptr) {
        return std::nullopt;
    }
    jpeg_decompress_struct& info = session->info;
    info.err = jpeg_std_error(&session->errors);
    session->errors.error_exit = JumpBack;
    session->errors.output_message = Quiet;
    info.client_data = session.get();
    if (setjmp(session->jump) != 0) {
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    session->created = true;
    jpeg_stdio_src(&info, session->file);
    jpeg_read_header(&info, TRUE);
    picture->progressive = jpeg_has_multiple_scans(&info);
    picture->components = info.num_components;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    picture->width = static_cast<int>(info.output_width);
    picture->height = static_cast<int>(info.output_height);
    picture->rgb.resize(static_cast<std::size_t>(picture->width) * picture->height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row =
            picture->rgb.data() + static_cast<std::size_t>(info.output_scanline) * picture->width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return *picture;
}

std::vector<std::string> PictureSets()
{
    std::vector<std::string> sets;
    for (const auto& entry : fs::directory_iterator(PicturesDir)) {
        if (entry.is_directory()) {
            sets.push_back(entry.path().filename().string());
        }
    }
    return sets;
}

struct Expected
{
    const char* file;
    int width;
    int height;
};

// Frames each strip needs: one more than the highest frame its animation table names.
constexpr std::array<int, 8> FramesNeeded = {5, 4, 5, 5, 2, 2, 2, 2};

std::string MovieName(std::size_t index)
{
    return "Movie" + std::to_string(index + 1) + ".jpg";
}

// Baseline JPEG with three colour components, as the pictures are written; width 0
// accepts any width.
std::optional<Picture> ExpectPicture(const fs::path& path, int width, int height)
{
    SCOPED_TRACE(path.string());
    auto picture = Decode(path);
    EXPECT_TRUE(picture.has_value()) << "missing or not a JPEG";
    if (picture.has_value()) {
        EXPECT_FALSE(picture->progressive);
        EXPECT_EQ(picture->components, 3);
        if (width > 0) {
            EXPECT_EQ(picture->width, width);
        }
        EXPECT_EQ(picture->height, height);
    }
    return picture;
}

TEST(PictureFiles, StartPicturesDecodeWithTheirSizes)
{
    const Expected pictures[] = {{"wellcome.jpg", 400, 350},
                                 {"wellcome2.jpg", 800, 400},
                                 {"SmallWindow.jpg", 200, 150},
                                 {"Silent.jpg", 64, 64},
                                 {"Login.jpg", 150, 200}};
    for (const Expected& e : pictures) {
        ExpectPicture(PicturesDir / e.file, e.width, e.height);
    }
}

// Every subfolder counts as a picture set, so each must be complete.
TEST(PictureFiles, EverySetIsCompleteWithTheStandardSetAmongThem)
{
    const auto sets = PictureSets();
    EXPECT_NE(std::find(sets.begin(), sets.end(), "standard"), sets.end());
    EXPECT_GE(sets.size(), 2u);
    for (const std::string& set : sets) {
        ExpectPicture(PicturesDir / set / "HandsBG.jpg", 1400, 140);
        ExpectPicture(PicturesDir / set / "StatBG.jpg", 1000, 50);
        ExpectPicture(PicturesDir / set / "Background.jpg", 128, 128);
        for (std::size_t m = 0; m < FramesNeeded.size(); ++m) {
            const auto strip = ExpectPicture(PicturesDir / set / MovieName(m), 0, 50);
            ASSERT_TRUE(strip.has_value());
            SCOPED_TRACE(set + "/" + MovieName(m));
            EXPECT_EQ(strip->width % 50, 0) << "whole 50-pixel frames";
            EXPECT_GE(strip->width / 50, FramesNeeded[m]);
        }
    }
}

// Movie1 and Movie4 lay frames 1 and up over frame 0 with white as the transparent
// colour: a pixel only near white (a JPEG fringe) would be copied as a pale dot.
TEST(PictureFiles, TransparentWhiteOfTheOverlaidFramesIsExact)
{
    for (const std::string& set : PictureSets()) {
        for (const std::size_t m : {0u, 3u}) {
            SCOPED_TRACE(set + "/" + MovieName(m));
            const auto strip = Decode(PicturesDir / set / MovieName(m));
            ASSERT_TRUE(strip.has_value());
            int exact = 0;
            int fringe = 0;
            int holes = 0;
            for (int y = 0; y < strip->height; ++y) {
                for (int x = 0; x < strip->width; ++x) {
                    const Rgb p = strip->At(x, y);
                    if (x < 50) {
                        // Frame 0 is drawn first with green as transparent colour: it must cover all.
                        holes += p.r == 0 && p.g == 255 && p.b == 0;
                    } else if (p.r == 255 && p.g == 255 && p.b == 255) {
                        ++exact;
                    } else if (p.r >= 240 && p.g >= 240 && p.b >= 240) {
                        ++fringe;
                    }
                }
            }
            EXPECT_GT(exact, 0);
            EXPECT_EQ(fringe, 0);
            EXPECT_EQ(holes, 0);
        }
    }
}

TEST(PictureFiles, BackgroundTilesJoinSeamlesslyAndStayLightForText)
{
    for (const std::string& set : PictureSets()) {
        SCOPED_TRACE(set);
        const auto tile = Decode(PicturesDir / set / "Background.jpg");
        ASSERT_TRUE(tile.has_value());
        long inner = 0;
        long seam = 0;
        long light = 0;
        for (int y = 0; y < tile->height; ++y) {
            for (int x = 0; x + 1 < tile->width; ++x) {
                inner += Distance(tile->At(x, y), tile->At(x + 1, y));
                const Rgb p = tile->At(x, y);
                light += (p.r * 299 + p.g * 587 + p.b * 114) / 1000;
            }
            seam += Distance(tile->At(tile->width - 1, y), tile->At(0, y));
        }
        const double innerMean = static_cast<double>(inner) / ((tile->width - 1) * tile->height);
        const double seamMean = static_cast<double>(seam) / tile->height;
        EXPECT_LE(seamMean, 3 * innerMean + 4);
        // Lesson text is black, grey (100) and red on the tile.
        EXPECT_GE(light / ((tile->width - 1) * tile->height), 200);
    }
}

struct HandPoint
{
    int x = 0;
    int y = 0;
    int penDown = 0;
    int weight = 0;
};

std::optional<std::vector<std::vector<HandPoint>>> ReadHandsFile(std::string& problem)
{
    std::ifstream in(DataDir / "config" / "hands.ddd.utf8");
    if (!in) {
        problem = "cannot open";
        return std::nullopt;
    }
    std::vector<std::vector<HandPoint>> outlines;
    std::vector<HandPoint> points;
    std::string line;
    while (std::getline(in, line)) {
        if (line == "END") {
            outlines.push_back(points);
            points.clear();
            continue;
        }
        // Seven integers, each closed by a colon, nothing else.
        std::array<int, 7> fields{};
        std::size_t at = 0;
        for (int& field : fields) {
            const std::size_t colon = line.find(':', at);
            const std::string text = colon == std::string::npos ? "" : line.substr(at, colon - at);
            if (text.empty() || text.find_first_not_of("-0123456789") != std::string::npos) {
                problem = "bad point line: " + line;
                return std::nullopt;
            }
            field = std::stoi(text);
            at = colon + 1;
        }
        if (at != line.size()) {
            problem = "extra text: " + line;
            return std::nullopt;
        }
        points.push_back({fields[0], fields[1], fields[2], fields[3]});
    }
    if (!points.empty()) {
        problem = "points after the last END";
        return std::nullopt;
    }
    return outlines;
}

TEST(HandsFile, TenClosedOutlinesInHandUnitsNumberedLeftToRight)
{
    std::string problem;
    const auto outlines = ReadHandsFile(problem);
    ASSERT_TRUE(outlines.has_value()) << problem;
    ASSERT_EQ(outlines->size(), 10u);
    double previousX = -1;
    for (std::size_t f = 0; f < outlines->size(); ++f) {
        SCOPED_TRACE(f);
        const auto& outline = (*outlines)[f];
        ASSERT_GE(outline.size(), 4u);
        EXPECT_EQ(outline.front().penDown, 0);
        double sumX = 0;
        for (std::size_t i = 0; i < outline.size(); ++i) {
            const HandPoint& p = outline[i];
            EXPECT_TRUE(p.x >= 0 && p.x <= 700 && p.y >= 0 && p.y <= 100) << p.x << "," << p.y;
            EXPECT_GE(p.weight, 1);
            if (i > 0) {
                EXPECT_NE(p.penDown, 0);
            }
            sumX += p.x;
        }
        EXPECT_EQ(outline.back().x, outline.front().x);
        EXPECT_EQ(outline.back().y, outline.front().y);
        // 0 to 4 the left hand from the little finger, 5 to 9 the right hand from the thumb.
        const double centreX = sumX / outline.size();
        EXPECT_GT(centreX, previousX);
        EXPECT_EQ(centreX < 350, f < 5);
        previousX = centreX;
    }
}

Rgb Centre(const std::vector<HandPoint>& outline, const Picture& picture, int& px, int& py)
{
    double x = 0;
    double y = 0;
    for (const HandPoint& p : outline) {
        x += p.x;
        y += p.y;
    }
    px = static_cast<int>(x / outline.size() * picture.width / 700);
    py = static_cast<int>(y / outline.size() * picture.height / 100);
    return picture.At(px, py);
}

// The outline is drawn inverted over the hands picture: it must run on the finger,
// and neighbouring fingers must be apart, or the highlight shows the wrong finger.
TEST(HandsFile, OutlinesLieOnTheFingersOfEveryHandsPicture)
{
    std::string problem;
    const auto outlines = ReadHandsFile(problem);
    ASSERT_TRUE(outlines.has_value()) << problem;
    ASSERT_EQ(outlines->size(), 10u);
    for (const std::string& set : PictureSets()) {
        SCOPED_TRACE(set);
        const auto hands = Decode(PicturesDir / set / "HandsBG.jpg");
        ASSERT_TRUE(hands.has_value());
        // The desk at the far left of the same row is the colour a finger must differ from.
        auto desk = [&](int py) { return hands->At(2, py); };
        std::array<Rgb, 10> centres{};
        std::array<int, 10> centreX{};
        std::array<int, 10> centreY{};
        for (std::size_t f = 0; f < 10; ++f) {
            SCOPED_TRACE(f);
            centres[f] = Centre((*outlines)[f], *hands, centreX[f], centreY[f]);
            EXPECT_GT(Distance(centres[f], desk(centreY[f])), 60);
            for (const HandPoint& p : (*outlines)[f]) {
                const int px = p.x * hands->width / 700;
                const int py = std::min(p.y * hands->height / 100, hands->height - 1);
                EXPECT_GT(Distance(hands->At(px, py), desk(py)), 60) << p.x << "," << p.y;
            }
        }
        for (const std::size_t f : {0u, 1u, 2u, 6u, 7u, 8u}) {
            SCOPED_TRACE(f);
            const int gx = (centreX[f] + centreX[f + 1]) / 2;
            const int gy = (centreY[f] + centreY[f + 1]) / 2;
            const Rgb gap = hands->At(gx, gy);
            EXPECT_LT(Distance(gap, desk(gy)), Distance(gap, centres[f]));
        }
    }
}

} // namespace
