#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentar"));
    QApplication::setOrganizationName(QStringLiteral("Zentar"));
    zentar::platform::QtDialogs dialogs;
    return zentar::app::run(dialogs, zentar::app::defaultWorkFolder());
}
