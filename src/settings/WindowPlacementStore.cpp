#include "settings/WindowPlacementStore.h"

#include "widgets/ProgramText.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <utility>

namespace {

const QString kOrganisation = QStringLiteral("tvr SOFTWARE");
const QString kApplication = QStringLiteral("Tippwerk");

QString& TestFile()
{
    static QString path;
    return path;
}

// QSettings reads '/' and '\' in a key as group separators; '%' is escaped too so
// that the escaping cannot be forged.
QString EscapedKey(const QString& key)
{
    QString escaped;
    escaped.reserve(key.size());
    for (const QChar c : key) {
        if (c == u'%')
            escaped += QStringLiteral("%25");
        else if (c == u'/')
            escaped += QStringLiteral("%2F");
        else if (c == u'\\')
            escaped += QStringLiteral("%5C");
        else
            escaped += c;
    }
    return escaped;
}

// A stored value as a 32-bit integer; false when it is missing or no such number.
bool ReadInt(const QSettings& settings, const QString& key, int& value)
{
    const QVariant stored = settings.value(key);
    if (!stored.isValid())
        return false;
    bool ok = false;
    const int number = stored.toString().trimmed().toInt(&ok);
    if (ok)
        value = number;
    return ok;
}

// Whether any part of the rectangle lies on a screen. In 64 bits, so that corrupt
// stored values cannot overflow; an empty or negative size is on no screen.
bool OnSomeScreen(const WindowPlacementStore::Placement& p)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return true; // nothing to judge by
    if (p.width <= 0 || p.height <= 0)
        return false;
    const long long right = static_cast<long long>(p.left) + p.width;
    const long long bottom = static_cast<long long>(p.top) + p.height;
    for (const QScreen* screen : screens) {
        const QRect area = screen->geometry();
        const long long areaRight = static_cast<long long>(area.x()) + area.width();
        const long long areaBottom = static_cast<long long>(area.y()) + area.height();
        if (p.left < areaRight && right > area.x() && p.top < areaBottom && bottom > area.y())
            return true;
    }
    return false;
}

} // namespace

WindowPlacementStore::WindowPlacementStore(std::string section, std::string name, QWidget* window,
                                           int defaultLeft, int defaultWidth, int defaultTop,
                                           int defaultHeight)
    : m_section(std::move(section))
    , m_name(std::move(name))
    , m_window(window)
    , m_defaultLeft(defaultLeft)
    , m_defaultWidth(defaultWidth)
    , m_defaultTop(defaultTop)
    , m_defaultHeight(defaultHeight)
{}

WindowPlacementStore WindowPlacementStore::ForMainWindow(const std::string& userName, QWidget* window)
{
    return WindowPlacementStore(userName, "mainframe", window, 50, 600, 50, 350);
}

WindowPlacementStore WindowPlacementStore::ForLessonDialog(const std::string& userName, QWidget* window)
{
    return WindowPlacementStore(userName, "lessondlg", window, 30, 600, 30, 300);
}

WindowPlacementStore WindowPlacementStore::ForResultsDialog(const std::string& userName, QWidget* window)
{
    return WindowPlacementStore(userName, "statisticdlg", window, 30, 600, 30, 430);
}

void WindowPlacementStore::SetSection(const std::string& userName)
{
    m_section = userName;
}

void WindowPlacementStore::SetSettingsFileForTesting(const std::string& path)
{
    TestFile() = QString::fromStdString(path);
}

QString WindowPlacementStore::GroupFor(const std::string& userName)
{
    return EscapedKey(ProgramText::ToQString(userName));
}

std::unique_ptr<QSettings> WindowPlacementStore::OpenStore() const
{
    // Without a user there is no group to keep the values in.
    if (m_section.empty())
        return nullptr;
    std::unique_ptr<QSettings> settings;
    if (TestFile().isEmpty())
        settings = std::make_unique<QSettings>(kOrganisation, kApplication);
    else
        settings = std::make_unique<QSettings>(TestFile(), QSettings::IniFormat);
    // Like a key opened with full access: a store that cannot be written is not used.
    if (settings->status() != QSettings::NoError || !settings->isWritable())
        return nullptr;
    settings->beginGroup(GroupFor(m_section));
    return settings;
}

