#include "app/PictureStore.h"

#include "pictures/PictureLoader.h"
#include "resources/ProgramPaths.h"
#include "resources/TextCodec.h"
#include "settings/AppSettings.h"
#include "widgets/ProgramText.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <utility>

namespace {

const char* const kPicturesFolder = "pictures";

bool SameSetName(const std::string& a, const std::string& b)
{
    return ProgramText::ToQString(a).compare(ProgramText::ToQString(b), Qt::CaseInsensitive) == 0;
}

bool NameOrder(const std::string& a, const std::string& b)
{
    const int order = ProgramText::ToQString(a).compare(ProgramText::ToQString(b), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

} // namespace

PictureStore::PictureStore(Loader loader)
    : m_loader(std::move(loader))
{
    if (!m_loader) {
        m_loader = [](const std::string& path, QImage& picture) {
            return PictureLoader::Load(path, picture);
        };
    }
    FindPictureSets();
}

bool PictureStore::LoadStartPictures()
{
    return LoadWelcomePicture() && LoadOtherStartPictures();
}

bool PictureStore::LoadWelcomePicture()
{
    return LoadStartPicture(StartPicture::Welcome);
}

bool PictureStore::LoadOtherStartPictures()
{
    for (const StartPicture slot :
         {StartPicture::SmallWindow, StartPicture::Silent, StartPicture::SecondWelcome}) {
        if (!LoadStartPicture(slot)) {
            return false;
        }
    }
    return true;
}

bool PictureStore::LoadStartPicture(StartPicture slot)
{
    QImage& picture = m_startPictures[static_cast<std::size_t>(slot)];
    DeferredPicture& file = m_startFiles[static_cast<std::size_t>(slot)];
    picture = QImage();
    file.Clear();
    const std::string path = ProgramFilePath(kPicturesFolder, FileName(slot));
    if (!m_loader(path, picture)) {
        return false;
    }
    if (IsKeptAsFile(slot)) {
        file.Keep(path, picture);
        picture = QImage();
    }
    return true;
}

bool PictureStore::IsKeptAsFile(StartPicture slot)
{
    // Only the settings dialog shows them.
    return slot == StartPicture::SmallWindow || slot == StartPicture::Silent;
}

QImage PictureStore::Decoded(StartPicture slot) const
{
    return IsKeptAsFile(slot) ? m_startFiles[static_cast<std::size_t>(slot)].Image() : Picture(slot);
}

void PictureStore::ShrinkWelcomeToCanvas()
{
    QImage& welcome = m_startPictures[static_cast<std::size_t>(StartPicture::Welcome)];
    const QRect corner =
        QRect(0, 0, FrameStrip::kFrameSize, FrameStrip::kFrameSize).intersected(welcome.rect());
    if (corner != welcome.rect()) {
        welcome = welcome.copy(corner);
    }
}

void PictureStore::SetHandsShown(bool shown)
{
    m_handsShown = shown;
    QImage& hands = m_setPictures[static_cast<std::size_t>(SetPicture::HandsBackground)];
    if (!shown) {
        hands = QImage();
    } else if (hands.isNull()) {
        hands = m_handsFile.Image();
    }
}

bool PictureStore::LoadPictureSet(const std::string& name)
{
    // The name becomes part of a path: it must stay one folder inside pictures.
    if (name.empty() || !AppSettings::IsSafePictureSet(name)) {
        return false;
    }
    if (!m_loadedSetName.empty() && SameSetName(name, m_loadedSetName)) {
        return true;
    }
    return ReadPictureSet(name);
}

bool PictureStore::ReadPictureSet(const std::string& name)
{
    const std::string folder = std::string(kPicturesFolder) + '/' + TextCodec::ToUtf8(name);
    for (int i = 0; i < kSetPictureCount; ++i) {
        const auto slot = static_cast<SetPicture>(i);
        QImage& picture = m_setPictures[static_cast<std::size_t>(i)];
        picture = QImage();
        if (slot == SetPicture::HandsBackground) {
            m_handsFile.Clear();
        }
        const std::string path = ProgramFilePath(folder, FileName(slot));
        if (!m_loader(path, picture)) {
            return false;
        }
        if (slot == SetPicture::HandsBackground) {
            m_handsFile.Keep(path, picture);
            if (!m_handsShown) {
                picture = QImage();
            }
        }
    }
    m_loadedSetName = name;
    return true;
}

bool PictureStore::LoadPictureSetOrStandard(std::string& name)
{
    if (LoadPictureSet(name)) {
        return true;
    }
    if (name == kStandardSetName) {
        return false;
    }
    // The failed set has replaced some pictures already, while the loaded name may still
    // be "standard": the standard set must be read again, not taken as loaded.
    if (!ReadPictureSet(kStandardSetName)) {
        return false;
    }
    name = kStandardSetName;
    return true;
}

QString PictureStore::FallbackMessage(const std::string& name)
{
    return QStringLiteral("Die Hintergrundgrafik „%1“ konnte nicht geladen werden. Es wird „%2“ verwendet.")
        .arg(ProgramText::ToQString(name), QString::fromLatin1(kStandardSetName));
}

const QImage& PictureStore::Picture(StartPicture slot) const
{
    return m_startPictures[static_cast<std::size_t>(slot)];
}

const QImage& PictureStore::Picture(SetPicture slot) const
{
    return m_setPictures[static_cast<std::size_t>(slot)];
}

FrameStripPainter::MovieSlots PictureStore::MovieSlots() const
{
    FrameStripPainter::MovieSlots movies{};
    for (std::size_t n = 0; n < movies.size(); ++n) {
        movies[n] = &m_setPictures[static_cast<std::size_t>(SetPicture::Movie1) + n];
    }
    return movies;
}

std::string PictureStore::FileName(StartPicture slot)
{
    switch (slot) {
    case StartPicture::Welcome:
        return "wellcome.jpg";
    case StartPicture::SecondWelcome:
        return "wellcome2.jpg";
    case StartPicture::SmallWindow:
        return "SmallWindow.jpg";
    case StartPicture::Silent:
        return "Silent.jpg";
    }
    return {};
}

std::string PictureStore::FileName(SetPicture slot)
{
    switch (slot) {
    case SetPicture::HandsBackground:
        return "HandsBG.jpg";
    case SetPicture::StatisticsBackground:
        return "StatBG.jpg";
    case SetPicture::Background:
        return "Background.jpg";
    default:
        return "Movie" + std::to_string(static_cast<int>(slot) - static_cast<int>(SetPicture::Movie1) + 1) +
               ".jpg";
    }
}

void PictureStore::FindPictureSets()
{
    m_setNames.clear();
    const std::string path = ProgramFilePath(kPicturesFolder, std::string());
    if (path.empty()) {
        return;
    }
    const QDir pictures(QFile::decodeName(QByteArray::fromStdString(path)));
    const QStringList folders = pictures.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& folder : folders) {
        const std::string utf8 = folder.toStdString();
        const std::string name = TextCodec::FromUtf8(utf8);
        // A name that does not come back unchanged would name another folder.
        if (name.empty() || TextCodec::ToUtf8(name) != utf8 || !AppSettings::IsSafePictureSet(name)) {
            continue;
        }
        m_setNames.push_back(name);
    }
    // The file system lists folders in no fixed order.
    std::sort(m_setNames.begin(), m_setNames.end(), NameOrder);
}
