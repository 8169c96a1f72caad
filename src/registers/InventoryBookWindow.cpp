#include "registers/InventoryBookWindow.h"

#include "platform/AppContext.h"
#include "platform/CloseWindow.h"
#include "registers/AccessionTab.h"
#include "registers/InventoryEntryTab.h"
#include "registers/InventoryListTab.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace zentar::registers {

InventoryBookWindow::InventoryBookWindow(platform::AppContext& context, QWidget* parent)
    : QWidget(parent)
    , rows_(context.db, this)
    , session_ { context, rows_, {} }
{
    setObjectName(QStringLiteral("inventoryBookWindow"));
    setWindowTitle(QStringLiteral("Leltárkönyv"));
    setInventoryStatements(rows_);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    entry_ = new InventoryEntryTab(session_, tabs_);
    list_ = new InventoryListTab(session_, tabs_);
    accession_ = new AccessionTab(
        context, [this] { return entry_->documentType(); }, tabs_);
    tabs_->addTab(entry_, QStringLiteral("Adatbevitel"));
    tabs_->addTab(list_, QStringLiteral("Lista"));
    tabs_->addTab(accession_, QStringLiteral("Gyarapodási jegyzék"));

    auto close = [this] { platform::closeWindow(this); };
    connect(entry_, &InventoryEntryTab::exitRequested, this, close);
    connect(list_, &InventoryListTab::exitRequested, this, close);
    connect(accession_, &AccessionTab::exitRequested, this, close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(1000, 640);
}

} // namespace zentar::registers
