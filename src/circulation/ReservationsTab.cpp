#include "circulation/ReservationsTab.h"

#include "circulation/Readers.h"
#include "circulation/RegistrationTab.h"
#include "circulation/Reservations.h"
#include "platform/AppContext.h"
#include "platform/Buttons.h"
#include "platform/RowSetGrid.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zentar::circulation {

namespace {

using platform::makeButton;

using platform::Field;

QLineEdit* shown(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

} // namespace

ReservationsTab::ReservationsTab(
    platform::AppContext& context, const CirculationSession& session, RegistrationTab& registration, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , session_(session)
    , registration_(registration)
    , rows_(context.db, this)
    , form_(rows_, this)
{
    setObjectName(QStringLiteral("reservationsTab"));
    rows_.setSelect(QStringLiteral("select * from elojegyz where 1 = 0"));
    rows_.setInsertSql(QStringLiteral("insert into elojegyz (id,olvkod,szerzo,cim,datum,vissza) "
                                      "values (:id,:olvkod,:szerzo,:cim,:datum,:vissza)"));
    rows_.setUpdateSql(QStringLiteral("update elojegyz set id=:id,olvkod=:olvkod,szerzo=:szerzo,cim=:cim,"
                                      "datum=:datum,vissza=:vissza where id=:old_id"));
    rows_.setDeleteSql(QStringLiteral("delete from elojegyz where id=:old_id"));

    auto* book = new QGroupBox(QStringLiteral("A könyv meghatározása szerző és főcím alapján: "), this);
    auto* bookLayout = new QFormLayout(book);
    form_.addRows(bookLayout, { Field::text("szerzo", "Szerző: ").max(200), Field::text("cim", "Főcím :").max(500) });

    auto* readerBox = new QGroupBox(this);
    auto* readerLayout = new QVBoxLayout(readerBox);
    auto* findRow = new QHBoxLayout;
    barcode_ = new QLineEdit(readerBox);
    barcode_->setObjectName(QStringLiteral("readerBarcode"));
    barcode_->setMaxLength(40);
    auto* find = makeButton(QStringLiteral("Keres"), "btnFindReader", readerBox);
    findRow->addWidget(new QLabel(QStringLiteral("Olvasó vonalkódja: "), readerBox));
    findRow->addWidget(barcode_, 1);
    findRow->addWidget(find);
    readerLayout->addLayout(findRow);
    auto* panel = new QGroupBox(QStringLiteral("Az olvasó adatai:"), readerBox);
    auto* panelLayout = new QFormLayout(panel);
    name_ = shown("readerName", panel);
    address_ = shown("readerAddress", panel);
    note_ = shown("readerNote", panel);
    panelLayout->addRow(QStringLiteral("Név:"), name_);
    panelLayout->addRow(QStringLiteral("Lakcím:"), address_);
    panelLayout->addRow(QStringLiteral("Megjegyzés:"), note_);
    readerLayout->addWidget(panel);
    connect(find, &QPushButton::clicked, this, &ReservationsTab::findReader);
    connect(barcode_, &QLineEdit::returnPressed, this, &ReservationsTab::findReader);

    auto* add = makeButton(QStringLiteral("Új előjegyzés"), "btnNewReservation", this);
    save_ = makeButton(QStringLiteral("Mentés"), "btnSaveReservation", this);
    auto* del = makeButton(QStringLiteral("Törlés"), "btnDeleteReservation", this);
    save_->setEnabled(false);
    connect(add, &QPushButton::clicked, this, &ReservationsTab::newReservation);
    connect(save_, &QPushButton::clicked, this, &ReservationsTab::save);
    connect(del, &QPushButton::clicked, this, &ReservationsTab::remove);

    auto* order = new QGroupBox(QStringLiteral("Előjegyzés lista sorrend:"), this);
    auto* orderLayout = new QHBoxLayout(order);
    byDate_ = new QRadioButton(QStringLiteral("Dátum"), order);
    byDate_->setObjectName(QStringLiteral("orderByDate"));
    byDate_->setChecked(true);
    byTitle_ = new QRadioButton(QStringLiteral("Főcím"), order);
    byTitle_->setObjectName(QStringLiteral("orderByTitle"));
    orderLayout->addWidget(byDate_);
    orderLayout->addWidget(byTitle_);
    connect(byDate_, &QRadioButton::clicked, this, &ReservationsTab::reload);
    connect(byTitle_, &QRadioButton::clicked, this, &ReservationsTab::reload);

    grid_ = new platform::RowSetGrid(context, rows_,
        { platform::GridColumn("olvkod", QStringLiteral("Olvasó vonalkódja"), 130).maxLength(40),
            platform::GridColumn("szerzo", QStringLiteral("Szerző"), 200).maxLength(200),
            platform::GridColumn("cim", QStringLiteral("Cím"), 320).maxLength(500),
            platform::GridColumn("datum", QStringLiteral("Dátum"), 90),
            platform::GridColumn("vissza", QStringLiteral("Vissza"), 50).maxLength(1) },
        this);
    grid_->setObjectName(QStringLiteral("reservationList"));
    grid_->setTitle(QStringLiteral("Előjegyzések"));
    grid_->setBeforeSave([this](db::RowSet& rows) {
        if (rows.state() == db::RowSet::State::Insert) {
            rows.setValue(QStringLiteral("id"), reservations::nextId(context_.db));
            rows.setValue(QStringLiteral("datum"), session_.today);
            rows.setValue(QStringLiteral("vissza"), QStringLiteral("0"));
        }
    });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { add, save_, del })
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(order);

    auto* top = new QHBoxLayout;
    top->addWidget(book, 1);
    top->addWidget(readerBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addWidget(grid_, 1);

    connect(&form_, &platform::DataForm::modifiedChanged, this, [this](bool modified) {
        if (modified)
            save_->setEnabled(true);
    });
}

void ReservationsTab::takeLoadedReader()
{
    const QString code = registration_.reader().value(QStringLiteral("vonalkod")).toString().trimmed();
    if (code.isEmpty() || code == reader_.value(QStringLiteral("vonalkod")).toString())
        return;
    barcode_->setText(code);
    findReader();
}

void ReservationsTab::findReader()
{
    reader_.clear();
    const QString code = barcode_->text().trimmed();
    try {
        const QList<QVariantMap> rows = context_.db.rows(
            QStringLiteral("select id,vonalkod,nev,allvaros,allcim,megj from olvaso where vonalkod = ? order by id"),
            { code });
        if (!rows.isEmpty())
            reader_ = rows.first();
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
    }
    showReader();
    if (reader_.isEmpty() && !code.isEmpty())
        context_.dialogs.information(QStringLiteral("Az olvasó nem található az adatbázisban!"));
}

void ReservationsTab::showReader()
{
    name_->setText(reader_.value(QStringLiteral("nev")).toString());
    address_->setText(readers::address(reader_));
    note_->setText(reader_.value(QStringLiteral("megj")).toString());
}

void ReservationsTab::newReservation()
{
    try {
        if (!rows_.isOpen() || rows_.isEmpty())
            reload();
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
        return;
    }
    grid_->append();
    // The reservation is the loaded reader's.
    const QString code = reader_.value(QStringLiteral("vonalkod")).toString();
    if (!code.isEmpty())
        rows_.setValue(QStringLiteral("olvkod"), code);
    save_->setEnabled(true);
    form_.focus(QStringLiteral("szerzo"));
}

void ReservationsTab::save()
{
    if (name_->text().trimmed().isEmpty()) {
        context_.dialogs.warning(QStringLiteral("Először válassza ki az olvasót!"));
        barcode_->setFocus();
        return;
    }
    QString error;
    if (!form_.writeBack(&error)) {
        context_.dialogs.warning(error);
        return;
    }
    if (rows_.state() == db::RowSet::State::Insert && rows_.value(QStringLiteral("olvkod")).toString().isEmpty())
        rows_.setValue(QStringLiteral("olvkod"), reader_.value(QStringLiteral("vonalkod")));
    if (!grid_->save())
        return;
    save_->setEnabled(false);
}

void ReservationsTab::remove()
{
    if (rows_.state() != db::RowSet::State::Insert && rows_.currentIndex() < 0)
        return;
    try {
        rows_.remove();
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
    }
    save_->setEnabled(false);
}

void ReservationsTab::reload()
{
    rows_.setSelect(byTitle_->isChecked() ? QStringLiteral("select * from elojegyz order by cim, id")
                                          : QStringLiteral("select * from elojegyz order by datum, id"));
    try {
        rows_.open();
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
    }
}

} // namespace zentar::circulation
