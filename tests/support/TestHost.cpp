#include "support/TestHost.h"

#include <QDialog>

namespace zentar::test {

void TestHost::showChild(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    windows.emplace_back(window);
}

void TestHost::showWindow(QWidget* window)
{
    showChild(window);
}

int TestHost::showModal(QDialog* dialog)
{
    windows.emplace_back(dialog);
    if (onModal)
        return onModal(dialog);
    return QDialog::Rejected;
}

void TestHost::applyRights(const QString& rights)
{
    visibleRights.clear();
    for (int i = 0; i < 10; ++i)
        visibleRights += (i < rights.size() && rights.at(i) == QLatin1Char('1')) ? QLatin1Char('1') : QLatin1Char('0');
    otherVisible = true;
}

void TestHost::showMaintenanceOnly()
{
    visibleRights = QStringLiteral("0000000001");
    otherVisible = false;
}

void TestHost::hideRightsMenus()
{
    visibleRights = QStringLiteral("0000000000");
    otherVisible = false;
}

void TestHost::closeAll()
{
    for (auto& w : windows) {
        if (w && w->testAttribute(Qt::WA_DeleteOnClose))
            delete w.data();
    }
    windows.clear();
}

} // namespace zentar::test
