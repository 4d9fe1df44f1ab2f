#include "feedback/QtSoundOutput.h"

#include "feedback/SoundCatalog.h"
#include "feedback/ToneSynthesizer.h"
#include "feedback/WaveFile.h"
#include "resources/ProgramPaths.h"

#include <QSaveFile>
#include <QSoundEffect>
#include <QUrl>

QtSoundOutput::QtSoundOutput()
{
    for (const SoundCue& cue : SoundCatalog::AllSounds())
        Prepare(cue);
}

QtSoundOutput::~QtSoundOutput() = default;

void QtSoundOutput::Prepare(const SoundCue& cue)
{
    QString path;
    if (cue.source == SoundCue::Source::WaveFile)
        path = QString::fromStdString(ProgramFilePath("sounds", cue.fileName));
    else if (cue.source == SoundCue::Source::Tones)
        path = WriteBeep(cue);

    Sound sound;
    sound.durationMs = path.isEmpty() ? 0 : std::max(WaveFile::DurationMs(path.toStdString()), 0);
    if (sound.durationMs > 0) {
        sound.effect = std::make_unique<QSoundEffect>();
        sound.effect->setSource(QUrl::fromLocalFile(path));
    }
    m_sounds[cue.fileName] = std::move(sound);
}

QString QtSoundOutput::WriteBeep(const SoundCue& cue)
{
    if (!m_beepFolder.isValid())
        return {};
    const QString path = m_beepFolder.filePath(QString::fromStdString(cue.fileName));
    const std::string bytes =
        WaveFile::Encode(ToneSynthesizer::Synthesize(cue.tones), ToneSynthesizer::SampleRate);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit())
        return {};
    return path;
}

void QtSoundOutput::Play(const SoundCue& cue)
{
    const auto found = m_sounds.find(cue.fileName);
    if (found == m_sounds.end() || !found->second.effect)
        return;
    QSoundEffect* effect = found->second.effect.get();
    if (m_current && m_current != effect)
        m_current->stop();
    // Started again from the beginning when it is still playing.
    effect->stop();
    effect->play();
    m_current = effect;
}

int QtSoundOutput::DurationMs(const SoundCue& cue) const
{
    const auto found = m_sounds.find(cue.fileName);
    return found == m_sounds.end() ? 0 : found->second.durationMs;
}

QString QtSoundOutput::BeepFolder() const
{
    return m_beepFolder.isValid() ? m_beepFolder.path() : QString();
}
