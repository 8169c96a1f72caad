#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/LoginState.h"
#include "platform/Printer.h"
#include "platform/WindowHost.h"

#include <QDir>
#include <QString>

#include <memory>

namespace zentar::db {
class Connection;
}

namespace zentar::platform {

// The folders the program works in. Everything lives in the working folder unless configured.
struct Folders {
    QString work; // $ZENTAR_HOME, else the application-data folder
    QString exports; // text exports; the working folder by default

    QString workFile(const QString& name) const { return QDir(work).filePath(name); }
    QString exportFile(const QString& name) const { return QDir(exports.isEmpty() ? work : exports).filePath(name); }
};

// Everything a window needs from the rest of the program, handed to it by reference.
// Nothing else is global.
class AppContext {
public:
    AppContext(db::Connection& connection, Clock& clock, Dialogs& dialogs, Folders folders)
        : db(connection), clock(clock), dialogs(dialogs), folders(std::move(folders))
    {
    }

    QDate today() const { return clock.today(); }
    // The main window (or a test host). Always set while windows are open.
    WindowHost& host() const { return *host_; }
    void setHost(WindowHost* host) { host_ = host; }
    bool hasHost() const { return host_ != nullptr; }
    // Previews and printing: the desktop printer unless another is installed (tests render to PDF).
    Printer& printer()
    {
        if (!printer_)
            printer_ = std::make_unique<Printer>(*this);
        return *printer_;
    }
    void setPrinter(std::unique_ptr<Printer> printer) { printer_ = std::move(printer); }

    db::Connection& db;
    Clock& clock;
    Dialogs& dialogs;
    Folders folders;
    LoginState login;

private:
    WindowHost* host_ = nullptr;
    std::unique_ptr<Printer> printer_;
};

} // namespace zentar::platform
