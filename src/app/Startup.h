#pragma once

#include "db/Connection.h"
#include "platform/AppContext.h"

#include <QString>

namespace zentar::platform {
struct ModuleRegistry;
}

namespace zentar::app {

// The working folder: $ZENTAR_HOME, else the platform's application-data folder
// (~/.local/share/Zentar on Linux, C:\ProgramData\Zentar on Windows).
QString defaultWorkFolder();

// The database to open: the first line of "zentar.sys" in the working folder. When the file is
// missing (or its first line empty) the database is "ZENTAR3.FDB" in the working folder and
// "zentar.sys" is written naming it. User and password come from ZENTAR_DB_USER and
// ZENTAR_DB_PASSWORD when set (for a server with other credentials).
db::ConnectionSettings resolveDatabase(const platform::Folders& folders);

// Opens (creating on first start) the library database. On failure shows the engine's message
// through the dialogs facade and returns false.
bool openDatabase(db::Connection& connection, const platform::Folders& folders,
                  const platform::ModuleRegistry& modules, platform::Dialogs& dialogs);

// The whole program: opens the database, shows the main window, runs the event loop.
// Returns the process exit status (non-zero when the database cannot be opened).
int run(platform::Dialogs& dialogs, const QString& workFolder);

} // namespace zentar::app
