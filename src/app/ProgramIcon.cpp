#include "app/ProgramIcon.h"

#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

QIcon ProgramIcon::Create()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal margin = size / 16.0;
        const QRectF cap(margin, margin, size - 2 * margin, size - 2 * margin);
        // The key's side, then its lighter top face.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(36, 58, 98));
        painter.drawRoundedRect(cap, size / 6.0, size / 6.0);
        painter.setBrush(QColor(232, 238, 248));
        const QRectF face = cap.adjusted(size / 10.0, size / 14.0, -size / 10.0, -size / 5.0);
        painter.drawRoundedRect(face, size / 10.0, size / 10.0);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setBold(true);
        font.setPixelSize(qMax(8, static_cast<int>(face.height() * 0.8)));
        painter.setFont(font);
        painter.setPen(QColor(36, 58, 98));
        painter.drawText(face, Qt::AlignCenter, QStringLiteral("T"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon ProgramIcon::Load()
{
    // Read as PNG and nothing else: guessing the format asks every image plugin about the
    // file, and so loads them all into the process at start.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128}) {
        QImageReader reader(QStringLiteral(":/icons/%1x%1/apps/org.tippwerk.Tippwerk.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
