#include "app/HelpBrowser.h"

#include <QRegularExpression>
#include <QTextDocument>

HelpBrowser::HelpBrowser(QWidget* parent)
    : QTextBrowser(parent)
{}

QByteArray HelpBrowser::WithSectionsAsBlocks(const QByteArray& html)
{
    static const QRegularExpression opening(
        QStringLiteral("<(nav|main|footer|header|section|article|aside)(?=[\\s>])"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression closing(
        QStringLiteral("</(nav|main|footer|header|section|article|aside)\\s*>"),
        QRegularExpression::CaseInsensitiveOption);
    QString text = QString::fromUtf8(html);
    text.replace(opening, QStringLiteral("<div data-element=\"\\1\""));
    text.replace(closing, QStringLiteral("</div>"));
    return text.toUtf8();
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::HtmlResource || resource.typeId() != QMetaType::QByteArray)
        return resource;
    return WithSectionsAsBlocks(resource.toByteArray());
}
