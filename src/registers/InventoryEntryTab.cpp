#include "registers/InventoryEntryTab.h"

#include "catalogue/CodeLists.h"
#include "db/Keys.h"
#include "platform/AppContext.h"
#include "registers/InventoryBookSession.h"
#include "registers/Widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zentar::registers {

using platform::Field;
namespace ib = inventorybook;

namespace {

const QStringList kColumns = {
    QStringLiteral("id"),
    QStringLiteral("doktipus"),
    QStringLiteral("lbetu"),
    QStringLiteral("lszam"),
    QStringLiteral("lszam2"),
    QStringLiteral("kelet"),
    QStringLiteral("cim"),
    QStringLiteral("szerzo"),
    QStringLiteral("kotet"),
    QStringLiteral("megjev"),
    QStringLiteral("egyszam"),
    QStringLiteral("szakj"),
    QStringLiteral("raktj"),
    QStringLiteral("beszmod"),
    QStringLiteral("ar"),
    QStringLiteral("pnem"),
    QStringLiteral("gynyt"),
    QStringLiteral("tnyt"),
    QStringLiteral("jegyzet"),
    QStringLiteral("lhely"),
    QStringLiteral("megvane"),
    QStringLiteral("alldatum"),
    QStringLiteral("lmegj"),
    QStringLiteral("nemz"),
    QStringLiteral("kvtaros1"),
    QStringLiteral("kvtaros2"),
    QStringLiteral("mdatum"),
    QStringLiteral("statusz"),
};

} // namespace

void setInventoryStatements(db::RowSet& rows)
{
    QStringList values;
    QStringList sets;
    for (const QString& c : kColumns) {
        values << QLatin1Char(':') + c;
        sets << c + QStringLiteral("=:") + c;
    }
    rows.setInsertSql(QStringLiteral("insert into lkonyv (%1) values (%2)")
                          .arg(kColumns.join(QLatin1Char(',')), values.join(QLatin1Char(','))));
    rows.setUpdateSql(QStringLiteral("update lkonyv set %1 where id=:old_id").arg(sets.join(QLatin1Char(','))));
    rows.setDeleteSql(QStringLiteral("delete from lkonyv where id=:old_id"));
}

InventoryEntryTab::InventoryEntryTab(InventoryBookSession& session, QWidget* parent)
    : QWidget(parent)
    , session_(session)
    , form_(session.rows, this)
{
    setObjectName(QStringLiteral("tabAdatbevitel"));

    // The search panel.
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("doktipus"));
    type_->addItems(ib::documentTypes());
    type_->setCurrentIndex(0);
    criterion_ = new QComboBox(this);
    criterion_->setObjectName(QStringLiteral("szempont"));
    criterion_->addItems(ib::searchCriteria());
    criterion_->setPlaceholderText(QStringLiteral("Leltári szám"));
    criterion_->setCurrentIndex(-1);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("keresoszoveg"));
    connect(text_, &QLineEdit::returnPressed, this, &InventoryEntryTab::search);
    auto* searchButton = makeButton(QStringLiteral("keresés"), "btnSearch", this);
    auto* previousButton = makeButton(QStringLiteral("Előző"), "btnPrevious", this);
    previousButton->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    auto* nextButton = makeButton(QStringLiteral("Következő"), "btnNext", this);
    nextButton->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    connect(searchButton, &QPushButton::clicked, this, &InventoryEntryTab::search);
    connect(previousButton, &QPushButton::clicked, this, &InventoryEntryTab::previous);
    connect(nextButton, &QPushButton::clicked, this, &InventoryEntryTab::next);
    count_ = new QLabel(QStringLiteral("0"), this);
    count_->setObjectName(QStringLiteral("talalat"));
    count_->setMinimumWidth(40);
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* searchBox = new QGroupBox(this);
    auto* searchRow = new QHBoxLayout(searchBox);
    searchRow->addWidget(type_);
    searchRow->addWidget(criterion_);
    searchRow->addWidget(text_, 1);
    searchRow->addWidget(searchButton);
    searchRow->addWidget(previousButton);
    searchRow->addWidget(nextButton);
    searchRow->addWidget(count_);
    searchRow->addWidget(new QLabel(QStringLiteral("db"), this));

    auto* page = new QWidget(this);
    buildForm(page);

    auto* add = makeButton(QStringLiteral("Új tétel"), "btnNew", this);
    save_ = makeButton(QStringLiteral("Mentés"), "btnSave", this);
    save_->setEnabled(false);
    auto* del = makeButton(QStringLiteral("Törlés"), "btnDelete", this);
    auto* exit = makeButton(QStringLiteral("Kilépés"), "btnExit", this);
    connect(add, &QPushButton::clicked, this, &InventoryEntryTab::newLine);
    connect(save_, &QPushButton::clicked, this, &InventoryEntryTab::save);
    connect(del, &QPushButton::clicked, this, &InventoryEntryTab::remove);
    connect(exit, &QPushButton::clicked, this, &InventoryEntryTab::exitRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : { add, save_, del, exit })
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(searchBox);
    layout->addWidget(page, 1);
    layout->addLayout(buttons);

    // A change typed into the line can always be saved; a search, a list or a walk clears the
    // new-line mark.
    connect(&form_, &platform::DataForm::modifiedChanged, this, [this](bool modified) {
        if (modified && (session_.rows.isEditing() || session_.rows.currentIndex() >= 0))
            save_->setEnabled(true);
    });
    connect(&form_, &platform::DataForm::loaded, this, &InventoryEntryTab::loadPresence);
    connect(&session_.rows, &db::RowSet::reloaded, this, [this] {
        newLine_ = false;
        save_->setEnabled(!session_.rows.isEmpty());
        showCount();
    });
}

