#include "shell/MainWindow.h"

#include "db/DbError.h"
#include "platform/MenuActions.h"
#include "shell/MainMenu.h"

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QLabel>

namespace zentar::shell {

namespace {

// The client area: the product name and a few words about the program behind the windows.
class ClientArea : public QMdiArea {
public:
    using QMdiArea::QMdiArea;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QMdiArea::paintEvent(event);
        QPainter painter(viewport());
        const QRect area = viewport()->rect().adjusted(40, 40, -40, -40);
        QFont title = font();
        title.setPointSize(28);
        title.setBold(true);
        painter.setFont(title);
        painter.setPen(QColor(0xF0, 0xF0, 0xF0));
        const QRect titleRect(area.left(), area.top() + area.height() / 3 - 60, area.width(), 60);
        painter.drawText(titleRect, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Zentar"));
        QFont body = font();
        body.setPointSize(12);
        painter.setFont(body);
        const QRect textRect(area.left(), titleRect.bottom() + 16, area.width(), area.height());
        painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         QStringLiteral("Integrált Könyvtári Rendszer\n\n"
                                        "Katalógus és példányok, leltárkönyvek, olvasók, kölcsönzés, "
                                        "előjegyzés, felszólítók, időszaki kiadványok, régi könyvek, "
                                        "szerzeményezés, könyvtárközi kölcsönzés és statisztikák "
                                        "egy könyvtár számára.\n\n"
                                        "Bejelentkezés: Zentar menü, Bejelentkezés."));
    }
};

} // namespace

MainWindow::MainWindow(platform::AppContext& context, const platform::WindowRegistry& windows, QWidget* parent)
    : QMainWindow(parent), context_(context)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(caption());
    mdi_ = new ClientArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    mdi_->setBackground(QColor(0x3A, 0x55, 0x7A));
    setCentralWidget(mdi_);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusText"));
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(true);

    buildMenu(windows);
    context_.setHost(this);
    resize(1280, 860);
}

MainWindow::~MainWindow()
{
    if (context_.hasHost() && &context_.host() == this)
        context_.setHost(nullptr);
}

void MainWindow::buildMenu(const platform::WindowRegistry& windows)
{
    using K = MenuEntry::Kind;
    QMenu* top = nullptr;
    QMenu* current = nullptr;
    for (const MenuEntry& entry : mainMenu()) {
        switch (entry.kind) {
        case K::TopMenu:
            top = menuBar()->addMenu(QString::fromUtf8(entry.caption));
            top->setObjectName(QString::fromLatin1(entry.objectName));
            top->menuAction()->setObjectName(QString::fromLatin1(entry.objectName) + QStringLiteral("Action"));
            current = top;
            break;
        case K::SubMenu:
            current = top->addMenu(QString::fromUtf8(entry.caption));
            current->setObjectName(QString::fromLatin1(entry.objectName));
            break;
        case K::EndSubMenu:
            current = top;
            break;
        case K::Separator:
            current->addSeparator();
            break;
        case K::Item: {
            QAction* action = current->addAction(QString::fromUtf8(entry.caption));
            const QString name = QString::fromLatin1(entry.objectName);
            action->setObjectName(name);
            if (entry.hint) {
                action->setStatusTip(QString::fromUtf8(entry.hint));
                action->setToolTip(QString::fromUtf8(entry.hint));
            }
            if (name == QLatin1String(menu::Logout)) {
                connect(action, &QAction::triggered, this, &MainWindow::logout);
            } else if (name == QLatin1String(menu::Exit)) {
                connect(action, &QAction::triggered, this, &QWidget::close);
            } else if (const auto* opener = windows.find(name)) {
                const platform::WindowRegistry::Opener copy = *opener;
                connect(action, &QAction::triggered, this, [this, copy] { open(copy); });
            } else {
                // Not available (yet): shown, but cannot be chosen.
                action->setEnabled(false);
            }
            break;
        }
        }
    }
    if (top)
        top->menuAction()->setVisible(true);
}

void MainWindow::open(const platform::WindowRegistry::Opener& opener)
{
    try {
        opener(context_);
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
    }
}

void MainWindow::logout()
{
    // Open windows stay open and the login-state values stay as they were.
    hideRightsMenus();
    context_.login.setLoggedIn(false);
}

QAction* MainWindow::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

QMenu* MainWindow::topMenu(const QString& objectName) const
{
    return findChild<QMenu*>(objectName);
}

bool MainWindow::isMenuVisible(const QString& objectName) const
{
    const QMenu* menu = topMenu(objectName);
    return menu && menu->menuAction()->isVisible();
}

void MainWindow::setMenuVisible(const char* objectName, bool visible)
{
    if (QMenu* menu = topMenu(QString::fromLatin1(objectName)))
        menu->menuAction()->setVisible(visible);
}

void MainWindow::applyStartVisibility()
{
    for (const char* name : menu::RightsMenus)
        setMenuVisible(name, false);
    setMenuVisible(menu::MenuOther, true);
}

void MainWindow::applyRights(const QString& rights)
{
    for (int i = 0; i < 10; ++i)
        setMenuVisible(menu::RightsMenus[i], i < rights.size() && rights.at(i) == QLatin1Char('1'));
    setMenuVisible(menu::MenuOther, true);
}

void MainWindow::showMaintenanceOnly()
{
    for (const char* name : menu::RightsMenus)
        setMenuVisible(name, QLatin1String(name) == QLatin1String(menu::MenuMaintenance));
    setMenuVisible(menu::MenuOther, false);
}

void MainWindow::hideRightsMenus()
{
    for (const char* name : menu::RightsMenus)
        setMenuVisible(name, false);
    setMenuVisible(menu::MenuOther, false);
}

void MainWindow::showChild(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = mdi_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
    window->show();
}

void MainWindow::showWindow(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setParent(this, Qt::Window);
    window->show();
}

int MainWindow::showModal(QDialog* dialog)
{
    if (!dialog->parent())
        dialog->setParent(this, Qt::Dialog);
    return dialog->exec();
}

void MainWindow::setStatusText(const QString& text)
{
    status_->setText(text);
}

QString MainWindow::statusText() const
{
    return status_->text();
}

} // namespace zentar::shell
