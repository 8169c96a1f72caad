#include "registers/AccessionTab.h"

#include "platform/AppContext.h"
#include "platform/TextFile.h"
#include "registers/Widgets.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentar::registers {

namespace ib = inventorybook;

namespace {
// The grid shows this many location rows even when there are fewer locations.
constexpr int kMinimumLocationRows = 20;
} // namespace

AccessionTab::AccessionTab(platform::AppContext& context, std::function<QString()> documentType, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , documentType_(std::move(documentType))
{
    setObjectName(QStringLiteral("tabGyarapodas"));

    year_ = new QSpinBox(this);
    year_->setObjectName(QStringLiteral("ev"));
    year_->setRange(2000, 9999);
    year_->setValue(qBound(2000, context_.today().year(), 9999));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("beszerzettDb"));

    auto* listButton = makeButton(QStringLiteral("Lista"), "btnAccessionList", this);
    auto* breakdownButton = makeButton(QStringLiteral("Lista"), "btnBreakdown", this);
    auto* printButton = makeButton(QStringLiteral("Nyomtatás"), "btnPrintBreakdown", this);
    auto* exit = makeButton(QStringLiteral("Kilépés"), "btnExit", this);
    connect(listButton, &QPushButton::clicked, this, &AccessionTab::writeAccessionList);
    connect(breakdownButton, &QPushButton::clicked, this, &AccessionTab::fillBreakdown);
    connect(printButton, &QPushButton::clicked, this, &AccessionTab::printBreakdown);
    connect(exit, &QPushButton::clicked, this, &AccessionTab::exitRequested);

    grid_ = new QTableWidget(kMinimumLocationRows + 1, 2, this);
    grid_->setObjectName(QStringLiteral("lelohelyGrid"));
    grid_->setHorizontalHeaderLabels({ QStringLiteral("Lelőhely"), QStringLiteral("db") });
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->setColumnWidth(1, 70);
    grid_->verticalHeader()->hide();

    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(new QLabel(QStringLiteral("Év:"), this));
    yearRow->addWidget(year_);
    yearRow->addStretch();

    auto* listBox = new QGroupBox(this);
    auto* listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(listButton);
    listLayout->addWidget(count_);
    listLayout->addStretch();

    auto* gridBox = new QGroupBox(ib::breakdownTitle(), this);
    auto* gridLayout = new QVBoxLayout(gridBox);
    auto* gridButtons = new QHBoxLayout;
    gridButtons->addWidget(breakdownButton);
    gridButtons->addWidget(printButton);
    gridButtons->addStretch();
    gridLayout->addLayout(gridButtons);
    gridLayout->addWidget(grid_, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(listBox, 1);
    middle->addWidget(gridBox, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(yearRow);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
}

int AccessionTab::year() const
{
    return year_->value();
}

void AccessionTab::setYear(int year)
{
    year_->setValue(year);
}

bool AccessionTab::writeAccessionList()
{
    const ib::Statement statement = ib::accessionStatement(year(), documentType_());
    QList<QVariantMap> rows;
    try {
        rows = context_.db.rows(statement.sql, statement.params);
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
        return false;
    }
    count_->setText(ib::accessionCountText(int(rows.size())));
    QStringList lines;
    lines.reserve(rows.size());
    for (const QVariantMap& row : rows)
        lines << ib::accessionLine(row);
    const QString path = context_.folders.exportFile(ib::accessionFileName());
    QString error;
    if (!platform::writeTextFile(path, lines, &error)) {
        context_.dialogs.error(error);
        return false;
    }
    context_.dialogs.information(ib::accessionDoneMessage(path));
    return true;
}

void AccessionTab::fillBreakdown()
{
    ib::Breakdown breakdown;
    try {
        const ib::Statement statement = ib::breakdownStatement(year());
        breakdown = ib::locationBreakdown(
            ib::locations(context_.db, false), context_.db.rows(statement.sql, statement.params));
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
        return;
    }
    const QList<QStringList> cells = breakdown.cells();
    grid_->clearContents();
    grid_->setRowCount(qMax(int(cells.size()), kMinimumLocationRows + 1));
    for (int r = 0; r < cells.size(); ++r) {
        for (int c = 0; c < 2; ++c) {
            auto* item = new QTableWidgetItem(cells.at(r).at(c));
            if (c == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(r, c, item);
        }
    }
}

void AccessionTab::printBreakdown()
{
    QList<QStringList> cells;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        QStringList row;
        bool any = false;
        for (int c = 0; c < 2; ++c) {
            const QTableWidgetItem* item = grid_->item(r, c);
            row << (item ? item->text() : QString());
            any = any || (item && !item->text().isEmpty());
        }
        if (any)
            cells << row;
    }
    context_.printer().preview(
        platform::report::grid({ QStringLiteral("Lelőhely"), QStringLiteral("db") }, cells, ib::breakdownTitle()));
}

} // namespace zentar::registers