QString WindowPlacementStore::ValueName(const std::string& suffix) const
{
    return EscapedKey(ProgramText::ToQString(m_name + suffix));
}

WindowPlacementStore::Placement WindowPlacementStore::Defaults() const
{
    return {m_defaultLeft, m_defaultWidth, m_defaultTop, m_defaultHeight, false};
}

WindowPlacementStore::Placement WindowPlacementStore::LoadPlacement() const
{
    Placement placement = Defaults();
    int read = 0;
    if (const auto settings = OpenStore()) {
        read += ReadInt(*settings, ValueName("_x"), placement.left);
        read += ReadInt(*settings, ValueName("_cx"), placement.width);
        read += ReadInt(*settings, ValueName("_y"), placement.top);
        read += ReadInt(*settings, ValueName("_cy"), placement.height);
    }
    // Widened so that a corrupt pair such as INT_MAX and 1 cannot overflow. Only a window
    // the user left maximized opens maximized; without anything stored (a first run, a
    // store that cannot be opened) it opens at its default size.
    if (read > 0 && static_cast<long long>(placement.width) + placement.height == 0) {
        placement = Defaults();
        placement.maximized = true;
    }
    if (read == 0)
        placement = Defaults();
    return placement;
}

bool WindowPlacementStore::RestorePlacement()
{
    if (!m_window)
        return false;
    ApplyToWindow(*m_window, LoadPlacement(), Defaults(), true);
    return true;
}

bool WindowPlacementStore::PrepareCreate()
{
    if (!m_window)
        return false;
    ApplyToWindow(*m_window, LoadPlacement(), Defaults(), false);
    return true;
}

bool WindowPlacementStore::SavePlacement()
{
    if (!m_window)
        return false;
    const Placement placement = PlacementOf(*m_window);
    const auto settings = OpenStore();
    if (!settings)
        return false;
    settings->setValue(ValueName("_x"), placement.left);
    settings->setValue(ValueName("_cx"), placement.width);
    settings->setValue(ValueName("_y"), placement.top);
    settings->setValue(ValueName("_cy"), placement.height);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool WindowPlacementStore::LoadColumnWidths(const std::string& suffix, std::vector<int>& widths) const
{
    widths.clear();
    const auto settings = OpenStore();
    if (!settings)
        return false;
    const std::string prefix = "_Column" + suffix;
    int width = 0;
    while (ReadInt(*settings, ValueName(prefix + std::to_string(widths.size())), width))
        widths.push_back(width);
    return true;
}

bool WindowPlacementStore::SaveColumnWidths(const std::string& suffix, const std::vector<int>& widths) const
{
    const auto settings = OpenStore();
    if (!settings)
        return false;
    const std::string prefix = "_Column" + suffix;
    for (std::size_t i = 0; i < widths.size(); ++i)
        settings->setValue(ValueName(prefix + std::to_string(i)), widths[i]);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

void WindowPlacementStore::ApplyToWindow(QWidget& window, const Placement& placement,
                                         const Placement& fallback, bool show)
{
    Placement normal = placement;
    // A window somewhere no screen shows (a monitor since unplugged, a corrupt or
    // negative size) could never be reached again; it opens where a first run would.
    if (!placement.maximized && !OnSomeScreen(placement))
        normal = fallback;

    // A shown window that stays maximized keeps its state: taken away and given back at
    // once, the window manager maximizes the frame again while the contents keep the
    // normal size in between.
    if (placement.maximized && window.isVisible() && window.isMaximized()) {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        return;
    }
    const Qt::WindowStates others =
        window.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen);
    window.setWindowState(others);
    window.move(normal.left, normal.top);
    window.resize(normal.width, normal.height);
    if (placement.maximized)
        window.setWindowState(others | Qt::WindowMaximized);
    if (show)
        window.show();
}

WindowPlacementStore::Placement WindowPlacementStore::PlacementOf(const QWidget& window)
{
    if (window.isMaximized())
        return {0, 0, 0, 0, true};
    return {window.x(), window.width(), window.y(), window.height(), false};
}
