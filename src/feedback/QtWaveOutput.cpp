#include "feedback/QtWaveOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <map>
#include <memory>

// The effects, created, started and destroyed on the output's thread only.
class QtWaveOutput::Player : public QObject
{
public:
    void Load(const Files& files)
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

    void PlayOnce(const QString& path)
    {
        // A child of the player, so it goes with the output if that ends first.
        auto* effect = new QSoundEffect(this);
        QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
            if (!effect->isPlaying())
                effect->deleteLater();
        });
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
            if (effect->status() == QSoundEffect::Error)
                effect->deleteLater();
        });
        effect->setSource(QUrl::fromLocalFile(path));
        effect->play();
    }

private:
    std::map<std::string, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_current = nullptr;
};

QtWaveOutput::QtWaveOutput()
{
    // Qt's audio backend is made on first use and stays with the thread that made it; that
    // must be the user-interface thread, which outlives the output's own.
    QMediaDevices::audioOutputs();
    m_thread.setObjectName(QStringLiteral("Sound output"));
    m_player = new Player;
    m_player->moveToThread(&m_thread);
    m_thread.start();
}

QtWaveOutput::~QtWaveOutput()
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

void QtWaveOutput::Load(const Files& files)
{
    // Sounds asked for meanwhile queue up behind the loading.
    QMetaObject::invokeMethod(
        m_player, [player = m_player, files] { player->Load(files); }, Qt::QueuedConnection);
}

void QtWaveOutput::Play(const std::string& name)
{
    QMetaObject::invokeMethod(
        m_player, [player = m_player, name] { player->Play(name); }, Qt::QueuedConnection);
}

void QtWaveOutput::PlayOnce(const QString& path)
{
    QMetaObject::invokeMethod(
        m_player, [player = m_player, path] { player->PlayOnce(path); }, Qt::QueuedConnection);
}

extern "C" __attribute__((visibility("default"))) WaveOutput* tippwerk_make_wave_output()
{
    return new QtWaveOutput;
}
