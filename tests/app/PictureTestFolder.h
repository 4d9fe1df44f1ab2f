#pragma once

#include "app/PictureStore.h"
#include "pictures/PictureLoader.h"
#include "resources/ProgramPaths.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A program folder of its own for one test, with pictures written as JPEG files. It is
// the program folder while the object lives.
class PictureTestFolder
{
public:
    PictureTestFolder()
    {
        EXPECT_TRUE(m_dir.isValid());
        ProgramPaths::SetProgramFolderForTesting(m_dir.path().toStdString());
        QDir(m_dir.path()).mkpath(QStringLiteral("pictures"));
    }
    ~PictureTestFolder() { ProgramPaths::SetProgramFolderForTesting(std::string()); }
    PictureTestFolder(const PictureTestFolder&) = delete;
    PictureTestFolder& operator=(const PictureTestFolder&) = delete;

    QString Path(const QString& relative) const { return m_dir.filePath(relative); }

    // A picture of one colour at pictures/<relative>.
    void AddPicture(const QString& relative, QSize size, QColor colour = Qt::gray)
    {
        const QString path = Path(QStringLiteral("pictures/") + relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path, "JPEG", 100)) << path.toStdString();
    }

    // The four start pictures, each of its own size so the slots can be told apart.
    void AddStartPictures()
    {
        for (int slot = 0; slot < PictureStore::kStartPictureCount; ++slot) {
            AddPicture(StartFile(static_cast<PictureStore::StartPicture>(slot)), StartSize(slot));
        }
    }

    static QSize StartSize(int slot) { return QSize(40 + slot, 30); }

    // All eleven pictures of a set, of the one size given.
    void AddPictureSet(const QString& name, QSize size)
    {
        for (int slot = 0; slot < PictureStore::kSetPictureCount; ++slot) {
            AddPicture(name + QLatin1Char('/') + SetFile(static_cast<PictureStore::SetPicture>(slot)), size);
        }
    }

    void Remove(const QString& relative)
    {
        EXPECT_TRUE(QFile::remove(Path(QStringLiteral("pictures/") + relative)));
    }

    static QString StartFile(PictureStore::StartPicture slot)
    {
        return QString::fromStdString(PictureStore::FileName(slot));
    }
    static QString SetFile(PictureStore::SetPicture slot)
    {
        return QString::fromStdString(PictureStore::FileName(slot));
    }

private:
    QTemporaryDir m_dir;
};

// Loads without message boxes and keeps the file names asked for, "pictures/" onwards.
class RecordingLoader
{
public:
    PictureStore::Loader Loader()
    {
        return [this](const std::string& path, QImage& picture) {
            const auto at = path.rfind("pictures/");
            files.push_back(at == std::string::npos ? path : path.substr(at));
            PictureLoadFailure failure;
            return PictureLoader::LoadSilently(path, picture, failure);
        };
    }

    std::vector<std::string> files;
};
