#include "widgets/DialogText.h"

#include "resources/StringTable.h"

#include <QStringList>

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

QString DialogText::FileFilter(int id)
{
    const QStringList parts = FromTable(id).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        // The text may already show its patterns in parentheses; Qt's are put in their place.
        QString text = parts[i];
        if (const qsizetype open = text.lastIndexOf(QLatin1Char('(')); open >= 0)
            text.truncate(open);
        if (!text.endsWith(QLatin1Char(' ')))
            text += QLatin1Char(' ');
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        filters << text + QLatin1Char('(') + patterns.simplified() + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}
