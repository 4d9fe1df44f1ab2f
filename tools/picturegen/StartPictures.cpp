#include "StartPictures.h"

#include "HandGeometry.h"
#include "Scribe.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTransform>

namespace {

const QColor Ink(36, 58, 94);
const QColor SoftInk(72, 92, 122);
const QColor SkyLight(238, 243, 249);
const QColor SkyDeep(210, 223, 238);
const QColor Skin(240, 204, 178);
const QColor SkinShade(224, 182, 154);
const QColor SkinLine(150, 104, 84);
const QColor Nail(242, 210, 198);
const QColor KeyFace(250, 250, 252);
const QColor KeyEdge(150, 160, 176);
const QColor HomeKey(255, 232, 178);

QString Name()
{
    return QStringLiteral("Tippwerk");
}

// One row of keys "A" to "Ö" whose centres line up with the fingertips of the hands
// drawn by Hands() with the same scale and offset.
void HomeRow(QPainter& painter, double scale, double offsetX, double top)
{
    static const char16_t* labels[10] = {u"A", u"S", u"D", u"F", u"G", u"H", u"J", u"K", u"L", u"Ö"};
    const double pitch = 58 * scale;
    const double size = pitch - 3 * scale / 0.5;
    const double firstCentre = (HandGeometry::Fingers()[0].tip.x()) * scale + offsetX;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int k = 0; k < 10; ++k) {
        const QRectF key(firstCentre + k * pitch - size / 2, top, size, size);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 60, 90, 40));
        painter.drawRoundedRect(key.translated(1.5 * scale / 0.5, 2 * scale / 0.5), size * 0.16, size * 0.16);
        const bool home = k == 3 || k == 6;
        painter.setPen(QPen(KeyEdge, 1.2));
        painter.setBrush(home ? HomeKey : KeyFace);
        painter.drawRoundedRect(key, size * 0.16, size * 0.16);
        if (home) {
            // The small ridge that the index fingers feel.
            painter.setPen(QPen(KeyEdge, 1.6, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(key.center().x() - size * 0.14, key.top() + size * 0.74),
                             QPointF(key.center().x() + size * 0.14, key.top() + size * 0.74));
        }
        Scribe::CentredText(painter, QRectF(key.left(), key.top() + size * 0.04, size, size * 0.5),
                            QString::fromUtf16(labels[k]), Scribe::Font(static_cast<int>(size * 0.38), true),
                            Ink);
    }
    painter.restore();
}

// Both hands from the hands geometry, scaled; faded out toward fadeBottom.
void Hands(QPainter& painter, double scaleX, double scaleY, double offsetX, double offsetY, double fadeTop,
           double fadeBottom, const QColor& fadeTo)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(QRectF(0, 0, painter.device()->width(), fadeBottom));
    QTransform place;
    place.translate(offsetX, offsetY);
    place.scale(scaleX, scaleY);
    for (int hand = 0; hand < 2; ++hand) {
        const QPainterPath outline = place.map(HandGeometry::HandPath(hand));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 52, 76, 45));
        painter.drawPath(outline.translated(2, 3));
        QLinearGradient skin(QPointF(0, offsetY), QPointF(0, offsetY + 140 * scaleY));
        skin.setColorAt(0, Skin);
        skin.setColorAt(1, SkinShade);
        painter.setBrush(skin);
        painter.drawPath(outline);
        const int first = hand == 0 ? 0 : 5;
        for (int i = first; i < first + 5; ++i) {
            painter.setPen(QPen(SkinLine.lighter(130), 0.8));
            painter.setBrush(Nail);
            painter.drawPath(place.map(HandGeometry::NailPath(HandGeometry::Fingers()[i])));
        }
        painter.setPen(QPen(SkinLine, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outline);
    }
    QLinearGradient fade(QPointF(0, fadeTop), QPointF(0, fadeBottom));
    QColor clear = fadeTo;
    clear.setAlpha(0);
    fade.setColorAt(0, clear);
    fade.setColorAt(1, fadeTo);
    painter.fillRect(QRectF(0, fadeTop, painter.device()->width(), fadeBottom - fadeTop), fade);
    painter.restore();
}

QColor Between(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

} // namespace

