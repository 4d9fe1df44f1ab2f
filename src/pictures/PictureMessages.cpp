#include "pictures/PictureMessages.h"

#include "resources/StringTable.h"

#include <QFile>

namespace {

constexpr int kProductName = 128;
constexpr int kPictureMissing = 503;

QString Utf8String(int id)
{
    return QString::fromStdString(StringTable::Utf8(id));
}

std::unique_ptr<QMessageBox> CreateBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                       QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(icon, caption, text, QMessageBox::Ok, parent);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

} // namespace

std::unique_ptr<QMessageBox> PictureMessages::CreateLoadFailureBox(const PictureLoadFailure& failure,
                                                                   QWidget* parent)
{
    // The text holds a file path: its bytes are in the file system's encoding.
    const QString text = QFile::decodeName(QByteArray::fromStdString(failure.message));
    switch (failure.kind) {
    case PictureLoadFailure::Kind::None:
        return nullptr;
    case PictureLoadFailure::Kind::CannotOpen:
        return CreateBox(QMessageBox::NoIcon, Utf8String(kProductName), text, parent);
    case PictureLoadFailure::Kind::FatalError:
        return CreateBox(QMessageBox::Critical, QStringLiteral("JPEG Fatal Error"), text, parent);
    case PictureLoadFailure::Kind::OutOfMemory:
        return CreateBox(QMessageBox::Critical, Utf8String(kProductName), text, parent);
    }
    return nullptr;
}

void PictureMessages::ShowLoadFailure(const PictureLoadFailure& failure, QWidget* parent)
{
    if (const auto box = CreateLoadFailureBox(failure, parent)) {
        box->exec();
    }
}

std::unique_ptr<QMessageBox> PictureMessages::CreateMissingPictureBox(QWidget* parent)
{
    return CreateBox(QMessageBox::NoIcon, Utf8String(kProductName), Utf8String(kPictureMissing), parent);
}

void PictureMessages::ShowMissingPicture(QWidget* parent)
{
    CreateMissingPictureBox(parent)->exec();
}
