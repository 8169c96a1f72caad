#include "catalogue/BookCopiesTab.h"

#include "catalogue/CodeLists.h"
#include "db/Keys.h"
#include "platform/CloseWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace zentar::catalogue::book {

namespace {

using platform::Field;

const QString kLotHint = QStringLiteral("Javasolt formátum: 2000/1, 2000/2, stb.");

QStringList listOf(db::Connection& db, const QString& table)
{
    QStringList out;
    for (const QVariantMap& row : db.rows(QStringLiteral("select %1 from %1 order by %1").arg(table))) {
        const QString text = row.value(table).toString();
        if (!text.isEmpty())
            out << text;
    }
    return out;
}

} // namespace

BookCopiesTab::BookCopiesTab(BookShared& shared, QWidget* parent)
    : QWidget(parent)
    , shared_(shared)
    , copies_(shared.ctx.db, this)
    , titles_(shared.ctx.db, this)
    , authors_(shared.ctx.db, this)
    , form_(copies_, this)
{
    setObjectName(QStringLiteral("copiesTab"));
    setCopyStatements(copies_);
    setIndexStatements(titles_, false);
    setIndexStatements(authors_, true);

    panel_ = new RecordPanel(this);

    QStringList locations;
    QStringList owners;
    try {
        locations = listOf(shared_.ctx.db, QStringLiteral("lhely"));
        owners = listOf(shared_.ctx.db, QStringLiteral("kvtarkod"));
        shared_.session.ownLibraryCode = readOwnLibraryCode(shared_.ctx.db);
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }

    auto* grid = new QGridLayout;
    int row = 0;
    auto left = [&](const Field& f) { return form_.addToGrid(grid, row++, 0, f); };
    left(Field::text("lbetu", "Leltári betűjelzés:").max(10));
    {
        QWidget* number = form_.add(Field::number("lszam", "Leltári szám:"));
        QWidget* second = form_.add(Field::number("lszam2", QString()));
        form_.label(QStringLiteral("lszam2"))->hide();
        auto* numberRow = new QHBoxLayout;
        numberRow->addWidget(number, 2);
        numberRow->addWidget(new QLabel(QStringLiteral("/"), this));
        numberRow->addWidget(second, 1);
        grid->addWidget(form_.label(QStringLiteral("lszam")), row, 0);
        grid->addLayout(numberRow, row++, 1);
    }
    left(Field::text("vonalkod", "Vonalkód:").max(40));
    left(Field::combo("lhely", "Lelőhely:", locations).max(60));
    left(Field::combo("statusz", "Kölcsönzési státusz:", codes::copyStatuses()).fixedList());
    left(Field::text("rendszam", "Rendelési szám:").max(40));
    left(Field::text("uk", "ÚK (új könyvek):").max(20));
    left(Field::combo("beszmod", "Besz. mód:", codes::acquisitionModes()).max(40));
    left(Field::text("gynyt", "GYNYT:").max(20).hint(kLotHint));
    left(Field::text("beszhely", "Beszerzési hely:").max(100).hint(kLotHint));
    row = 0;
    auto right = [&](const Field& f) { return form_.addToGrid(grid, row++, 2, f); };
    right(Field::text("szlaszam", "Számlaszám:").max(40));
    right(Field::text("beszdatum", "Besz. dátum:").max(20));
    right(Field::text("alldatum", "Utolsó áll. ell. dátuma:").max(20));
    right(Field::combo("tulaj", "Tulajdonos:", owners).max(20));
    right(Field::text("megj", "Megjegyzés:").max(500));
    {
        QWidget* volume = form_.add(Field::text("kotszam", "Kötet szám:").max(20));
        auto* volumeRow = new QHBoxLayout;
        volumeRow->addWidget(volume, 1);
        volumeRow->addWidget(new QLabel(QStringLiteral("(csak több kötetes könyveknél!)"), this));
        grid->addWidget(form_.label(QStringLiteral("kotszam")), row, 2);
        grid->addLayout(volumeRow, row++, 3);
    }
    {
        QWidget* minority = form_.add(Field::check("nemz", QString()).readonly());
        auto* minorityRow = new QHBoxLayout;
        minorityRow->addWidget(minority);
        auto* note = new QLabel(
            QStringLiteral("(Csak akkor jelölje be, ha külön nemzetiségi leltárkönyben vezeti a nyilvántartást!)"),
            this);
        note->setWordWrap(true);
        minorityRow->addWidget(note, 1);
        grid->addWidget(new QLabel(QStringLiteral("Nemzetiségi:"), this), row, 2);
        grid->addLayout(minorityRow, row++, 3);
    }
    addStampRows(form_, grid, row);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* add = makeButton(QStringLiteral("Új"), QStringLiteral("btnNewCopy"), this);
    auto* nextNumberButton = makeButton(QStringLiteral("Következő"), QStringLiteral("btnNextNumber"), this);
    save_ = makeButton(QStringLiteral("Mentés"), QStringLiteral("btnSaveCopy"), this);
    auto* del = makeButton(QStringLiteral("Törlés"), QStringLiteral("btnDeleteCopy"), this);
    auto* exit = makeButton(QStringLiteral("Kilépés"), QStringLiteral("btnExitCopies"), this);
    auto* multiplyButton = makeButton(QStringLiteral("Másol"), QStringLiteral("btnMultiply"), this);
    multiplyCount_ = new QSpinBox(this);
    multiplyCount_->setObjectName(QStringLiteral("multiplyCount"));
    multiplyCount_->setRange(1, 999);
    multiplyCount_->setValue(1);
    auto* previous = makeButton(QString(), QStringLiteral("btnPreviousCopy"), this, QStringLiteral("Előző"));
    previous->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    auto* next = makeButton(QString(), QStringLiteral("btnNextCopy"), this, QStringLiteral("Következő"));
    next->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("copyCount"));
    connect(add, &QPushButton::clicked, this, &BookCopiesTab::newCopy);
    connect(nextNumberButton, &QPushButton::clicked, this, &BookCopiesTab::nextNumber);
    connect(save_, &QPushButton::clicked, this, &BookCopiesTab::saveCopy);
    connect(del, &QPushButton::clicked, this, &BookCopiesTab::deleteCopy);
    connect(exit, &QPushButton::clicked, this, [this] { platform::closeWindow(window()); });
    connect(multiplyButton, &QPushButton::clicked, this, &BookCopiesTab::multiply);
    connect(previous, &QPushButton::clicked, this, [this] { step(false); });
    connect(next, &QPushButton::clicked, this, [this] { step(true); });
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{previous, next, count_, add, nextNumberButton, save_, del})
        buttons->addWidget(w);
    buttons->addSpacing(16);
    buttons->addWidget(multiplyButton);
    buttons->addWidget(multiplyCount_);
    buttons->addWidget(new QLabel(QStringLiteral("db-ot"), this));
    buttons->addStretch();
    buttons->addWidget(exit);
    recordOnly_ = {add, nextNumberButton, save_, del, multiplyButton, previous, next};

    // The index rows of the record, edited by hand until the record's next save rebuilds them.
    auto makeGrid = [this](db::RowSet& rows, const QString& column, const QString& heading, const QString& newCaption,
                           const QString& name) {
        auto* grid = new platform::RowSetGrid(shared_.ctx, rows, {platform::GridColumn(column, heading, 300)}, this);
        grid->setObjectName(name);
        grid->addButton(platform::RowSetGrid::Action::Append, newCaption);
        grid->addButton(platform::RowSetGrid::Action::Save, QStringLiteral("Mentés"));
        grid->addButton(platform::RowSetGrid::Action::Delete, QStringLiteral("Törlés"));
        const QString table = column == QLatin1String("cim") ? QStringLiteral("kcim") : QStringLiteral("kszerzo");
        grid->setBeforeSave([this, table](db::RowSet& r) {
            if (r.state() != db::RowSet::State::Insert)
                return;
            r.setValue(QStringLiteral("sorszam"), db::nextKey(shared_.ctx.db, table, QStringLiteral("sorszam")));
            r.setValue(QStringLiteral("id"), shared_.recordId());
            r.setValue(QStringLiteral("doktipus"), shared_.mode.docType);
        });
        return grid;
    };
    titleGrid_ = makeGrid(titles_, QStringLiteral("cim"), QStringLiteral("Kereshető címek"),
                          QStringLiteral("Új cím"), QStringLiteral("titleGrid"));
    authorGrid_ = makeGrid(authors_, QStringLiteral("szerzo"), QStringLiteral("Kereshető szerzők:"),
                           QStringLiteral("Új szerző"), QStringLiteral("authorGrid"));
    auto* indexes = new QHBoxLayout;
    for (auto [caption, grid] : {std::pair{"Kereshető címek", titleGrid_}, {"Kereshető szerzők:", authorGrid_}}) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), this);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(grid);
        box->setMinimumHeight(200);
        indexes->addWidget(box);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addLayout(indexes, 1);

    connect(&form_, &platform::DataForm::modifiedChanged, this, [this](bool modified) {
        if (modified && shared_.recordId() > 0)
            save_->setEnabled(true);
    });
    close();
}

