#include "registers/InventoryListTab.h"

#include "platform/AppContext.h"
#include "platform/RowSetGrid.h"
#include "registers/InventoryBookSession.h"
#include "registers/Widgets.h"
#include "reports/InventoryBookReports.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace zentar::registers {

namespace ib = inventorybook;
using platform::GridColumn;

namespace {

QList<GridColumn> gridColumns()
{
    return {
        GridColumn("doktipus", "Dok. típus", 80),
        GridColumn("lbetu", "Lbetű", 45),
        GridColumn("lszam", "Lelt.szám", 65).numeric(),
        GridColumn("lszam2", "Lelt.sz.2", 55).numeric(),
        GridColumn("kelet", "Kelet", 80),
        GridColumn("szerzo", "Szerző", 160),
        GridColumn("cim", "Cím", 220),
        GridColumn("kotet", "Kötet", 60),
        GridColumn("megjev", "Megj.év", 55),
        GridColumn("egyszam", "Egys.sz.", 55).numeric(),
        GridColumn("szakj", "Szakj", 60),
        GridColumn("raktj", "Raktj", 70),
        GridColumn("beszmod", "Beszerzési mód", 100),
        GridColumn("ar", "Ár", 60).numeric(),
        GridColumn("pnem", "Pnem", 45),
        GridColumn("gynyt", "gynyt", 65),
        GridColumn("tnyt", "tnyt", 65),
        GridColumn("jegyzet", "Jegyzet", 90),
        GridColumn("lhely", "Lelőhely", 100),
        GridColumn("megvane", "Megvan", 50),
        GridColumn("alldatum", "Áll.ell.dátum", 80),
        GridColumn("lmegj", "Megjegyzés", 120),
        GridColumn("kvtaros1", "Könyvtáros", 100),
        GridColumn("kvtaros2", "Módosította", 100),
        GridColumn("mdatum", "Módos. dátum", 80),
    };
}

} // namespace

InventoryListTab::InventoryListTab(InventoryBookSession& session, QWidget* parent)
    : QWidget(parent)
    , session_(session)
{
    setObjectName(QStringLiteral("tabLista"));

    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("listDoktipus"));
    type_->addItems(ib::listTypeCaptions());
    type_->setCurrentIndex(-1);
    criterion_ = new QComboBox(this);
    criterion_->setObjectName(QStringLiteral("listSzempont"));
    criterion_->addItems(ib::listCriteria());
    criterion_->setCurrentIndex(0);
    value_ = new QLineEdit(this);
    value_->setObjectName(QStringLiteral("listErtek"));
    to_ = new QLineEdit(this);
    to_->setObjectName(QStringLiteral("listIg"));
    connect(to_, &QLineEdit::returnPressed, this, &InventoryListTab::list);
    connect(value_, &QLineEdit::returnPressed, this, &InventoryListTab::list);
    location_ = new QComboBox(this);
    location_->setObjectName(QStringLiteral("listLhely"));
    location_->addItem(ib::wholeLibrary());
    try {
        location_->addItems(ib::locations(session_.context.db, true));
    } catch (const db::DbError& error) {
        session_.context.dialogs.showDbError(error);
    }
    location_->setCurrentIndex(0);
    byNumber_ = new QRadioButton(QStringLiteral("Leltári szám"), this);
    byNumber_->setObjectName(QStringLiteral("orderLszam"));
    byNumber_->setChecked(true);
    byTitle_ = new QRadioButton(QStringLiteral("Főcím"), this);
    byTitle_->setObjectName(QStringLiteral("orderCim"));
    connect(criterion_, &QComboBox::currentIndexChanged, this, &InventoryListTab::updateRangeField);
    updateRangeField();

    auto* criteria = new QFormLayout;
    criteria->addRow(QStringLiteral("Dok. típus"), type_);
    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(criterion_);
    valueRow->addWidget(value_, 1);
    auto* toLabel = new QLabel(QStringLiteral("- ig:"), this);
    toLabel->setBuddy(to_);
    valueRow->addWidget(toLabel);
    valueRow->addWidget(to_, 1);
    criteria->addRow(QStringLiteral("Szempont"), valueRow);
    criteria->addRow(QStringLiteral("Lelőhely"), location_);
    auto* orderBox = new QGroupBox(QStringLiteral("Rendezési sorrend"), this);
    auto* orderRow = new QHBoxLayout(orderBox);
    orderRow->addWidget(byNumber_);
    orderRow->addWidget(byTitle_);
    orderRow->addStretch();

    rowsLabel_ = new QLabel(this);
    rowsLabel_->setObjectName(QStringLiteral("talalatokSzama"));
    unitsLabel_ = new QLabel(this);
    unitsLabel_->setObjectName(QStringLiteral("egysegszam"));
    valueLabel_ = new QLabel(this);
    valueLabel_->setObjectName(QStringLiteral("ertek"));
    auto* totalsColumn = new QVBoxLayout;
    for (QLabel* l : { rowsLabel_, unitsLabel_, valueLabel_ })
        totalsColumn->addWidget(l);
    totalsColumn->addStretch();

    auto* listButton = makeButton(QStringLiteral("Lista"), "btnList", this);
    auto* landscape = makeButton(QStringLiteral("Nyomtat"), "btnPrintLandscape", this);
    landscape->setToolTip(QStringLiteral("Fekvő nyomtatás: kezdősorral, összegzéssel"));
    auto* portrait = makeButton(QStringLiteral("Nyomtatás"), "btnPrintPortrait", this);
    portrait->setToolTip(QStringLiteral("Álló nyomtatás"));
    auto* exportButton = makeButton(QString(), "btnExport", this);
    exportButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    exportButton->setToolTip(ib::exportFileName());
    auto* exit = makeButton(QStringLiteral("Kilépés"), "btnExit", this);
    connect(listButton, &QPushButton::clicked, this, &InventoryListTab::list);
    connect(landscape, &QPushButton::clicked, this, &InventoryListTab::previewLandscape);
    connect(portrait, &QPushButton::clicked, this, &InventoryListTab::previewPortrait);
    connect(exportButton, &QPushButton::clicked, this, &InventoryListTab::exportBook);
    connect(exit, &QPushButton::clicked, this, &InventoryListTab::exitRequested);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : { listButton, landscape, portrait })
        buttons->addWidget(b);
    buttons->addStretch();
    auto* exitRow = new QHBoxLayout;
    exitRow->addWidget(exportButton);
    exitRow->addWidget(exit);
    buttons->addLayout(exitRow);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(criteria);
    left->addWidget(orderBox);
    top->addLayout(left, 2);
    top->addLayout(totalsColumn, 1);
    top->addLayout(buttons);

    grid_ = new platform::RowSetGrid(session_.context, session_.rows, gridColumns(), this);
    grid_->setObjectName(QStringLiteral("listGrid"));
    grid_->setReadOnly(true);
    grid_->setTitle(QStringLiteral("Leltárkönyv"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);

    // The totals follow the rows the grid shows: a list, a search or walk on the data-entry tab,
    // a saved change or a deleted line.
    connect(&session_.rows, &db::RowSet::reloaded, this, &InventoryListTab::showTotals);
    connect(&session_.rows, &db::RowSet::currentChanged, this, &InventoryListTab::showTotals);
    showTotals();
}

