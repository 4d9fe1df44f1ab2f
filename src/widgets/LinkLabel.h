#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

#include <functional>

class QUrl;

// A static text that acts as a link to a web or mail address: drawn in the link colour,
// with a hand cursor, opened by a left click.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    // Opens a link; true when it could be opened.
    using UrlOpener = std::function<bool(const QUrl&)>;

    static inline const QColor kLinkColor{50, 28, 255};
    static inline const QColor kVisitedColor{128, 0, 128};

    // Without a target the label opens its own text.
    explicit LinkLabel(QWidget* parent = nullptr);
    // Shows `address` and links to it; an address with an at sign is a mail address
    // and gets "mailto:" in front.
    LinkLabel(const QString& address, QWidget* parent);
    // The same with the string-table entry `stringId` as the address.
    LinkLabel(int stringId, QWidget* parent);

    const QString& Target() const { return m_target; }
    const QColor& linkColor() const { return m_linkColor; }

    // Opens the target (or the label's text); beeps when that fails and takes the
    // visited colour when it succeeds. False when nothing was opened.
    bool OpenLink();

    // Replaces the desktop's URL handler for every label, so that tests open nothing;
    // an empty function restores the desktop's handler.
    static void SetUrlOpener(UrlOpener opener);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setLinkColor(const QColor& color);

    QString m_target;
    QColor m_linkColor = kLinkColor;
};
