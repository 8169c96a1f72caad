#pragma once

#include <QMdiSubWindow>
#include <QWidget>

namespace zentar::platform {

// Closes a working window: its frame inside the main window when it is a child window there,
// the window itself otherwise (top-level windows, dialogs, tests).
inline void closeWindow(QWidget* window)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->close();
    else
        window->close();
}

} // namespace zentar::platform
