#include "app/WelcomeSound.h"

#include "resources/ProgramPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QSoundEffect* WelcomeSound::Play(QObject* owner)
{
    const std::string path = ProgramFilePath("sounds", "wellcome.wav");
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    if (path.empty() || !QFileInfo(file).isFile() || !QCoreApplication::instance()) {
        return nullptr;
    }
    auto* effect = new QSoundEffect(owner ? owner : QCoreApplication::instance());
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying()) {
            effect->deleteLater();
        }
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        if (effect->status() == QSoundEffect::Error) {
            effect->deleteLater();
        }
    });
    effect->setSource(QUrl::fromLocalFile(file));
    effect->play();
    return effect;
}
