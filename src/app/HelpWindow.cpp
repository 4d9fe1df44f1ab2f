#include "app/HelpWindow.h"

#include "app/HelpBrowser.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace {

constexpr int kProductName = 128;

// The pages' own style sheet is written for web browsers; this is its look in the part of
// CSS that Qt's rich text understands (no flex boxes, no rounded corners).
const char* const kPageStyle = R"css(
body { font-family: "Liberation Sans", "DejaVu Sans", Arial, sans-serif; font-size: 15px; color: #222222; }
div[data-element="nav"] { background-color: #3a4a5c; line-height: 160%; }
div[data-element="nav"] a { color: #ffffff; background-color: #56697f; font-weight: bold; text-decoration: none; }
div[data-element="nav"] a[aria-current="page"] { color: #3a4a5c; background-color: #f4f4f1; }
h1 { color: #3a4a5c; font-size: 26px; }
h2 { color: #3a4a5c; font-size: 20px; margin-top: 18px; }
h3 { font-size: 17px; }
a { color: #2a5db0; }
table { border-collapse: collapse; border: 1px solid #d6d6d0; margin-top: 6px; margin-bottom: 6px; }
th { background-color: #eceee9; border: 1px solid #d6d6d0; padding: 4px; }
td { border: 1px solid #d6d6d0; padding: 4px; }
.ui, .menu { font-weight: bold; color: #2c3e50; }
.meldung { font-style: italic; }
code, kbd { font-family: "Liberation Mono", "DejaVu Sans Mono", monospace; }
kbd { background-color: #eeeeea; }
div.hinweis { background-color: #eef3f9; margin-top: 8px; margin-bottom: 8px; }
div[data-element="footer"] { color: #666666; font-size: 13px; margin-top: 14px; }
)css";

HelpWindow::UrlOpener& Opener()
{
    static HelpWindow::UrlOpener opener;
    return opener;
}

bool IsPage(const QString& path)
{
    const QFileInfo file(path);
    const QString suffix = file.suffix().toLower();
    return file.isFile() && file.isReadable() &&
           (suffix == QLatin1String("html") || suffix == QLatin1String("htm"));
}

} // namespace

HelpWindow::HelpWindow(const QString& startPage, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_startPage(QUrl::fromLocalFile(startPage))
{
    setWindowTitle(DialogText::FromTable(kProductName) + QStringLiteral(" – Hilfe"));
    setObjectName(QStringLiteral("HelpWindow"));

    m_browser = new HelpBrowser(this);
    // Every link comes to FollowLink: pages stay here, the rest goes to the desktop.
    m_browser->setOpenLinks(false);
    m_browser->setFrameShape(QFrame::NoFrame);
    m_browser->document()->setDefaultStyleSheet(QString::fromUtf8(kPageStyle));
    setCentralWidget(m_browser);

    QStyle* look = style();
    m_back = new QAction(look->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Zurück"), this);
    m_back->setShortcut(QKeySequence::Back);
    m_back->setEnabled(false);
    m_forward = new QAction(look->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Vor"), this);
    m_forward->setShortcut(QKeySequence::Forward);
    m_forward->setEnabled(false);
    m_home = new QAction(look->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Inhalt"), this);
    m_home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    m_home->setToolTip(QStringLiteral("Startseite"));
    auto* close = new QAction(QStringLiteral("Schließen"), this);
    close->setShortcut(QKeySequence::Close);
    addAction(close);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addAction(m_back);
    bar->addAction(m_forward);
    bar->addSeparator();
    bar->addAction(m_home);
    setContextMenuPolicy(Qt::NoContextMenu);
    DialogFont::Apply(bar);

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_home, &QAction::triggered, this, &HelpWindow::GoHome);
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    statusBar();
    // Where a link leads, before it is clicked: web and mail links leave the program.
    connect(m_browser, qOverload<const QUrl&>(&QTextBrowser::highlighted), this, [this](const QUrl& link) {
        const QUrl target = m_browser->source().resolved(link);
        statusBar()->showMessage(link.isEmpty() || target.isLocalFile() ? QString() : target.toString());
    });

    m_browser->setSource(m_startPage);
    // A comfortable reading size, but never more than the screen has room for.
    QSize size(780, 640);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
}

HelpWindow* HelpWindow::ShowFor(QWidget* owner, const QString& startPage)
{
    if (!IsPage(startPage))
        return nullptr;
    HelpWindow* window =
        owner ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) {
        window = new HelpWindow(startPage, owner);
        if (owner)
            window->PlaceBeside(owner->window());
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void HelpWindow::PlaceBeside(const QWidget* other)
{
    // Right of the other window, so that both can be read; shifted back onto the screen
    // where there is no room, then rather over the other window than off the screen.
    const QScreen* screen = other->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = other->frameGeometry();
    // This window is not shown yet; its frame will be as wide as the other's.
    const QSize outer = size() + beside.size() - other->size();
    const int x = std::max(room.left(), std::min(beside.right() + 8, room.right() + 1 - outer.width()));
    const int y = std::max(room.top(), std::min(beside.top(), room.bottom() + 1 - outer.height()));
    move(x, y);
}

QString HelpWindow::MissingHelpText(const QString& startPage)
{
    QString text = QStringLiteral("Die Hilfe ist nicht installiert.");
    if (!startPage.isEmpty())
        text += QStringLiteral(" Es fehlt die Datei\n") + QDir::toNativeSeparators(startPage);
    return text;
}

void HelpWindow::SetUrlOpener(UrlOpener opener)
{
    Opener() = std::move(opener);
}

QUrl HelpWindow::Source() const
{
    return m_browser->source();
}

void HelpWindow::FollowLink(const QUrl& link)
{
    const QUrl target = m_browser->source().resolved(link);
    if (target.isLocalFile()) {
        const QString path = target.toLocalFile();
        if (IsPage(path)) {
            m_browser->setSource(target);
            return;
        }
        if (!QFileInfo::exists(path)) {
            QApplication::beep();
            return;
        }
    }
    const bool opened = Opener() ? Opener()(target) : QDesktopServices::openUrl(target);
    if (!opened)
        QApplication::beep();
}

void HelpWindow::GoHome()
{
    m_browser->setSource(m_startPage);
}
