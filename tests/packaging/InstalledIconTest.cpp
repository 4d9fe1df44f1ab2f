#include "IconSvg.h"
#include "app/ProgramIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "packaging_icon_tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QGuiApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

const QString kTheme = QStringLiteral(TIPPWERK_SOURCE_DIR "/data/icons/hicolor/");

} // namespace

// A change to the window icon's drawing must be carried to the installed icons
// (tools/icongen), or the menu and the window show two different pictures.
TEST(InstalledIcon, EveryThemeSizeIsTheWindowIconAtThatSize)
{
    const QIcon icon = ProgramIcon::Create();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = kTheme + QStringLiteral("%1x%1/apps/org.tippwerk.Tippwerk.png").arg(size);
        const QImage installed(path);
        ASSERT_FALSE(installed.isNull()) << path.toStdString();
        EXPECT_EQ(installed.size(), QSize(size, size)) << size;
        const QImage drawn = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(installed.convertToFormat(QImage::Format_ARGB32) == drawn) << size;
        // Transparent corners, an opaque key: a theme draws it on any background.
        EXPECT_EQ(qAlpha(installed.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(installed.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(InstalledIcon, ScalableIconIsTheGeneratorsDrawing)
{
    QFile file(kTheme + QStringLiteral("scalable/apps/org.tippwerk.Tippwerk.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    EXPECT_EQ(svg, IconSvg::Document());
    EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 256 256\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("<path fill=\"#243a62\" d=\"M")));
}
