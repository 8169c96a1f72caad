#pragma once

#include "db/RowSet.h"
#include "registers/InventoryBookSession.h"

#include <QWidget>

class QTabWidget;

namespace zentar::platform {
class AppContext;
}

namespace zentar::registers {

class AccessionTab;
class InventoryEntryTab;
class InventoryListTab;

// "Leltárkönyv" (child window): the individual inventory book, table lkonyv, in three tabs —
// "Adatbevitel" (find and edit lines), "Lista" (list, print, export) and "Gyarapodási jegyzék"
// (the year's accession list and its breakdown by location).
class InventoryBookWindow : public QWidget {
    Q_OBJECT
public:
    explicit InventoryBookWindow(platform::AppContext& context, QWidget* parent = nullptr);

    db::RowSet& rows() { return rows_; }
    QTabWidget* tabs() const { return tabs_; }
    InventoryEntryTab* entryTab() const { return entry_; }
    InventoryListTab* listTab() const { return list_; }
    AccessionTab* accessionTab() const { return accession_; }

private:
    db::RowSet rows_;
    InventoryBookSession session_;
    QTabWidget* tabs_;
    InventoryEntryTab* entry_;
    InventoryListTab* list_;
    AccessionTab* accession_;
};

} // namespace zentar::registers
