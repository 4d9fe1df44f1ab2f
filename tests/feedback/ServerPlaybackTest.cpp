// The sounds as a sound server hears them: a private PulseAudio server with a null sink,
// recorded from the sink's monitor. Skipped where the server or its recorder is missing.

#include "feedback/ModuleSoundOutput.h"
#include "feedback/SoundCatalog.h"
#include "resources/ProgramPaths.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kWindow = kRate / 100; // 10 ms

// Stretches of sound in the recording, in 10 ms windows; a gap of 50 ms parts two.
std::vector<int> Bursts(const QByteArray& raw)
{
    const auto* samples = reinterpret_cast<const std::int16_t*>(raw.constData());
    const qsizetype count = raw.size() / 2;
    std::vector<int> bursts;
    int silent = 100;
    for (qsizetype at = 0; at + kWindow <= count; at += kWindow) {
        int peak = 0;
        for (int i = 0; i < kWindow; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(samples[at + i])));
        if (peak < 500) {
            ++silent;
            continue;
        }
        if (silent >= 5)
            bursts.push_back(0);
        ++bursts.back();
        silent = 0;
    }
    return bursts;
}

class ServerPlayback : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        m_parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (server.isEmpty() || m_parec.isEmpty())
            GTEST_SKIP() << "no pulseaudio or parec";
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        env.insert(QStringLiteral("HOME"), m_dir.path());
        m_server.setProcessEnvironment(env);
        m_server.start(server, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                                QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                                QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=rec"),
                                QStringLiteral("-L"),
                                QStringLiteral("module-native-protocol-unix socket=") + socket});
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
            QTest::qWait(50);
        ASSERT_TRUE(QFile::exists(socket)) << m_server.readAllStandardError().toStdString();
        m_address = QStringLiteral("unix:") + socket;
        qputenv("PULSE_SERVER", m_address.toLocal8Bit());
        ProgramPaths::SetProgramFolderForTesting(TIPPWERK_SOURCE_DIR "/data/");
    }

    void TearDown() override
    {
        ProgramPaths::SetProgramFolderForTesting({});
        qunsetenv("PULSE_SERVER");
        m_server.kill();
        m_server.waitForFinished();
    }

    void StartRecording()
    {
        m_recorder.start(m_parec, {QStringLiteral("--server=") + m_address, QStringLiteral("-d"),
                                   QStringLiteral("rec.monitor"), QStringLiteral("--raw"),
                                   QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                                   QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
        ASSERT_TRUE(m_recorder.waitForStarted());
        // Recording once the monitor delivers, silence at first.
        ASSERT_TRUE(m_recorder.waitForReadyRead(5000));
        QTest::qWait(100);
    }

    QByteArray StopRecording()
    {
        QTest::qWait(300);
        QByteArray raw = m_recorder.readAllStandardOutput();
        m_recorder.terminate();
        m_recorder.waitForFinished();
        return raw + m_recorder.readAllStandardOutput();
    }

    QTemporaryDir m_dir;
    QString m_parec;
    QString m_address;
    QProcess m_server;
    QProcess m_recorder;
};

TEST_F(ServerPlayback, EveryKeystrokeSoundIsHeardAndTheGreetingWhole)
{
    ModuleSoundOutput output(QStringLiteral(TIPPWERK_SOUND_MODULE));
    output.Prepare();
    StartRecording();
    // Ten wrong keystrokes (200 ms each), 400 ms apart: all ten, not only the first.
    for (int i = 0; i < 10; ++i) {
        output.Play(SoundCatalog::BadSound(0));
        QTest::qWait(400);
    }
    // A click cuts off the sound before it: one burst, shorter than that sound.
    output.Play(SoundCatalog::BadSound(0));
    QTest::qWait(60);
    output.Play(SoundCatalog::GoodSound(0));
    QTest::qWait(400);
    output.PlayFile(ProgramFilePath("sounds", "wellcome.wav"));
    QTest::qWait(1800);
    const std::vector<int> bursts = Bursts(StopRecording());

    std::string lengths;
    for (const int length : bursts)
        lengths += std::to_string(length) + ' ';
    ASSERT_EQ(bursts.size(), 12u) << lengths;
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(bursts[static_cast<size_t>(i)], 20, 3) << i;
    EXPECT_LT(bursts[10], 17);
    EXPECT_GE(bursts[11], 140); // 1.6 s, the last of it below the threshold
}

} // namespace
