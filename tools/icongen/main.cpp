// tippwerk-icongen DATA_FOLDER: writes the program icon below DATA_FOLDER/icons/hicolor,
// as NxN/apps/org.tippwerk.Tippwerk.png for the usual theme sizes and as
// scalable/apps/org.tippwerk.Tippwerk.svg.
#include "IconSvg.h"
#include "app/ProgramIcon.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <cstdio>

namespace {

constexpr char kName[] = "org.tippwerk.Tippwerk";

// Through a temporary beside the target, so a failed run leaves the old icon whole.
bool Write(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tippwerk-icongen DATA_FOLDER\n");
        return 2;
    }
    const QString theme = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("icons/hicolor"));
    const QIcon icon = ProgramIcon::Create();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage image = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.size() != QSize(size, size)) {
            std::fprintf(stderr, "tippwerk-icongen: no %d x %d icon\n", size, size);
            return 1;
        }
        const QString path =
            QStringLiteral("%1/%2x%2/apps/%3.png").arg(theme).arg(size).arg(QLatin1String(kName));
        if (!Write(path, Png(image))) {
            std::fprintf(stderr, "tippwerk-icongen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svg = QStringLiteral("%1/scalable/apps/%2.svg").arg(theme, QLatin1String(kName));
    if (!Write(svg, IconSvg::Document().toUtf8())) {
        std::fprintf(stderr, "tippwerk-icongen: cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
