#include "feedback/QtSoundOutput.h"

#include "feedback/SoundCatalog.h"
#include "feedback/ToneSynthesizer.h"
#include "feedback/WaveFile.h"
#include "resources/ProgramPaths.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSaveFile>
#include <QSoundEffect>
#include <QUrl>

#include <memory>
#include <utility>
#include <vector>

// The effects, created, started and destroyed on the output's thread only.
class QtSoundOutput::Player : public QObject
{
public:
    void Load(const std::vector<std::pair<std::string, QString>>& files)
    {
        for (const auto& [name, path] : files) {
            auto effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(path));
            m_effects[name] = std::move(effect);
        }
    }

    void Play(const std::string& name)
    {
        const auto found = m_effects.find(name);
        if (found == m_effects.end())
            return;
        QSoundEffect* effect = found->second.get();
        if (m_current && m_current != effect)
            m_current->stop();
        // Stopped first, so that an effect still playing starts again from its beginning.
        effect->stop();
        effect->play();
        m_current = effect;
    }

private:
    std::map<std::string, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_current = nullptr;
};

QtSoundOutput::QtSoundOutput()
{
    std::vector<std::pair<std::string, QString>> files;
    for (const SoundCue& cue : SoundCatalog::AllSounds()) {
        QString path;
        if (cue.source == SoundCue::Source::WaveFile)
            path = QString::fromStdString(ProgramFilePath("sounds", cue.fileName));
        else
            path = WriteBeep(cue);
        const int durationMs = path.isEmpty() ? -1 : WaveFile::DurationMs(path.toStdString());
        if (durationMs > 0) {
            m_durations[cue.fileName] = durationMs;
            files.emplace_back(cue.fileName, path);
        }
    }

    // Qt's audio backend is made on first use and stays with the thread that made it; that
    // must be the user-interface thread, which outlives the output's own.
    QMediaDevices::audioOutputs();
    m_thread.setObjectName(QStringLiteral("Sound output"));
    m_player = new Player;
    m_player->moveToThread(&m_thread);
    m_thread.start();
    // Loading goes on in the background; sounds asked for meanwhile queue up behind it.
    QMetaObject::invokeMethod(
        m_player, [player = m_player, files] { player->Load(files); }, Qt::QueuedConnection);
}

QtSoundOutput::~QtSoundOutput()
{
    if (!m_thread.isRunning()) {
        delete m_player;
        return;
    }
    QMetaObject::invokeMethod(
        m_player, [player = m_player] { delete player; }, Qt::BlockingQueuedConnection);
    // Finishing the thread also deletes the sinks the effects left for later deletion.
    m_thread.quit();
    m_thread.wait();
}

QString QtSoundOutput::WriteBeep(const SoundCue& cue)
{
    if (!m_beepFolder.isValid())
        return {};
    const QString path = m_beepFolder.filePath(QString::fromStdString(cue.fileName));
    const std::string bytes =
        WaveFile::Encode(ToneSynthesizer::Synthesize(cue.tones), ToneSynthesizer::kSampleRate);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit())
        return {};
    return path;
}

void QtSoundOutput::Play(const SoundCue& cue)
{
    if (!m_durations.contains(cue.fileName))
        return;
    QMetaObject::invokeMethod(
        m_player, [player = m_player, name = cue.fileName] { player->Play(name); }, Qt::QueuedConnection);
}

int QtSoundOutput::DurationMs(const SoundCue& cue) const
{
    const auto found = m_durations.find(cue.fileName);
    return found == m_durations.end() ? 0 : found->second;
}

QString QtSoundOutput::BeepFolder() const
{
    return m_beepFolder.isValid() ? m_beepFolder.path() : QString();
}
