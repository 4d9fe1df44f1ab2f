// Draws every installed picture and the hands file into a data folder:
//   tippwerk-picturegen DATA_DIR
// writes DATA_DIR/pictures/... and DATA_DIR/config/hands.ddd.utf8.
#include "HandsFile.h"
#include "JpegWriter.h"
#include "MovieStrips.h"
#include "SetPictures.h"
#include "SetStyle.h"
#include "StartPictures.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <string>

namespace {

bool Save(const QImage& image, const std::string& path)
{
    if (!JpegWriter::Write(image, path)) {
        std::fprintf(stderr, "tippwerk-picturegen: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s %dx%d\n", path.c_str(), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: tippwerk-picturegen DATA_DIR\n", stderr);
        return 2;
    }
    // Text needs a font database, which needs an application; no screen is required.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const std::string data = argv[1];
    const std::string pictures = data + "/pictures/";

    bool ok = Save(StartPictures::Welcome(), pictures + "wellcome.jpg");
    ok = Save(StartPictures::MainWelcome(), pictures + "wellcome2.jpg") && ok;
    ok = Save(StartPictures::SmallWindow(), pictures + "SmallWindow.jpg") && ok;
    ok = Save(StartPictures::Silent(), pictures + "Silent.jpg") && ok;
    ok = Save(StartPictures::Login(), pictures + "Login.jpg") && ok;

    for (const SetStyle& style : SetStyle::All()) {
        const std::string set = pictures + style.name + "/";
        ok = Save(SetPictures::Hands(style), set + "HandsBG.jpg") && ok;
        ok = Save(SetPictures::StatusStrip(style), set + "StatBG.jpg") && ok;
        ok = Save(SetPictures::BackgroundTile(style), set + "Background.jpg") && ok;
        const auto strips = MovieStrips::Build(style);
        for (std::size_t i = 0; i < strips.size(); ++i) {
            ok = Save(strips[i], set + "Movie" + std::to_string(i + 1) + ".jpg") && ok;
        }
    }

    const std::string hands = data + "/config/hands.ddd.utf8";
    if (HandsFile::Write(hands)) {
        std::printf("%s\n", hands.c_str());
    } else {
        std::fprintf(stderr, "tippwerk-picturegen: cannot write %s\n", hands.c_str());
        ok = false;
    }
    return ok ? 0 : 1;
}