QImage StartPictures::Welcome()
{
    constexpr int width = 400;
    constexpr int height = 350;
    constexpr int footer = 310;
    QImage image = Scribe::Canvas(width, height, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    Scribe::VerticalGradient(painter, QRectF(0, 0, width, footer), SkyLight, SkyDeep);

    Scribe::CentredText(painter, QRectF(0, 34, width, 72), Name(), Scribe::Font(58, true), Ink);
    Scribe::CentredText(painter, QRectF(0, 108, width, 24),
                        QStringLiteral("Schreibtrainer für das Zehnfingersystem"), Scribe::Font(15, false),
                        SoftInk);

    const double scale = 0.56;
    const double offsetX = width / 2.0 - HandGeometry::PictureWidth * scale / 2;
    HomeRow(painter, scale, offsetX, 166);
    const double handsTop = 190;
    const double fadeBottom = handsTop + 145 * scale;
    Hands(painter, scale, scale, offsetX, handsTop, fadeBottom - 18, fadeBottom,
          Between(SkyLight, SkyDeep, fadeBottom / footer));

    // White footer: the program writes its version here, black on white.
    painter.fillRect(QRectF(0, footer, width, height - footer), Qt::white);
    painter.fillRect(QRectF(0, footer, width, 1.5), KeyEdge);
    return image;
}

QImage StartPictures::MainWelcome()
{
    constexpr int width = 800;
    constexpr int height = 400;
    QImage image = Scribe::Canvas(width, height, SkyDeep);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    Scribe::VerticalGradient(painter, QRectF(0, 0, width, height), SkyLight, SkyDeep);

    Scribe::CentredText(painter, QRectF(0, 26, width, 96), Name(), Scribe::Font(80, true), Ink);
    Scribe::CentredText(painter, QRectF(0, 122, width, 30),
                        QStringLiteral("Schreibtrainer für das Zehnfingersystem"), Scribe::Font(22, false),
                        SoftInk);

    const double scale = 0.72;
    const double offsetX = width / 2.0 - HandGeometry::PictureWidth * scale / 2;
    HomeRow(painter, scale, offsetX, 178);
    const double handsTop = 207;
    const double fadeBottom = handsTop + 145 * scale;
    Hands(painter, scale, scale, offsetX, handsTop, fadeBottom - 34, fadeBottom,
          Between(SkyLight, SkyDeep, fadeBottom / height));

    Scribe::CentredText(painter, QRectF(0, 344, width, 34),
                        QStringLiteral("Wählen Sie im Menü „Praxis“ eine Lektion aus."),
                        Scribe::Font(20, false), Ink);
    return image;
}

QImage StartPictures::SmallWindow()
{
    constexpr int width = 200;
    constexpr int height = 150;
    QImage image = Scribe::Canvas(width, height, QColor(236, 240, 246));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF window(6, 6, width - 12, height - 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 52, 76, 50));
    painter.drawRoundedRect(window.translated(2, 3), 3, 3);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(96, 110, 134), 1));
    painter.drawRoundedRect(window, 3, 3);

    // Title bar with the name.
    const QRectF title(window.left() + 0.5, window.top() + 0.5, window.width() - 1, 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(58, 86, 130));
    painter.drawRect(title);
    painter.setFont(Scribe::Font(11, true));
    painter.setPen(Qt::white);
    painter.drawText(title.adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, Name());
    for (int i = 0; i < 3; ++i) {
        painter.fillRect(QRectF(title.right() - 12 - i * 10, title.top() + 5, 7, 6), QColor(196, 208, 226));
    }

    const double left = window.left() + 1;
    const double right = window.right() - 1;
    const double inner = right - left;
    // Status strip: animation square, two gauges, the clock.
    const QRectF status(left, title.bottom(), inner, 12);
    Scribe::VerticalGradient(painter, status, QColor(202, 216, 233), QColor(232, 238, 245));
    painter.fillRect(QRectF(left + 2, status.top() + 1.5, 9, 9), QColor(248, 206, 86));
    painter.setPen(QPen(Qt::black, 0.8));
    const double gauge = inner * 0.28;
    for (int g = 0; g < 2; ++g) {
        const double x = left + inner * (g == 0 ? 0.22 : 0.52);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(x, status.top() + 3, gauge, 6));
        painter.fillRect(QRectF(x + 0.5, status.top() + 4, gauge * (g == 0 ? 0.62 : 0.2), 4),
                         g == 0 ? QColor(100, 100, 100) : QColor(200, 20, 20));
    }
    painter.fillRect(QRectF(right - 22, status.top() + 3, 19, 6), Qt::white);
    painter.fillRect(QRectF(right - 20, status.top() + 5, 15, 2), QColor(30, 30, 30));

    // Lesson text on squared paper.
    const QRectF text(left, status.bottom(), inner, 34);
    painter.fillRect(text, QColor(247, 245, 239));
    for (double x = text.left() + 4; x < text.right(); x += 6) {
        painter.fillRect(QRectF(x, text.top(), 0.6, text.height()), QColor(232, 228, 218));
    }
    const double lines[4] = {0.82, 0.7, 0.76, 0.6};
    for (int i = 0; i < 4; ++i) {
        const double y = text.top() + 4 + i * 7.5;
        const QColor ink = i == 1 ? QColor(100, 100, 100) : QColor(20, 20, 20);
        painter.fillRect(QRectF(text.left() + 5, y, (inner - 10) * lines[i], 2.6), ink);
        if (i == 1) {
            painter.fillRect(QRectF(text.left() + 5 + inner * 0.3, y + 3.6, 3, 2.2), QColor(200, 20, 20));
        }
    }

    // Keyboard: grey surround and rows of keys.
    const QRectF keyboard(left, text.bottom(), inner, 44);
    painter.fillRect(keyboard, QColor(247, 245, 239));
    const double kbWidth = keyboard.height() * 3;
    const QRectF board(keyboard.center().x() - kbWidth / 2, keyboard.top(), kbWidth, keyboard.height());
    painter.fillRect(board.intersected(keyboard), QColor(100, 100, 100));
    const double unit = board.height() / 100;
    painter.setPen(QPen(Qt::black, 0.6));
    painter.setBrush(QColor(220, 220, 220));
    const double rowStart[5] = {0, 24, 28, 20, 56};
    const int rowKeys[5] = {13, 12, 12, 11, 1};
    for (int row = 0; row < 5; ++row) {
        for (int k = 0; k < rowKeys[row]; ++k) {
            const double keyWidth = row == 4 ? 100 * unit : 15 * unit;
            const QRectF key(board.left() + (44 + rowStart[row] + k * 16) * unit,
                             board.top() + (4 + row * 18) * unit, keyWidth, 15 * unit);
            painter.drawRoundedRect(key.intersected(board), 1, 1);
        }
    }

    // Hands, squeezed into their strip as the program stretches them.
    const QRectF hands(left, keyboard.bottom(), inner, window.bottom() - 1 - keyboard.bottom());
    painter.fillRect(hands, QColor(205, 214, 228));
    painter.save();
    painter.setClipRect(hands);
    QTransform place;
    place.translate(hands.left(), hands.top());
    place.scale(hands.width() / HandGeometry::PictureWidth, hands.height() / HandGeometry::PictureHeight);
    for (int hand = 0; hand < 2; ++hand) {
        const QPainterPath outline = place.map(HandGeometry::HandPath(hand));
        painter.setPen(QPen(SkinLine, 0.7));
        painter.setBrush(Skin);
        painter.drawPath(outline);
    }
    painter.restore();
    return image;
}

