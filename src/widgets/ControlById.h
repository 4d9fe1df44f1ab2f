#pragma once

#include <initializer_list>
#include <utility>

class QWidget;

// A dialog's control by its template id, looked up in the dialog's own list of id and
// control; nullptr for an id not in the list.
inline QWidget* ControlById(int id, std::initializer_list<std::pair<int, QWidget*>> controls)
{
    for (const auto& [controlId, control] : controls)
        if (controlId == id)
            return control;
    return nullptr;
}
