#include "settings/SilentSoundPage.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

SilentSoundPage::SilentSoundPage(const QImage& silent, QWidget* parent)
    : QWidget(parent)
{
    const QPixmap picture = QPixmap::fromImage(silent);
    auto* pictures = new QHBoxLayout;
    pictures->setSpacing(10);
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(this);
        label->setPixmap(picture);
        pictures->addWidget(label);
    }
    pictures->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(new QLabel(QStringLiteral("Ton abschalten"), this));
    layout->addLayout(pictures);
    layout->addStretch(1);
}
