#include "widgets/DialogText.h"

#include "resources/StringTable.h"

QString DialogText::FromTable(int id)
{
    const std::string& utf8 = StringTable::Utf8(id);
    return ForLabel(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QString DialogText::ForLabel(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
