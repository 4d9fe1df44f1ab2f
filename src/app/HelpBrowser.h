#pragma once

#include <QTextBrowser>

// The browser of the help window. The pages are written for web browsers; Qt's rich text
// does not know the HTML5 section elements (nav, main, footer, ...) and would run them
// into the text, so they are read as div blocks, marked with data-element="nav" and so on.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The page's HTML with its section elements as div blocks.
    static QByteArray WithSectionsAsBlocks(const QByteArray& html);

    QVariant loadResource(int type, const QUrl& name) override;
};
