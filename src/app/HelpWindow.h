#pragma once

#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <functional>

class QAction;
class QTextBrowser;

// The installed help pages in a window of the program: links between the pages are
// followed inside it, with "Zurück", "Vor" and "Inhalt" (the start page); web and mail
// links go to the desktop.
class HelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Opens a link outside the program; true when it could be opened.
    using UrlOpener = std::function<bool(const QUrl&)>;

    // Shows `startPage` (the full path of an HTML file).
    explicit HelpWindow(const QString& startPage, QWidget* parent = nullptr);

    // The help window of `owner`: the one it already has, brought to the front, or a new
    // one on `startPage`. nullptr, and no window, when `startPage` cannot be read.
    static HelpWindow* ShowFor(QWidget* owner, const QString& startPage);

    // What to tell the user when the help at `startPage` is missing.
    static QString MissingHelpText(const QString& startPage);

    // Replaces the desktop's URL handler for every help window, so that tests open
    // nothing; an empty function restores the desktop's handler.
    static void SetUrlOpener(UrlOpener opener);

    QTextBrowser* Browser() const { return m_browser; }
    QAction* BackAction() const { return m_back; }
    QAction* ForwardAction() const { return m_forward; }
    QAction* HomeAction() const { return m_home; }
    QUrl Source() const;

    // Follows `link` as a click would: relative to the page shown.
    void FollowLink(const QUrl& link);
    void GoHome();

private:
    void PlaceBeside(const QWidget* other);

    QTextBrowser* m_browser;
    QAction* m_back;
    QAction* m_forward;
    QAction* m_home;
    QUrl m_startPage;
};
