#pragma once

#include "registers/InventoryBook.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zentar::platform {
class RowSetGrid;
}

namespace zentar::registers {

struct InventoryBookSession;

// Tab "Lista": lists the lines of an accession lot, an inventory-number range or a deletion lot,
// optionally of one location, shows the three totals, prints the list in the portrait and the
// landscape layout and exports the whole book.
class InventoryListTab : public QWidget {
    Q_OBJECT
public:
    InventoryListTab(InventoryBookSession& session, QWidget* parent = nullptr);

    // Runs the list; false when the input was refused (a message was shown) or the list failed.
    bool list();
    inventorybook::Totals totals() const { return totals_; }
    void previewPortrait();
    void previewLandscape();
    // Writes "leltarkonyv.txt" into the working folder and says where.
    void exportBook();
    platform::RowSetGrid* grid() const { return grid_; }

signals:
    void exitRequested();

private:
    void updateRangeField();
    void showTotals();
    QString heading() const;

    InventoryBookSession& session_;
    QComboBox* type_;
    QComboBox* criterion_;
    QLineEdit* value_;
    QLineEdit* to_;
    QComboBox* location_;
    QRadioButton* byNumber_;
    QRadioButton* byTitle_;
    QLabel* rowsLabel_;
    QLabel* unitsLabel_;
    QLabel* valueLabel_;
    platform::RowSetGrid* grid_;
    inventorybook::Totals totals_;
};

} // namespace zentar::registers
