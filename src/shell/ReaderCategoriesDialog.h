#pragma once

#include "db/RowSet.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTabWidget;

namespace zentar::platform {
class AppContext;
class RowSetGrid;
} // namespace zentar::platform

namespace zentar::shell {

class RowFields;

// "Olvasói státuszok beállítása": reader categories, occupations and workplaces.
class ReaderCategoriesDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReaderCategoriesDialog(platform::AppContext& context, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    db::RowSet& categories() { return categories_; }
    db::RowSet& occupations() { return occupations_; }
    db::RowSet& workplaces() { return workplaces_; }

    // The occupation tab's buttons.
    void newOccupation();
    bool saveOccupation();
    bool deleteOccupation();

private:
    QWidget* categoriesTab();
    QWidget* occupationsTab();
    QWidget* workplacesTab();

    platform::AppContext& context_;
    db::RowSet categories_;
    db::RowSet occupations_;
    db::RowSet workplaces_;
    QTabWidget* tabs_;
    RowFields* occupationFields_ = nullptr;
    QLineEdit* occupationEdit_ = nullptr;
    QStringList departments_;
};

} // namespace zentar::shell
