#include "widgets/ProgramText.h"

#include "resources/TextCodec.h"

QString ProgramText::ToQString(const std::string& windows1250)
{
    return QString::fromStdString(TextCodec::ToUtf8(windows1250));
}

std::string ProgramText::FromQString(const QString& text)
{
    return TextCodec::FromUtf8(text.toStdString());
}
