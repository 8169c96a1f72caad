#include "shell/ReferenceListsDialog.h"

#include "db/DbError.h"
#include "db/Keys.h"
#include "platform/AppContext.h"
#include "platform/RowSetGrid.h"
#include "shell/RowFields.h"
#include "shell/TableStatements.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zentar::shell {

using platform::GridColumn;
using platform::RowSetGrid;

ReferenceListsDialog::ReferenceListsDialog(platform::AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), postcodes_(context.db), languages_(context.db), companies_(context.db)
{
    setObjectName(QStringLiteral("ReferenceListsDialog"));
    setWindowTitle(QStringLiteral("Irányítószámok, nyelv, pénznem, céglista"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(postcodesTab(), QStringLiteral("Irányítószámok"));
    tabs_->addTab(languagesTab(), QStringLiteral("Nyelv, pénznem"));
    tabs_->addTab(companiesTab(), QStringLiteral("Céglista"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(760, 540);
    try {
        postcodes_.open();
        languages_.open();
        companies_.open();
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
    }
}

QWidget* ReferenceListsDialog::postcodesTab()
{
    postcodes_.setSelect(QStringLiteral("select * from irszam order by helyseg"));
    setTableStatements(postcodes_, QStringLiteral("irszam"), {QStringLiteral("helyseg"), QStringLiteral("irszam")});
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabPostcodes"));
    auto* grid = new RowSetGrid(context_, postcodes_,
                                {GridColumn(QStringLiteral("helyseg"), QStringLiteral("Település neve"), 300).maxLength(60),
                                 GridColumn(QStringLiteral("irszam"), QStringLiteral("Ir. szám"), 90).numeric()},
                                page);
    grid->setObjectName(QStringLiteral("gridIrszam"));
    grid->setTitle(QStringLiteral("Irányítószámok"));
    grid->setConfirmDelete(true);
    grid->addButton(RowSetGrid::Action::First, QStringLiteral("Első"));
    grid->addButton(RowSetGrid::Action::Last, QStringLiteral("Utolsó"));
    grid->addButton(RowSetGrid::Action::Append, QStringLiteral("Új / beszúrás"));
    grid->addButton(RowSetGrid::Action::Delete, QStringLiteral("Törlés"));
    grid->addButton(RowSetGrid::Action::Save, QStringLiteral("Mentés"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid);
    return page;
}

QWidget* ReferenceListsDialog::languagesTab()
{
    languages_.setSelect(QStringLiteral("select * from nyelv order by nyelv"));
    setTableStatements(languages_, QStringLiteral("nyelv"),
                       {QStringLiteral("nyelv"), QStringLiteral("kod"), QStringLiteral("penz"), QStringLiteral("eto")});
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabLanguages"));
    languageGrid_ = new RowSetGrid(context_, languages_,
                                   {GridColumn(QStringLiteral("nyelv"), QStringLiteral("Nyelv"), 200).maxLength(40),
                                    GridColumn(QStringLiteral("kod"), QStringLiteral("Kód"), 80).maxLength(10),
                                    GridColumn(QStringLiteral("penz"), QStringLiteral("Pénznem"), 90).maxLength(10),
                                    GridColumn(QStringLiteral("eto"), QStringLiteral("ETO"), 120).maxLength(20)},
                                   page);
    languageGrid_->setObjectName(QStringLiteral("gridNyelv"));
    languageGrid_->setConfirmDelete(true);
    languageGrid_->addButton(RowSetGrid::Action::Append, QStringLiteral("Új"));
    languageGrid_->addButton(RowSetGrid::Action::Save, QStringLiteral("Mentés"));
    languageGrid_->addButton(RowSetGrid::Action::Delete, QStringLiteral(" &Törlés"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(languageGrid_);
    return page;
}

QWidget* ReferenceListsDialog::companiesTab()
{
    companies_.setSelect(QStringLiteral("select * from ceg order by cegnev"));
    setTableStatements(companies_, QStringLiteral("ceg"),
                       {QStringLiteral("id"), QStringLiteral("cegnev"), QStringLiteral("cim"), QStringLiteral("nev"),
                        QStringLiteral("tel"), QStringLiteral("fax"), QStringLiteral("email"), QStringLiteral("adoszam"),
                        QStringLiteral("szlaszam"), QStringLiteral("megj")},
                       QStringLiteral("id"));
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabCompanies"));
    auto* list = new RowSetGrid(context_, companies_, {GridColumn(QStringLiteral("cegnev"), QStringLiteral("Cég megnevezése"), 260)}, page);
    list->setObjectName(QStringLiteral("listCeg"));
    list->setReadOnly(true);

    companyFields_ = new RowFields(companies_, this);
    auto* form = new QFormLayout;
    const std::pair<const char*, std::pair<const char*, int>> fields[] = {
        {"Cég neve:", {"cegnev", 100}}, {"Cég címe:", {"cim", 100}}, {"Név:", {"nev", 60}},
        {"Tel:", {"tel", 40}}, {"Fax:", {"fax", 40}}, {"E-mail:", {"email", 100}},
        {"Adószám:", {"adoszam", 20}}, {"Számlaszám:", {"szlaszam", 40}}, {"Megjegyzés:", {"megj", 200}},
    };
    for (const auto& [caption, column] : fields) {
        auto* edit = new QLineEdit(page);
        edit->setMaxLength(column.second);
        companyFields_->bind(edit, QLatin1String(column.first));
        form->addRow(QString::fromUtf8(caption), edit);
        if (!companyName_)
            companyName_ = edit;
    }
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> captions[] = {{"btnNewCompany", "Új"}, {"btnDeleteCompany", "Törlés"}, {"btnSaveCompany", "Mentés"}};
    for (const auto& [name, caption] : captions) {
        auto* b = new QPushButton(QString::fromUtf8(caption), page);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    connect(page->findChild<QPushButton*>(QStringLiteral("btnNewCompany")), &QPushButton::clicked, this, &ReferenceListsDialog::newCompany);
    connect(page->findChild<QPushButton*>(QStringLiteral("btnDeleteCompany")), &QPushButton::clicked, this, &ReferenceListsDialog::deleteCompany);
    connect(page->findChild<QPushButton*>(QStringLiteral("btnSaveCompany")), &QPushButton::clicked, this, &ReferenceListsDialog::saveCompany);

    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addLayout(buttons);
    right->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(list, 1);
    layout->addLayout(right, 2);
    return page;
}

void ReferenceListsDialog::newCompany()
{
    if (companies_.isModified() && !saveCompany())
        return;
    companies_.append();
    companyName_->setFocus();
}

bool ReferenceListsDialog::saveCompany()
{
    if (!companies_.isEditing())
        return true;
    try {
        if (companies_.state() == db::RowSet::State::Insert)
            companies_.setValue(QStringLiteral("id"), db::nextKey(context_.db, QStringLiteral("ceg"), QStringLiteral("id")));
        companies_.apply();
        return true;
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
        return false;
    }
}

bool ReferenceListsDialog::deleteCompany()
{
    if (companies_.state() == db::RowSet::State::Insert) {
        companies_.cancel();
        return true;
    }
    if (companies_.currentIndex() < 0 || !context_.dialogs.confirmDelete())
        return false;
    try {
        companies_.remove();
        return true;
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
        return false;
    }
}

} // namespace zentar::shell