void InventoryEntryTab::buildForm(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    // Places a field's label at (row, column) and its editor next to it.
    auto place = [&](int row, int column, const Field& field, int span = 1) {
        form_.addToGrid(grid, row, column, field, span);
    };
    // Several editors in one cell, after the first field's label.
    auto together = [&](int row, int column, const QList<Field>& fields, const QString& separator = {}) {
        auto* box = new QHBoxLayout;
        box->setContentsMargins(0, 0, 0, 0);
        for (int i = 0; i < fields.size(); ++i) {
            QWidget* editor = form_.add(fields.at(i));
            if (i == 0)
                grid->addWidget(form_.label(fields.at(i).column), row, column);
            else if (QLabel* label = form_.label(fields.at(i).column))
                label->hide();
            if (i > 0 && !separator.isEmpty())
                box->addWidget(new QLabel(separator, page));
            box->addWidget(editor, 1);
        }
        grid->addLayout(box, row, column + 1);
    };

    place(0, 0, Field::text("lbetu", "Leltári betű").max(10));
    place(0, 2, Field::number("id", "Sorszám").readonly());
    together(1, 0, { Field::number("lszam", "Leltári szám"), Field::number("lszam2", "") }, QStringLiteral(" / "));
    place(1, 2, Field::date("kelet", "Kelet").readonly());
    place(2, 0, Field::text("cim", "Cím").max(500), 3);
    place(3, 0, Field::text("szerzo", "Szerző").max(200), 3);
    place(4, 0, Field::text("kotet", "Kötetjelzés").max(100));
    place(4, 2, Field::text("megjev", "Megj. év").max(20));
    place(5, 0, Field::number("egyszam", "Egység száma"));
    together(5, 2, { Field::text("szakj", "Raktári jelzet").max(100), Field::text("raktj", "").max(60) });
    place(6, 0, Field::combo("beszmod", "Besz. mód", catalogue::codes::acquisitionModes()).max(40));
    together(6, 2, { Field::decimal("ar", "Beszerzési ár"), Field::text("pnem", "").max(10) });
    place(7, 0, Field::text("gynyt", "Gyar. nyt.").max(20));
    place(7, 2, Field::text("tnyt", "Törlési nyt.").max(20));
    place(8, 0, Field::text("jegyzet", "Lelt. jegyzet").max(200));
    QStringList locations;
    try {
        locations = ib::locations(session_.context.db, true);
    } catch (const db::DbError& error) {
        session_.context.dialogs.showDbError(error);
    }
    place(8, 2, Field::combo("lhely", "Lelőhely", locations).max(60));
    place(9, 0, Field::text("lmegj", "Megjegyzés").max(500), 3);
    place(10, 0, Field::text("alldatum", "Utolsó állományellenőrzés dátuma").max(20));

    // "Megvan-e a dokumentum?": "Igen" stores "i", "Nem" stores "n"; a line with neither shows
    // neither.
    auto* presence = new QGroupBox(QStringLiteral("Megvan-e a dokumentum?"), page);
    presence->setObjectName(QStringLiteral("megvane"));
    auto* presenceRow = new QHBoxLayout(presence);
    present_ = new QRadioButton(QStringLiteral("Igen"), presence);
    present_->setObjectName(QStringLiteral("megvaneIgen"));
    missing_ = new QRadioButton(QStringLiteral("Nem"), presence);
    missing_->setObjectName(QStringLiteral("megvaneNem"));
    presenceRow->addWidget(present_);
    presenceRow->addWidget(missing_);
    presenceRow->addStretch();
    for (QRadioButton* b : { present_, missing_ }) {
        connect(b, &QRadioButton::clicked, this, [this] {
            presenceChanged_ = true;
            form_.setModified(true);
        });
    }
    grid->addWidget(presence, 10, 2, 1, 2);

    place(11, 0, Field::text("kvtaros1", "Könyvtáros").readonly());
    together(11, 2, { Field::text("kvtaros2", "Módosította").readonly(), Field::date("mdatum", "").readonly() });
    grid->setRowStretch(12, 1);
}

