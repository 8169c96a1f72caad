#pragma once

#include "db/RowSet.h"

#include <QDialog>

class QLineEdit;
class QTabWidget;

namespace zentar::platform {
class AppContext;
class RowSetGrid;
} // namespace zentar::platform

namespace zentar::shell {

class RowFields;

// "Irányítószámok, nyelv, pénznem, céglista": postcodes, languages with currencies, companies.
class ReferenceListsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReferenceListsDialog(platform::AppContext& context, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    db::RowSet& postcodes() { return postcodes_; }
    db::RowSet& languages() { return languages_; }
    db::RowSet& companies() { return companies_; }
    platform::RowSetGrid* languageGrid() const { return languageGrid_; }

    // The company tab's buttons.
    void newCompany();
    bool saveCompany();
    bool deleteCompany();

private:
    QWidget* postcodesTab();
    QWidget* languagesTab();
    QWidget* companiesTab();

    platform::AppContext& context_;
    db::RowSet postcodes_;
    db::RowSet languages_;
    db::RowSet companies_;
    QTabWidget* tabs_;
    platform::RowSetGrid* languageGrid_ = nullptr;
    RowFields* companyFields_ = nullptr;
    QLineEdit* companyName_ = nullptr;
};

} // namespace zentar::shell
