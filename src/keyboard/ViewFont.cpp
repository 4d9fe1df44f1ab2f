#include "keyboard/ViewFont.h"

#include "keyboard/ViewLayout.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>

namespace {

// What a height of 0 gives: the size of the dialog texts.
constexpr int kDefaultPixelSize = 12;
constexpr int kReferencePixelSize = 100;

QFont BaseFont()
{
    QFont font(ViewFont::FamilyName());
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setKerning(false);
    // Whole-pixel advances: 70 characters are exactly 70 cells wide.
    font.setHintingPreference(QFont::PreferFullHinting);
    // A glyph from a fallback face would have another width and shift the columns.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::NoAntialias));
    return font;
}

// The pixel size whose cell (ascent plus descent) is at most `cellHeight`.
int PixelSizeForCell(int cellHeight)
{
    QFont reference = BaseFont();
    reference.setPixelSize(kReferencePixelSize);
    const QFontMetricsF metrics(reference);
    const double cell = metrics.ascent() + metrics.descent();
    if (cell <= 0) {
        return cellHeight;
    }
    return static_cast<int>(cellHeight * kReferencePixelSize / cell);
}

} // namespace

QString ViewFont::FamilyName()
{
    static const QString family = [] {
        const QString face = QStringLiteral("Liberation Mono");
        if (QFontDatabase::hasFamily(face)) {
            return face;
        }
        return QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    }();
    return family;
}

QFont ViewFont::Create(int height)
{
    QFont font = BaseFont();
    int pixelSize = kDefaultPixelSize;
    if (height < 0) {
        pixelSize = -height;
    } else if (height > 0) {
        pixelSize = PixelSizeForCell(height);
    }
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

ViewFont::Cell ViewFont::Measure(const QFont& font)
{
    const QFontMetrics metrics(font);
    return {std::max(1, metrics.horizontalAdvance(QLatin1Char('A'))), std::max(1, metrics.height())};
}

int ViewFont::FitHeight(int clientWidth, int clientHeight)
{
    int height = kStartHeight;
    for (;;) {
        const Cell cell = Measure(Create(height));
        if (ViewLayout::TextFits(clientWidth, clientHeight, cell.cx, cell.cy)) {
            return height;
        }
        if (height + 1 >= kEndHeight) {
            return height;
        }
        ++height;
    }
}
