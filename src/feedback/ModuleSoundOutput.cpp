#include "feedback/ModuleSoundOutput.h"

#include "feedback/SharedLibrary.h"
#include "feedback/SoundCatalog.h"
#include "feedback/ToneSynthesizer.h"
#include "feedback/WaveFile.h"
#include "feedback/WaveOutput.h"
#include "resources/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace {

const QString kModuleName = QStringLiteral("tippwerk-sound.so");

} // namespace

ModuleSoundOutput::ModuleSoundOutput(QString modulePath)
    : m_modulePath(std::move(modulePath))
{}

// The output goes before the module that holds its code.
ModuleSoundOutput::~ModuleSoundOutput()
{
    m_output.reset();
}

QString ModuleSoundOutput::ModulePathBeside()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(kModuleName);
    if (QFileInfo(beside).isFile())
        return beside;
    return QDir::cleanPath(
        programFolder.filePath(QStringLiteral(TIPPWERK_MODULE_FOLDER_FROM_PROGRAM "/") + kModuleName));
}

WaveOutput* ModuleSoundOutput::Output() const
{
    if (m_moduleTried)
        return m_output.get();
    m_moduleTried = true;
    if (m_modulePath.isEmpty())
        return nullptr;
    m_module = SharedLibrary::Open(QFile::encodeName(m_modulePath).toStdString());
    WaveOutputFactory* make = nullptr;
    if (m_module && m_module->Resolve(make, kWaveOutputFactory))
        m_output.reset(make());
    return m_output.get();
}

void ModuleSoundOutput::Prepare() const
{
    if (m_prepared)
        return;
    m_prepared = true;
    m_beepFolder = std::make_unique<QTemporaryDir>();
    WaveOutput::Files files;
    for (const SoundCue& cue : SoundCatalog::AllSounds()) {
        QString path;
        if (cue.source == SoundCue::Source::WaveFile)
            path = QString::fromStdString(ProgramFilePath("sounds", cue.fileName));
        else
            path = WriteBeep(cue);
        const int durationMs = path.isEmpty() ? -1 : WaveFile::DurationMs(path.toStdString());
        if (durationMs > 0) {
            m_durations[cue.fileName] = durationMs;
            files.emplace_back(cue.fileName, QFile::encodeName(path).toStdString());
        }
    }
    if (WaveOutput* output = Output())
        output->Load(files);
}

QString ModuleSoundOutput::WriteBeep(const SoundCue& cue) const
{
    if (!m_beepFolder->isValid())
        return {};
    const QString path = m_beepFolder->filePath(QString::fromStdString(cue.fileName));
    const std::string bytes =
        WaveFile::Encode(ToneSynthesizer::Synthesize(cue.tones), ToneSynthesizer::kSampleRate);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit())
        return {};
    return path;
}

void ModuleSoundOutput::Play(const SoundCue& cue)
{
    Prepare();
    if (!m_durations.contains(cue.fileName))
        return;
    if (WaveOutput* output = Output())
        output->Play(cue.fileName);
}

int ModuleSoundOutput::DurationMs(const SoundCue& cue) const
{
    Prepare();
    const auto found = m_durations.find(cue.fileName);
    return found == m_durations.end() ? 0 : found->second;
}

void ModuleSoundOutput::PlayFile(const std::string& path)
{
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    if (path.empty() || !QFileInfo(file).isFile())
        return;
    if (WaveOutput* output = Output())
        output->PlayOnce(path);
    // The greeting comes before the first keystroke: the keystroke sounds are made ready
    // now rather than on that keystroke.
    Prepare();
}

bool ModuleSoundOutput::ModuleLoaded() const
{
    return m_module != nullptr;
}

QString ModuleSoundOutput::BeepFolder() const
{
    return m_beepFolder && m_beepFolder->isValid() ? m_beepFolder->path() : QString();
}
