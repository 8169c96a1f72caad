#pragma once

#include "platform/WindowHost.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace zentar::test {

// A window host for tests: keeps the windows shown (offscreen), the status text and the state of
// the login-driven menus (rights string of the ten menus, Egyéb).
class TestHost : public platform::WindowHost {
public:
    void showChild(QWidget* window) override;
    void showWindow(QWidget* window) override;
    int showModal(QDialog* dialog) override;
    void setStatusText(const QString& text) override { status = text; }
    QString statusText() const override { return status; }
    void applyRights(const QString& rights) override;
    void showMaintenanceOnly() override;
    void hideRightsMenus() override;

    // The last window shown of type T, or nullptr.
    template <typename T>
    T* last() const
    {
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            if (auto* w = qobject_cast<T*>(it->data()))
                return w;
        }
        return nullptr;
    }
    void closeAll();

    QString status;
    QString visibleRights = QStringLiteral("0000000000"); // '1' where the N-th menu is visible
    bool otherVisible = true; // Egyéb
    std::vector<QPointer<QWidget>> windows;
    // Called for a modal dialog instead of exec(); returns the dialog's result. Default: reject.
    std::function<int(QDialog*)> onModal;
};

} // namespace zentar::test
