#pragma once

#include "registers/InventoryBook.h"

#include <QWidget>

#include <functional>

class QLabel;
class QSpinBox;
class QTableWidget;

namespace zentar::platform {
class AppContext;
}

namespace zentar::registers {

// Tab "Gyarapodási jegyzék": the year's accession list into "gyjegyz.txt", and the accessions of
// the year's lots broken down by location.
class AccessionTab : public QWidget {
    Q_OBJECT
public:
    // `documentType` gives the document type chosen on the data-entry tab's search panel.
    AccessionTab(platform::AppContext& context, std::function<QString()> documentType, QWidget* parent = nullptr);

    int year() const;
    void setYear(int year);
    // Writes the accession list; false when it failed (the message was shown).
    bool writeAccessionList();
    void fillBreakdown();
    void printBreakdown();
    QTableWidget* breakdownGrid() const { return grid_; }

signals:
    void exitRequested();

private:
    platform::AppContext& context_;
    std::function<QString()> documentType_;
    QSpinBox* year_;
    QLabel* count_;
    QTableWidget* grid_;
};

} // namespace zentar::registers
