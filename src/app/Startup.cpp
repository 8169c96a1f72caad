#include "app/Startup.h"

#include "app/Modules.h"
#include "db/Database.h"
#include "platform/ModuleRegistry.h"
#include "platform/TextFile.h"
#include "shell/DeleteConfirmDialog.h"
#include "shell/InfoWindows.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace zentar::app {

QString defaultWorkFolder()
{
    const QString home = qEnvironmentVariable("ZENTAR_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
#ifdef Q_OS_WIN
    const QString programData = qEnvironmentVariable("ProgramData", QStringLiteral("C:\\ProgramData"));
    return QDir(programData).filePath(QStringLiteral("Zentar"));
#else
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Zentar"));
#endif
}

db::ConnectionSettings resolveDatabase(const platform::Folders& folders)
{
    db::ConnectionSettings settings;
    const QString sysFile = folders.workFile(QStringLiteral("zentar.sys"));
    bool ok = false;
    const QStringList lines = platform::readTextFile(sysFile, &ok);
    if (ok && !lines.isEmpty() && !lines.first().trimmed().isEmpty()) {
        settings.databasePath = lines.first().trimmed();
    } else {
        settings.databasePath = folders.workFile(QStringLiteral("ZENTAR3.FDB"));
        QStringList written = lines;
        if (written.isEmpty())
            written << settings.databasePath;
        else
            written[0] = settings.databasePath;
        platform::writeTextFile(sysFile, written);
    }
    if (qEnvironmentVariableIsSet("ZENTAR_DB_USER"))
        settings.user = qEnvironmentVariable("ZENTAR_DB_USER");
    if (qEnvironmentVariableIsSet("ZENTAR_DB_PASSWORD"))
        settings.password = qEnvironmentVariable("ZENTAR_DB_PASSWORD");
    return settings;
}

bool openDatabase(db::Connection& connection, const platform::Folders& folders,
                  const platform::ModuleRegistry& modules, platform::Dialogs& dialogs)
{
    try {
        QDir().mkpath(folders.work);
        db::openLibraryDatabase(connection, resolveDatabase(folders), modules.schema);
        return true;
    } catch (const db::DbError& error) {
        std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
        dialogs.error(error.message());
        return false;
    }
}

int run(platform::Dialogs& dialogs, const QString& workFolder)
{
    platform::ModuleRegistry modules;
    registerAllModules(modules);

    platform::Folders folders{workFolder, workFolder};
    db::Connection connection;
    // 1. The main window opens the connection as it loads; without a database nothing can start.
    if (!openDatabase(connection, folders, modules, dialogs))
        return 1;

    // The licence text the Súgó menu shows, written on first start.
    shell::ensureLicenceFile(folders);
    platform::Clock clock;
    platform::AppContext context(connection, clock, dialogs, folders);
    shell::MainWindow window(context, modules.windows);
    // 2. The rights-controlled menus hidden, Egyéb shown.
    window.applyStartVisibility();
    // 3. The connection is open.
    window.setStatusText(QStringLiteral("Adatbázis kapcsolat rendben."));
    // 4. The shared delete confirmation, reused by every window.
    shell::DeleteConfirmDialog deleteConfirmation(&window);
    if (auto* qtDialogs = dynamic_cast<platform::QtDialogs*>(&dialogs)) {
        qtDialogs->setParent(&window);
        qtDialogs->setDeleteConfirmer([&deleteConfirmation] { return deleteConfirmation.ask(); });
    }
    window.showMaximized();
    // 5. Until the main window closes.
    const int status = QApplication::exec();
    if (auto* qtDialogs = dynamic_cast<platform::QtDialogs*>(&dialogs)) {
        qtDialogs->setDeleteConfirmer({});
        qtDialogs->setParent(nullptr);
    }
    return status;
}

} // namespace zentar::app