void InventoryListTab::showTotals()
{
    totals_ = ib::totals(session_.currentRows());
    rowsLabel_->setText(totals_.rowsText());
    unitsLabel_->setText(totals_.unitsText());
    valueLabel_->setText(totals_.valueText());
}

void InventoryListTab::updateRangeField()
{
    // The upper end belongs to the inventory-number range only.
    to_->setEnabled(criterion_->currentIndex() == int(ib::ListBy::InventoryNumber));
}

bool InventoryListTab::list()
{
    ib::ListRequest request;
    if (type_->currentIndex() >= 0)
        session_.lastType = ib::documentTypeAt(type_->currentIndex());
    request.type = session_.lastType;
    request.by = ib::ListBy(qMax(0, criterion_->currentIndex()));
    request.value = value_->text().trimmed();
    if (request.by == ib::ListBy::InventoryNumber) {
        for (auto [field, target] : { std::pair { value_, &request.from }, std::pair { to_, &request.to } }) {
            const QString text = field->text().trimmed();
            if (text.isEmpty())
                continue;
            bool ok = false;
            const qint64 n = text.toLongLong(&ok);
            if (!ok) {
                session_.context.dialogs.warning(QStringLiteral("A leltári szám csak egész szám lehet: %1").arg(text));
                field->setFocus();
                return false;
            }
            *target = n;
        }
    }
    request.location = location_->currentText();
    request.order = byTitle_->isChecked() ? ib::ListOrder::Title : ib::ListOrder::InventoryNumber;

    const ib::Statement statement = ib::listStatement(request);
    try {
        session_.rows.setSelect(statement.sql, statement.params);
        session_.rows.open();
    } catch (const db::DbError& error) {
        session_.context.dialogs.showDbError(error);
        return false;
    }
    return true;
}

QString InventoryListTab::heading() const
{
    const QString name = session_.context.db.scalar(QStringLiteral("select kvtnev from konyvtar")).toString();
    if (name.isEmpty())
        return {};
    return name + QString(7, QLatin1Char(' ')) + location_->currentText();
}

void InventoryListTab::previewPortrait()
{
    try {
        session_.context.printer().preview(reports::inventorybook::portrait(heading(), session_.currentRows()));
    } catch (const db::DbError& error) {
        session_.context.dialogs.showDbError(error);
    }
}

void InventoryListTab::previewLandscape()
{
    try {
        session_.context.printer().preview(reports::inventorybook::landscape(heading(), session_.currentRows()));
    } catch (const db::DbError& error) {
        session_.context.dialogs.showDbError(error);
    }
}

void InventoryListTab::exportBook()
{
    platform::AppContext& ctx = session_.context;
    const QString path = ctx.folders.exportFile(ib::exportFileName());
    QString error;
    int written = -1;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        written = ib::exportBook(ctx.db, path, &error);
    } catch (const db::DbError& e) {
        QApplication::restoreOverrideCursor();
        ctx.dialogs.showDbError(e);
        return;
    }
    QApplication::restoreOverrideCursor();
    if (written < 0)
        ctx.dialogs.error(error);
    else
        ctx.dialogs.information(ib::exportDoneMessage(path));
}

} // namespace zentar::registers
