#pragma once

#include "platform/AppContext.h"
#include "platform/ModuleRegistry.h"
#include "platform/WindowHost.h"

#include <QMainWindow>

class QMdiArea;
class QLabel;

namespace zentar::shell {

// The frame of the program: a maximised multiple-document window with the main menu and a
// one-part status bar. It shows the working windows and drives the menus that login controls.
class MainWindow : public QMainWindow, public platform::WindowHost {
    Q_OBJECT
public:
    MainWindow(platform::AppContext& context, const platform::WindowRegistry& windows,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    static QString caption() { return QStringLiteral("Zentar Integrált Könyvtári Rendszer egyfelhasználós verzió"); }

    // Start-up visibility: the ten rights-controlled menus hidden, Egyéb shown.
    void applyStartVisibility();

    QAction* action(const QString& objectName) const;
    QMenu* topMenu(const QString& objectName) const;
    bool isMenuVisible(const QString& objectName) const;
    QMdiArea* mdiArea() const { return mdi_; }

    // WindowHost
    void showChild(QWidget* window) override;
    void showWindow(QWidget* window) override;
    int showModal(QDialog* dialog) override;
    void setStatusText(const QString& text) override;
    QString statusText() const override;
    void applyRights(const QString& rights) override;
    void showMaintenanceOnly() override;
    void hideRightsMenus() override;

private:
    void buildMenu(const platform::WindowRegistry& windows);
    void open(const platform::WindowRegistry::Opener& opener);
    void logout();
    void setMenuVisible(const char* objectName, bool visible);

    platform::AppContext& context_;
    QMdiArea* mdi_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace zentar::shell
