#pragma once

#include "db/Schema.h"

#include <QHash>
#include <QString>

#include <functional>

namespace zentar::platform {

class AppContext;

// Menu items and the windows they open: each folder registers an opener under the objectName
// of the menu action it serves (see MenuActions.h). The main window enables exactly the items
// that have an opener.
class WindowRegistry {
public:
    using Opener = std::function<void(AppContext&)>;

    void add(const QString& actionName, Opener opener) { openers_.insert(actionName, std::move(opener)); }
    const Opener* find(const QString& actionName) const
    {
        const auto it = openers_.constFind(actionName);
        return it == openers_.constEnd() ? nullptr : &it.value();
    }
    bool contains(const QString& actionName) const { return openers_.contains(actionName); }

private:
    QHash<QString, Opener> openers_;
};

// What the folders contribute to the program: tables (schema.sql plus seeders) and windows.
struct ModuleRegistry {
    db::SchemaRegistry schema;
    WindowRegistry windows;
};

} // namespace zentar::platform
