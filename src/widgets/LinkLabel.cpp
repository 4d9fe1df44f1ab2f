#include "widgets/LinkLabel.h"

#include "widgets/DialogText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPalette>
#include <QUrl>

namespace {

LinkLabel::UrlOpener& Opener()
{
    static LinkLabel::UrlOpener opener;
    return opener;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    // Addresses are shown as they are, never read as markup.
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(false);
    setLinkColor(kLinkColor);
}

LinkLabel::LinkLabel(const QString& address, QWidget* parent)
    : LinkLabel(parent)
{
    setText(address);
    m_target = address.contains(QLatin1Char('@')) ? QStringLiteral("mailto:") + address : address;
}

LinkLabel::LinkLabel(int stringId, QWidget* parent)
    : LinkLabel(DialogText::FromTable(stringId), parent)
{}

bool LinkLabel::OpenLink()
{
    const QString target = m_target.isEmpty() ? text() : m_target;
    if (target.isEmpty())
        return false;
    // A bare "www.…" address means the web, as the desktop shell reads it.
    const QUrl url = QUrl::fromUserInput(target);
    const bool opened = url.isValid() && (Opener() ? Opener()(url) : QDesktopServices::openUrl(url));
    if (!opened) {
        QApplication::beep();
        return false;
    }
    setLinkColor(kVisitedColor);
    return true;
}

void LinkLabel::SetUrlOpener(UrlOpener opener)
{
    Opener() = std::move(opener);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        OpenLink();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::setLinkColor(const QColor& color)
{
    m_linkColor = color;
    QPalette pal = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::WindowText, color);
    setPalette(pal);
    update();
}
