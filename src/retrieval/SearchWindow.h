#pragma once

#include "retrieval/CatalogueQuery.h"
#include "retrieval/SearchOutput.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTabWidget;

namespace zentar::platform {
class AppContext;
}

namespace zentar::retrieval {

class HitModel;

// "Keresés: könyv, AV (video), multimédia, hangzó (zene, hangoskönyv), szakdolgozat, disszertáció,
// analitikus kiadvány": finds catalogue records by one criterion, lists the newest acquisitions,
// and turns the hits into the record display, the card text, a printed or a saved list.
// It only reads the database.
class SearchWindow : public QWidget {
    Q_OBJECT
public:
    explicit SearchWindow(platform::AppContext& context, QWidget* parent = nullptr);
    ~SearchWindow() override;

    // " Keresé&s" (also Enter in the search field).
    void runSearch();
    // "Ú&jdonságok".
    void listNewest();
    // " &Megjelenítés": the record display of the selected record in the card editor.
    void showRecord();
    // " Katalógus &cédula formátum" and double click: the card text of every selected row.
    void makeCardText();
    // "  &Nyomtatás": the hit list in the print preview.
    void printList();
    // "Lista &mentése": the hit list as konyv.txt in the export folder.
    void saveList();

    const HitList& hits() const;
    int selectedRecordId() const { return selectedId_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend SearchWindow* openSearchWindow(platform::AppContext& context);
    QWidget* buildSearchTab();
    QWidget* buildPrintTab();
    void loadLocations();
    void criterionChanged();
    void rowClicked(const QModelIndex& index);
    void showHits(HitList hits, const QList<GridColumn>& columns);
    void clearHits();
    SearchRequest request() const;

    platform::AppContext& context_;
    QTabWidget* tabs_;
    QComboBox* criterion_ = nullptr;
    QLineEdit* text_ = nullptr;
    QLineEdit* second_ = nullptr;
    QComboBox* location_ = nullptr;
    QComboBox* docType_ = nullptr;
    QButtonGroup* match_ = nullptr;
    QLabel* count_ = nullptr;
    QTableView* grid_ = nullptr;
    HitModel* model_ = nullptr;
    QPushButton* showButton_ = nullptr;
    QPushButton* cardButton_ = nullptr;
    int selectedId_ = 0;
};

SearchWindow* openSearchWindow(platform::AppContext& context);

} // namespace zentar::retrieval