QImage StartPictures::Silent()
{
    constexpr int size = 64;
    QImage image = Scribe::Canvas(size, size, QColor(236, 241, 247));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Loudspeaker.
    QPainterPath speaker;
    speaker.moveTo(10, 25);
    speaker.lineTo(19, 25);
    speaker.lineTo(31, 14);
    speaker.lineTo(31, 50);
    speaker.lineTo(19, 39);
    speaker.lineTo(10, 39);
    speaker.closeSubpath();
    painter.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(120, 140, 170));
    painter.drawPath(speaker);
    // A calm red cross where the sound waves would be.
    painter.setPen(QPen(QColor(196, 44, 40), 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(39, 24), QPointF(54, 40));
    painter.drawLine(QPointF(54, 24), QPointF(39, 40));
    return image;
}

QImage StartPictures::Login()
{
    constexpr int width = 150;
    constexpr int height = 200;
    QImage image = Scribe::Canvas(width, height, SkyDeep);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    Scribe::VerticalGradient(painter, QRectF(0, 0, width, height), SkyLight, SkyDeep);

    // A big key with a person on it: the user's own key to the program.
    const QRectF key(25, 26, 100, 100);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 60, 90, 50));
    painter.drawRoundedRect(key.translated(3, 5), 16, 16);
    painter.setBrush(QColor(214, 220, 230));
    painter.setPen(QPen(KeyEdge, 1.5));
    painter.drawRoundedRect(key, 16, 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(KeyFace);
    painter.drawRoundedRect(key.adjusted(9, 7, -9, -13), 11, 11);
    painter.setBrush(QColor(88, 116, 158));
    painter.drawEllipse(QPointF(75, 60), 14, 14);
    QPainterPath shoulders;
    shoulders.moveTo(47, 108);
    shoulders.cubicTo(47, 84, 103, 84, 103, 108);
    shoulders.closeSubpath();
    painter.drawPath(shoulders);

    // A small padlock: names and passwords.
    const QRectF lock(100, 104, 26, 22);
    painter.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(lock.left() + 5, lock.top() - 11, 16, 22), 0, 180 * 16);
    painter.setPen(QPen(Ink, 1.5));
    painter.setBrush(HomeKey);
    painter.drawRoundedRect(lock, 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(QPointF(lock.center().x(), lock.center().y() - 1), 2.6, 2.6);
    painter.drawRect(QRectF(lock.center().x() - 1.2, lock.center().y(), 2.4, 6));

    Scribe::CentredText(painter, QRectF(0, 142, width, 30), Name(), Scribe::Font(24, true), Ink);
    Scribe::CentredText(painter, QRectF(0, 170, width, 20), QStringLiteral("Anmeldung"),
                        Scribe::Font(14, false), SoftInk);
    return image;
}
