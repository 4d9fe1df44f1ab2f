#include "widgets/DialogFont.h"

#include <QFontDatabase>
#include <QWidget>

namespace {

QFont MakeDialogFont()
{
    // Liberation Sans has the metrics of Arial, so the dialogs keep their proportions.
    const QString face = QStringLiteral("Liberation Sans");
    QFont font =
        QFontDatabase::hasFamily(face) ? QFont(face) : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    // The face has no thin cut; asking for one would pick an odd fallback face.
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace

const QFont& DialogFont::Font()
{
    static const QFont font = MakeDialogFont();
    return font;
}

void DialogFont::Apply(QWidget* dialog)
{
    if (!dialog)
        return;
    const QFont& font = Font();
    dialog->setFont(font);
    const QList<QWidget*> controls = dialog->findChildren<QWidget*>();
    for (QWidget* control : controls)
        control->setFont(font);
}
