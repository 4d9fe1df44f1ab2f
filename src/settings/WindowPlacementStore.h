#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class QSettings;

// Remembers where a window was and how wide the columns of its lists were, per user,
// in the user's configuration ("tvr SOFTWARE"/"Tippwerk", one group per user name).
// Every operation opens the store afresh; none keeps it open between calls.
//
// A placement is the window's frame position and its client size (pos() and size()):
// restored with move() and resize() before the window is shown, that is the pair that
// comes back unchanged on X11, where the frame is unknown until the window manager
// has decorated the window. A maximized window is stored as 0, 0, 0, 0.
class WindowPlacementStore
{
public:
    struct Placement
    {
        int left = 0;
        int width = 0;
        int top = 0;
        int height = 0;
        bool maximized = false;

        bool operator==(const Placement&) const = default;
    };

    // `section` is the user's name (Windows-1250), `name` the prefix of the value names.
    WindowPlacementStore(std::string section, std::string name, QWidget* window, int defaultLeft,
                         int defaultWidth, int defaultTop, int defaultHeight);

    // The three windows that remember their placement, with their defaults.
    static WindowPlacementStore ForMainWindow(const std::string& userName, QWidget* window);
    static WindowPlacementStore ForLessonDialog(const std::string& userName, QWidget* window);
    static WindowPlacementStore ForResultsDialog(const std::string& userName, QWidget* window);

    // Used when the user changes.
    void SetSection(const std::string& userName);
    const std::string& Section() const { return m_section; }
    const std::string& Name() const { return m_name; }

    // The placement to use: the defaults with every stored value that can be read put
    // over them. Stored width and height 0 and 0 give the defaults shown maximized;
    // nothing stored at all (a first run, a store that cannot be opened) the defaults
    // shown normal.
    Placement LoadPlacement() const;

    // Applies the stored placement to the window and shows it. False without a window.
    bool RestorePlacement();
    // The same for a window not shown yet: its first show() uses the placement.
    bool PrepareCreate();
    // Stores the window's current placement. False without a window or store.
    bool SavePlacement();

    // name + "_Column" + suffix + index, from index 0 up to the first that cannot be
    // read. False when the store cannot be opened (the widths come back empty).
    bool LoadColumnWidths(const std::string& suffix, std::vector<int>& widths) const;
    // Writes every width; values of higher indexes from earlier runs stay.
    bool SaveColumnWidths(const std::string& suffix, const std::vector<int>& widths) const;

    // Puts a placement on a window: a normal rectangle lying entirely off every screen
    // is replaced by `fallback`. Shows the window when `show` is set.
    static void ApplyToWindow(QWidget& window, const Placement& placement, const Placement& fallback,
                              bool show);
    // The placement to store for a window: 0, 0, 0, 0 while it is maximized.
    static Placement PlacementOf(const QWidget& window);

    // The group a user's values live in: the name with '%', '/' and '\' escaped, so
    // that no name reaches another user's group or a subgroup.
    static QString GroupFor(const std::string& userName);

    // Tests keep the store in an INI file of their own; empty restores the user's store.
    static void SetSettingsFileForTesting(const std::string& path);

private:
    std::unique_ptr<QSettings> OpenStore() const;
    QString ValueName(const std::string& suffix) const;
    Placement Defaults() const;

    std::string m_section;
    std::string m_name;
    QPointer<QWidget> m_window;
    int m_defaultLeft;
    int m_defaultWidth;
    int m_defaultTop;
    int m_defaultHeight;
};
