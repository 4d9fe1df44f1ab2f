#pragma once

#include <QWidget>

#include <string>
#include <vector>

class AppSettings;
class QListWidget;

// "Grafik": the picture set for the main window's backgrounds, from the installed sets.
class PicturePage : public QWidget
{
    Q_OBJECT

public:
    // `setNames` are the installed sets in the list's order (Windows-1250).
    PicturePage(AppSettings& settings, std::vector<std::string> setNames, QWidget* parent = nullptr);

    QListWidget* setList() const { return m_list; }

    // `pictureSet` becomes the selected set's name, as the list spells it.
    void Collect();

private:
    AppSettings& m_settings;
    std::vector<std::string> m_setNames;
    QListWidget* m_list;
};