QString InventoryEntryTab::documentType() const
{
    return ib::documentTypeAt(type_->currentIndex());
}

ib::SearchBy InventoryEntryTab::criterion() const
{
    const int index = criterion_->currentIndex();
    return index >= 0 && index <= 2 ? ib::SearchBy(index) : ib::SearchBy::None;
}

void InventoryEntryTab::open(const ib::Statement& statement)
{
    try {
        session_.rows.setSelect(statement.sql, statement.params);
        session_.rows.open();
    } catch (const db::DbError& error) {
        session_.context.dialogs.showDbError(error);
    }
}

void InventoryEntryTab::search()
{
    session_.lastType = documentType();
    open(ib::searchStatement(session_.lastType, criterion(), text_->text()));
}

void InventoryEntryTab::step(int delta)
{
    db::RowSet& rows = session_.rows;
    if (criterion() != ib::SearchBy::None || rows.count() >= 2) {
        if (delta < 0)
            rows.previous();
        else
            rows.next();
        return;
    }
    // With fewer than two lines and no criterion the buttons walk the book by inventory number.
    const qint64 number = rows.value(QStringLiteral("lszam")).toLongLong();
    if (number > 1)
        open(ib::walkStatement(number + delta));
}

void InventoryEntryTab::showCount()
{
    count_->setText(QString::number(session_.rows.count()));
}

void InventoryEntryTab::loadPresence()
{
    const QString value = session_.rows.value(QStringLiteral("megvane")).toString();
    for (QRadioButton* b : { present_, missing_ }) {
        b->setAutoExclusive(false);
        b->setChecked(false);
    }
    present_->setChecked(value == QLatin1String("i"));
    missing_->setChecked(value == QLatin1String("n"));
    for (QRadioButton* b : { present_, missing_ })
        b->setAutoExclusive(true);
    presenceChanged_ = false;
}

void InventoryEntryTab::newLine()
{
    db::RowSet& rows = session_.rows;
    try {
        if (!rows.isOpen()) {
            const ib::Statement none = ib::emptyStatement();
            rows.setSelect(none.sql, none.params);
            rows.open();
        }
    } catch (const db::DbError& error) {
        session_.context.dialogs.showDbError(error);
        return;
    }
    rows.append();
    save_->setEnabled(true);
    newLine_ = true;
    form_.focus(QStringLiteral("lbetu"));
}

bool InventoryEntryTab::save()
{
    db::RowSet& rows = session_.rows;
    if (!rows.isEditing() && rows.currentIndex() < 0)
        return false;
    QString error;
    if (!form_.writeBack(&error)) {
        session_.context.dialogs.warning(error);
        return false;
    }
    try {
        if (presenceChanged_ && (present_->isChecked() || missing_->isChecked()))
            rows.setValue(QStringLiteral("megvane"), present_->isChecked() ? QStringLiteral("i") : QStringLiteral("n"));
        if (newLine_) {
            rows.setValue(
                QStringLiteral("id"), db::nextKey(session_.context.db, QStringLiteral("lkonyv"), QStringLiteral("id")));
        } else {
            const QString name = session_.context.login.librarianName();
            rows.setValue(QStringLiteral("kvtaros2"), name.isEmpty() ? QVariant() : QVariant(name));
            rows.setValue(QStringLiteral("mdatum"), session_.context.today());
        }
        rows.setValue(QStringLiteral("doktipus"), documentType());
        rows.apply();
    } catch (const db::DbError& e) {
        session_.context.dialogs.showDbError(e);
        return false;
    }
    save_->setEnabled(false);
    newLine_ = false;
    showCount();
    return true;
}

void InventoryEntryTab::remove()
{
    db::RowSet& rows = session_.rows;
    if (!rows.isEditing() && rows.currentIndex() < 0)
        return;
    if (!session_.context.dialogs.confirmDelete())
        return;
    try {
        rows.remove();
    } catch (const db::DbError& error) {
        session_.context.dialogs.showDbError(error);
        return;
    }
    newLine_ = false;
    showCount();
}

} // namespace zentar::registers
