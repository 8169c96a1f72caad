#include "shell/ReaderCategoriesDialog.h"

#include "db/DbError.h"
#include "db/Keys.h"
#include "platform/AppContext.h"
#include "platform/RowSetGrid.h"
#include "shell/RowFields.h"
#include "shell/TableStatements.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zentar::shell {

using platform::GridColumn;
using platform::RowSetGrid;

namespace {

QPushButton* addButton(QBoxLayout* layout, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

} // namespace

ReaderCategoriesDialog::ReaderCategoriesDialog(platform::AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), categories_(context.db), occupations_(context.db),
      workplaces_(context.db)
{
    setObjectName(QStringLiteral("ReaderCategoriesDialog"));
    setWindowTitle(QStringLiteral("Olvasói státuszok beállítása"));
    try {
        for (const QVariantMap& row : context_.db.rows(QStringLiteral("select * from reszleg order by reszleg")))
            departments_ << row.value(QStringLiteral("reszleg")).toString();
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
    }
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(categoriesTab(), QStringLiteral("Olvasói kategóriák"));
    tabs_->addTab(occupationsTab(), QStringLiteral("Foglalkozások"));
    tabs_->addTab(workplacesTab(), QStringLiteral("Munkahelyek"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(720, 480);

    try {
        categories_.open();
        occupations_.open();
        workplaces_.open();
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
    }
}

QWidget* ReaderCategoriesDialog::categoriesTab()
{
    categories_.setSelect(QStringLiteral("select * from olvkat order by katnev"));
    setTableStatements(categories_, QStringLiteral("olvkat"),
                       {QStringLiteral("katnev"), QStringLiteral("kolcsdok"), QStringLiteral("tagdij"), QStringLiteral("fkap")},
                       QStringLiteral("katnev"));
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabCategories"));
    auto* grid = new RowSetGrid(context_, categories_,
                                {GridColumn(QStringLiteral("katnev"), QStringLiteral("Kategória megnevezése"), 220).maxLength(40),
                                 GridColumn(QStringLiteral("kolcsdok"), QStringLiteral("Kölcs. dok száma"), 110).numeric(),
                                 GridColumn(QStringLiteral("tagdij"), QStringLiteral("Tagdíj"), 90).numeric(),
                                 GridColumn(QStringLiteral("fkap"), QStringLiteral("Felsz. kap?"), 80).maxLength(1)},
                                page);
    grid->setObjectName(QStringLiteral("gridOlvkat"));
    grid->setConfirmDelete(true);
    grid->addButton(RowSetGrid::Action::Append, QStringLiteral("Új rekord"));
    grid->addButton(RowSetGrid::Action::Delete, QStringLiteral("Törlés"));
    grid->addButton(RowSetGrid::Action::Save, QStringLiteral("Mentés"));
    grid->setBeforeSave([](db::RowSet& rows) {
        if (rows.value(QStringLiteral("katnev")).toString().trimmed().isEmpty())
            throw db::DbError(QStringLiteral("Adja meg a kategória megnevezését!"));
    });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid, 1);
    for (const QString& note : {QStringLiteral("Kölcs. dok. száma: maximálisan kölcsönözhető dokumentumok száma (inkább többet engedjen!)"),
                                QStringLiteral("Felsz. kap: felszólítót kaphat-e? i/n")})
        layout->addWidget(new QLabel(note, page));
    return page;
}

QWidget* ReaderCategoriesDialog::occupationsTab()
{
    occupations_.setSelect(QStringLiteral("select * from foglalk order by foglalk"));
    occupations_.setInsertSql(QStringLiteral("insert into foglalk (id,reszleg,foglalk) values (:id,:reszleg,:foglalk)"));
    occupations_.setUpdateSql(QStringLiteral("update foglalk set reszleg=:reszleg, foglalk=:foglalk where id=:old_id"));
    occupations_.setDeleteSql(QStringLiteral("delete from foglalk where id=:old_id"));
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabOccupations"));
    auto* list = new RowSetGrid(context_, occupations_,
                                {GridColumn(QStringLiteral("foglalk"), QStringLiteral("Foglalkozás"), 300),
                                 GridColumn(QStringLiteral("reszleg"), QStringLiteral("Könyvtári részleg"), 150)},
                                page);
    list->setObjectName(QStringLiteral("listFoglalk"));
    list->setReadOnly(true);

    occupationFields_ = new RowFields(occupations_, this);
    occupationEdit_ = new QLineEdit(page);
    occupationEdit_->setMaxLength(60);
    occupationFields_->bind(occupationEdit_, QStringLiteral("foglalk"));
    auto* department = new QComboBox(page);
    department->addItems(departments_);
    occupationFields_->bind(department, QStringLiteral("reszleg"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Foglalkozás:"), occupationEdit_);
    form->addRow(QStringLiteral("Részleg:"), department);
    auto* buttons = new QHBoxLayout;
    connect(addButton(buttons, "btnNewOccupation", QStringLiteral("Új")), &QPushButton::clicked, this,
            &ReaderCategoriesDialog::newOccupation);
    connect(addButton(buttons, "btnDeleteOccupation", QStringLiteral("Törlés")), &QPushButton::clicked, this,
            &ReaderCategoriesDialog::deleteOccupation);
    connect(addButton(buttons, "btnSaveOccupation", QStringLiteral("Mentés")), &QPushButton::clicked, this,
            &ReaderCategoriesDialog::saveOccupation);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(list, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    return page;
}

void ReaderCategoriesDialog::newOccupation()
{
    if (occupations_.isModified() && !saveOccupation())
        return;
    occupations_.append();
    occupationEdit_->setFocus();
}

bool ReaderCategoriesDialog::saveOccupation()
{
    if (!occupations_.isEditing())
        return true;
    try {
        if (occupations_.state() == db::RowSet::State::Insert)
            occupations_.setValue(QStringLiteral("id"), db::nextKey(context_.db, QStringLiteral("foglalk"), QStringLiteral("id")));
        occupations_.apply();
        return true;
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
        return false;
    }
}

bool ReaderCategoriesDialog::deleteOccupation()
{
    try {
        occupations_.remove();
        return true;
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
        return false;
    }
}

QWidget* ReaderCategoriesDialog::workplacesTab()
{
    workplaces_.setSelect(QStringLiteral("select * from munkahely order by reszleg, munkahely"));
    setTableStatements(workplaces_, QStringLiteral("munkahely"), {QStringLiteral("reszleg"), QStringLiteral("munkahely")});
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabWorkplaces"));
    auto* grid = new RowSetGrid(context_, workplaces_,
                                {GridColumn(QStringLiteral("reszleg"), QStringLiteral("Részleg"), 150).maxLength(20),
                                 GridColumn(QStringLiteral("munkahely"), QStringLiteral("Nunkahely / Iskola"), 400).maxLength(100)},
                                page);
    grid->setObjectName(QStringLiteral("gridMunkahely"));
    grid->setConfirmDelete(true);
    grid->addButton(RowSetGrid::Action::Append, QStringLiteral("Új"));
    grid->addButton(RowSetGrid::Action::Delete, QStringLiteral("Törlés"));
    grid->addButton(RowSetGrid::Action::Save, QStringLiteral("Mentés"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid);
    return page;
}

} // namespace zentar::shell
