#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace zentar::platform {

// What the main window offers the working windows: a place to show them, the status bar and the
// menu visibility that login drives. Tests use a host of their own.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    // A child window inside the main frame; it frees itself when closed.
    virtual void showChild(QWidget* window) = 0;
    // An ordinary top-level window owned by the program; frees itself when closed.
    virtual void showWindow(QWidget* window) = 0;
    // A modal dialog; returns its result. The caller owns the dialog.
    virtual int showModal(QDialog* dialog) = 0;

    virtual void setStatusText(const QString& text) = 0;
    virtual QString statusText() const = 0;

    // Position N of `rights` ('1' shows, anything else hides) controls the N-th of the ten
    // rights-controlled menus; Egyéb is shown.
    virtual void applyRights(const QString& rights) = 0;
    // Only Karbantartás among the ten (the librarian table is empty); Egyéb hidden.
    virtual void showMaintenanceOnly() = 0;
    // The ten rights-controlled menus and Egyéb hidden (logout, failed login).
    virtual void hideRightsMenus() = 0;
};

} // namespace zentar::platform
