#include "circulation/HistoryTab.h"

#include "db/DateText.h"
#include "platform/AppContext.h"
#include "platform/Buttons.h"
#include "platform/TextFile.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentar::circulation {

namespace {

using platform::makeButton;

QString cellText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime) {
        const QDate d = value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate();
        return db::datetext::display(d);
    }
    return value.toString().trimmed();
}

} // namespace

HistoryTab::HistoryTab(platform::AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("historyTab"));
    readerBy_ = new QComboBox(this);
    readerBy_->setObjectName(QStringLiteral("historyReaderBy"));
    readerBy_->addItems(history::readerCaptions());
    readerBy_->setCurrentIndex(int(history::ReaderBy::Barcode));
    readerText_ = new QLineEdit(this);
    readerText_->setObjectName(QStringLiteral("historyReaderText"));
    documentBy_ = new QComboBox(this);
    documentBy_->setObjectName(QStringLiteral("historyDocumentBy"));
    documentBy_->addItems(history::documentCaptions());
    documentText_ = new QLineEdit(this);
    documentText_->setObjectName(QStringLiteral("historyDocumentText"));
    year_ = new QSpinBox(this);
    year_->setObjectName(QStringLiteral("historyYear"));
    year_->setRange(2000, 9999);
    year_->setValue(context.today().year());
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("historyMonth"));
    month_->addItems(history::monthCaptions());
    month_->setCurrentIndex(context.today().month() - 1);
    count_ = new QLabel(QStringLiteral("Találatok száma: 0 db"), this);
    count_->setObjectName(QStringLiteral("historyCount"));
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("historyGrid"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->hide();

    auto* readerSearch = makeButton(QStringLiteral("Keresés"), "btnHistoryReader", this);
    auto* documentSearch = makeButton(QStringLiteral("Keresés"), "btnHistoryDocument", this);
    auto* periodSearch = makeButton(QStringLiteral("Keresés"), "btnHistoryPeriod", this);
    auto* print = makeButton(QStringLiteral("Nyomtat"), "btnHistoryPrint", this, QStringLiteral("Lista nyomtatása"));
    auto* save = makeButton(QStringLiteral("Ment"), "btnHistorySave", this, QStringLiteral("Mentés fájlba"));
    auto* close = makeButton(QStringLiteral("Kilépés"), "btnHistoryClose", this);

    auto* criteria = new QGridLayout;
    criteria->addWidget(new QLabel(QStringLiteral("Adott olvasó kölcsönzései:"), this), 0, 0);
    criteria->addWidget(readerBy_, 0, 1);
    criteria->addWidget(new QLabel(QStringLiteral("alapján"), this), 0, 2);
    criteria->addWidget(readerText_, 0, 3);
    criteria->addWidget(readerSearch, 0, 4);
    criteria->addWidget(new QLabel(QStringLiteral("Egy dokumentum története "), this), 1, 0);
    criteria->addWidget(documentBy_, 1, 1);
    criteria->addWidget(new QLabel(QStringLiteral("alapján"), this), 1, 2);
    criteria->addWidget(documentText_, 1, 3);
    criteria->addWidget(documentSearch, 1, 4);
    auto* period = new QHBoxLayout;
    period->addWidget(year_);
    period->addWidget(new QLabel(QStringLiteral("hónap:"), this));
    period->addWidget(month_);
    period->addStretch();
    criteria->addWidget(new QLabel(QStringLiteral("Keresés dátum alapján (év):"), this), 2, 0);
    criteria->addLayout(period, 2, 1, 1, 3);
    criteria->addWidget(periodSearch, 2, 4);
    criteria->setColumnStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count_);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(criteria);
    layout->addLayout(buttons);
    layout->addWidget(grid_, 1);

    connect(readerSearch, &QPushButton::clicked, this, &HistoryTab::searchReader);
    connect(readerText_, &QLineEdit::returnPressed, this, &HistoryTab::searchReader);
    connect(documentSearch, &QPushButton::clicked, this, &HistoryTab::searchDocument);
    connect(documentText_, &QLineEdit::returnPressed, this, &HistoryTab::searchDocument);
    connect(periodSearch, &QPushButton::clicked, this, &HistoryTab::searchPeriod);
    connect(print, &QPushButton::clicked, this, &HistoryTab::print);
    connect(save, &QPushButton::clicked, this, &HistoryTab::save);
    connect(close, &QPushButton::clicked, this, [this] { window()->close(); });
}

void HistoryTab::show(const history::Result& result, const QList<int>& widths)
{
    result_ = result;
    grid_->clear();
    grid_->setColumnCount(int(result.columns.size()));
    grid_->setHorizontalHeaderLabels(result.columns);
    grid_->setRowCount(int(result.rows.size()));
    for (int r = 0; r < result.rows.size(); ++r)
        for (int c = 0; c < result.columns.size(); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(cellText(result.rows[r].value(c))));
    for (int c = 0; c < result.columns.size(); ++c) {
        const int width = widths.value(c, 0);
        grid_->setColumnHidden(c, width < 0);
        if (width > 0)
            grid_->setColumnWidth(c, width);
        else if (width == 0)
            grid_->resizeColumnToContents(c);
    }
    count_->setText(QStringLiteral("Találatok száma: %1 db").arg(result.rows.size()));
}

void HistoryTab::searchReader()
{
    try {
        show(history::ofReader(context_.db, history::ReaderBy(readerBy_->currentIndex()), readerText_->text()));
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
    }
    readerText_->selectAll();
    readerText_->setFocus();
}

void HistoryTab::searchDocument()
{
    try {
        show(history::ofDocument(context_.db, history::DocumentBy(documentBy_->currentIndex()), documentText_->text()));
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
    }
    documentText_->selectAll();
    documentText_->setFocus();
}

void HistoryTab::searchPeriod()
{
    try {
        show(history::ofPeriod(context_.db, year_->value(), month_->currentIndex() + 1), history::periodColumnWidths());
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
    }
}

void HistoryTab::print()
{
    context_.printer().printLines(history::lines(result_, 80), 10, QStringLiteral("Olvasott dokumentumok"));
}

void HistoryTab::save()
{
    const QString path = context_.folders.exportFile(QStringLiteral("doklista.txt"));
    QString error;
    if (!platform::writeTextFile(path, history::lines(result_), &error)) {
        context_.dialogs.error(error);
        return;
    }
    context_.dialogs.information(QStringLiteral("Az adatok a \"%1\" file-ban találhatók!").arg(path));
}

} // namespace zentar::circulation