void BookCopiesTab::showCount()
{
    count_->setText(countText(copies_.count()));
}

void BookCopiesTab::startFirstCopy()
{
    copies_.append();
    CopyRules(shared_.session).fillNewCopy(copies_);
}

void BookCopiesTab::activate()
{
    const int id = shared_.recordId();
    panel_->show(shared_.storedRecord());
    for (QWidget* w : recordOnly_)
        w->setEnabled(id > 0);
    titleGrid_->setEnabled(id > 0);
    authorGrid_->setEnabled(id > 0);
    if (id <= 0)
        return;
    try {
        titles_.setSelect(QStringLiteral("select * from kcim where id = ? order by sorszam"), {id});
        titles_.open();
        authors_.setSelect(QStringLiteral("select * from kszerzo where id = ? order by sorszam"), {id});
        authors_.open();
        copies_.setSelect(QStringLiteral("select * from kpld where id = ? order by sorszam"), {id});
        copies_.open();
        if (copies_.isEmpty())
            startFirstCopy(); // typing into the empty form creates the first copy
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
    showCount();
    save_->setEnabled(true);
}

void BookCopiesTab::close()
{
    copies_.setSelect(QStringLiteral("select * from kpld where 1 = 0"));
    titles_.setSelect(QStringLiteral("select * from kcim where 1 = 0"));
    authors_.setSelect(QStringLiteral("select * from kszerzo where 1 = 0"));
    try {
        copies_.open();
        titles_.open();
        authors_.open();
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
    count_->clear();
}

void BookCopiesTab::newCopy()
{
    if (shared_.recordId() <= 0)
        return;
    startFirstCopy();
    save_->setEnabled(true);
    form_.focus(QStringLiteral("lbetu"));
}

void BookCopiesTab::nextNumber()
{
    try {
        form_.setValue(QStringLiteral("lszam"), CopyRules(shared_.session).nextInventoryNumber());
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
}

bool BookCopiesTab::saveCopy()
{
    const int recordId = shared_.recordId();
    if (recordId <= 0)
        return false;
    auto& dialogs = shared_.ctx.dialogs;
    const CopyRules rules(shared_.session);
    const QVariant number = form_.value(QStringLiteral("lszam"));
    try {
        if (number.isNull()) {
            if (!dialogs.confirm(QStringLiteral("Nincs megadva a leltári szám! Menti?")))
                return false;
        } else if (rules.numberUsedByOtherRecord(number.toLongLong(), recordId)) {
            if (!dialogs.confirm(QStringLiteral("Ilyen leltári számú dokumentum már létezik. Folytatja a mentést?")))
                return false;
        }
        if (!copies_.isEditing() && copies_.currentIndex() < 0)
            return false;
        // The copy joins the line under its number when it is new or its number changed.
        const QVariant stored = copies_.state() == db::RowSet::State::Insert
            ? QVariant()
            : copies_.valueAt(copies_.currentIndex(), QStringLiteral("lszam"));
        const bool addsUnit = copies_.state() == db::RowSet::State::Insert || stored.isNull()
            || stored.toLongLong() != number.toLongLong();
        QString error;
        if (!form_.writeBack(&error)) {
            dialogs.warning(error);
            return false;
        }
        rules.stamp(copies_, recordId);
        copies_.apply();
        showCount();
        if (!number.isNull() && form_.text(QStringLiteral("tulaj")) == shared_.session.ownLibraryCode)
            rules.updateInventoryLine(copies_.rowAt(copies_.currentIndex()), shared_.storedRecord(), addsUnit);
    } catch (const db::DbError& e) {
        dialogs.showDbError(e);
        return false;
    }
    save_->setEnabled(false);
    return true;
}

void BookCopiesTab::deleteCopy()
{
    if (copies_.state() == db::RowSet::State::Insert) {
        copies_.cancel();
    } else {
        if (copies_.currentIndex() < 0 || !shared_.ctx.dialogs.confirmDelete())
            return;
        try {
            copies_.remove(); // the inventory-book line stays
        } catch (const db::DbError& e) {
            shared_.ctx.dialogs.showDbError(e);
            return;
        }
    }
    showCount();
    if (copies_.isEmpty() && shared_.recordId() > 0)
        startFirstCopy();
}

void BookCopiesTab::multiply()
{
    if (shared_.recordId() <= 0)
        return;
    if (copies_.state() == db::RowSet::State::Insert || copies_.currentIndex() < 0) {
        shared_.ctx.dialogs.warning(QStringLiteral("Előbb mentse el a példányt, amelyről másolatot készít!"));
        return;
    }
    try {
        CopyRules(shared_.session)
            .multiply(copies_.rowAt(copies_.currentIndex()), shared_.storedRecord(), multiplyCount_->value());
        copies_.refresh();
        copies_.last();
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
    showCount();
}

void BookCopiesTab::step(bool forward)
{
    if (copies_.state() == db::RowSet::State::Insert && !copies_.isEmpty())
        copies_.cancel();
    if (forward)
        copies_.next();
    else
        copies_.previous();
    save_->setEnabled(shared_.recordId() > 0);
}

} // namespace zentar::catalogue::book
