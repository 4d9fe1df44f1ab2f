#pragma once

#include <QString>

#include <functional>

class QWidget;

// A plain message box with the product name as caption and an OK button. Tests replace
// the box with an observer, so that a message neither blocks nor goes unseen.
class ProgramMessage
{
public:
    using Observer = std::function<void(const QString& text)>;

    static void Show(QWidget* parent, const QString& text);
    static void ShowFromTable(QWidget* parent, int stringId);

    // While an observer is set, messages go to it instead of a box; an empty one ends that.
    static void SetObserverForTesting(Observer observer);
};
