#include "catalogue/BookRecordTab.h"

#include "catalogue/CardEditor.h"

#include "catalogue/BookRecords.h"
#include "catalogue/CodeLists.h"
#include "catalogue/Cutter.h"
#include "platform/CloseWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentar::catalogue::book {

namespace {

using platform::Field;

const QString kAuthorsHint = QStringLiteral("Több szerző esetén #-el válassza el az adatokat egymástól!");

QStringList nonEmpty(db::Connection& db, const QString& sql, const QString& column)
{
    QStringList out;
    for (const QVariantMap& row : db.rows(sql)) {
        const QString text = row.value(column).toString();
        if (!text.isEmpty())
            out << text;
    }
    return out;
}

void refill(QComboBox* combo, const QStringList& items)
{
    const QString text = combo->currentText();
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

} // namespace

BookRecordTab::BookRecordTab(BookShared& shared, QWidget* parent)
    : QWidget(parent), shared_(shared), search_(shared.ctx.db, shared.mode.docType), form_(shared.records, this)
{
    setObjectName(QStringLiteral("recordTab"));

    // Search bar.
    criterion_ = new QComboBox(this);
    criterion_->setObjectName(QStringLiteral("searchCriterion"));
    criterion_->addItems(BookSearch::captions());
    searchText_ = new QLineEdit(this);
    searchText_->setObjectName(QStringLiteral("searchText"));
    auto* searchButton = makeButton(QStringLiteral("Keresés"), QStringLiteral("btnSearch"), this);
    auto* previous = makeButton(QStringLiteral("<<"), QStringLiteral("btnPrevious"), this, QStringLiteral("Előző"));
    auto* next = makeButton(QStringLiteral(">>"), QStringLiteral("btnNext"), this, QStringLiteral("Következő"));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("recordCount"));
    auto* isbnImport = makeButton(QStringLiteral("ISBN Import"), QStringLiteral("btnIsbnImport"), this);
    isbnImport->setEnabled(false);
    auto* exit = makeButton(QStringLiteral("Kilépés"), QStringLiteral("btnExit"), this);
    connect(searchButton, &QPushButton::clicked, this, &BookRecordTab::search);
    connect(searchText_, &QLineEdit::returnPressed, this, &BookRecordTab::search);
    connect(previous, &QPushButton::clicked, this, [this] { step(false); });
    connect(next, &QPushButton::clicked, this, [this] { step(true); });
    connect(exit, &QPushButton::clicked, this, [this] { platform::closeWindow(window()); });
    auto* bar = new QHBoxLayout;
    bar->addWidget(criterion_);
    bar->addWidget(searchText_, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{searchButton, previous, next, count_, isbnImport, exit})
        bar->addWidget(w);

    // Record buttons.
    save_ = makeButton(QStringLiteral("Mentés"), QStringLiteral("btnSave"), this);
    auto* add = makeButton(QStringLiteral(" Új"), QStringLiteral("btnNew"), this);
    auto* copy = makeButton(QStringLiteral("Másol"), QStringLiteral("btnDuplicate"), this);
    auto* cutter = makeButton(QStringLiteral("Cutter"), QStringLiteral("btnCutter"), this);
    auto* import = makeButton(QStringLiteral("Import"), QStringLiteral("btnImport"), this,
                              QStringLiteral("Hunmarc import MOKKA-ból"));
    auto* print = makeButton(QStringLiteral("Nyomtat"), QStringLiteral("btnPrint"), this);
    auto* exportButton = makeButton(QStringLiteral("Export"), QStringLiteral("btnExport"), this);
    for (QPushButton* b : {import, exportButton})
        b->setEnabled(false);
    connect(save_, &QPushButton::clicked, this, &BookRecordTab::save);
    connect(add, &QPushButton::clicked, this, &BookRecordTab::newRecord);
    connect(copy, &QPushButton::clicked, this, &BookRecordTab::duplicate);
    connect(cutter, &QPushButton::clicked, this, &BookRecordTab::runCutter);
    connect(print, &QPushButton::clicked, this, &BookRecordTab::printCard);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {save_, add, copy, cutter, import, print, exportButton})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* grid = new QGridLayout;
    buildFields(grid);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addStretch();

    connect(&form_, &platform::DataForm::modifiedChanged, this, [this](bool modified) {
        if (modified)
            save_->setEnabled(true);
    });
    connect(&shared_.records, &db::RowSet::currentChanged, this, &BookRecordTab::showRecord);
    form_.onLeave(QStringLiteral("szerzo"), [this] {
        if (form_.text(QStringLiteral("raktj")).isEmpty() && !form_.text(QStringLiteral("szerzo")).isEmpty())
            runCutter();
    });
    fillPickers();
}

// The catalogue card of the record as it stands on the screen, in a new card editor.
void BookRecordTab::printCard()
{
    QVariantMap row;
    for (const QString& column : form_.columns())
        row.insert(column, form_.value(column));
    openBookCard(shared_.ctx, row);
}

void BookRecordTab::buildFields(QGridLayout* grid)
{
    // Left column.
    int row = 0;
    auto left = [&](const Field& f) { form_.addToGrid(grid, row++, 0, f); };
    left(Field::text("szakj", "Szakjelzet:").max(100));
    left(Field::text("raktj", "Raktári jelzet:").max(60).upper());
    left(Field::text("szerzo", "Szerző:").max(200));
    left(Field::text("kiegadat", "Kieg. adat:").max(200));
    left(Field::text("fc", "Főcím:").max(500));
    left(Field::text("ac", "Alcím:").max(500));
    left(Field::text("pc", "Párh. cím:").max(300));
    left(Field::text("pac", "Párh. alcím:").max(300));
    left(Field::text("szerad", "Szerz. adcsop.:").max(500));
    left(Field::text("kiadjel", "Kiadás jelzés:").max(100));
    left(Field::text("kiadas", "Kiadás:").max(200));

    publisherRow_ = new QWidget(this);
    auto* publisherLayout = new QHBoxLayout(publisherRow_);
    publisherLayout->setContentsMargins(0, 0, 0, 0);
    publisherPicker_ = new QComboBox(publisherRow_);
    publisherPicker_->setObjectName(QStringLiteral("kiadoPicker"));
    publisherPicker_->setEditable(true);
    auto* listPublisher = makeButton(QStringLiteral("Listára ment"), QStringLiteral("btnPublisherToList"), publisherRow_);
    publisherLayout->addWidget(publisherPicker_, 1);
    publisherLayout->addWidget(listPublisher);
    grid->addWidget(publisherRow_, row++, 1);
    connect(publisherPicker_->lineEdit(), &QLineEdit::editingFinished, this, &BookRecordTab::takePublisher);
    connect(publisherPicker_, &QComboBox::activated, this, &BookRecordTab::takePublisher);
    connect(listPublisher, &QPushButton::clicked, this, &BookRecordTab::addPublisherToList);

    left(Field::text("kiadev", "Kiadási év:").max(20));
    left(Field::text("nyomda", "Nyomda:").max(200));
    left(Field::text("ter", "Terjedelem:").max(100));
    left(Field::text("sc1", "Sorozat cím:").max(400));
    left(Field::text("issn", "ISSN:").max(100));
    left(Field::text("sc2", "2. sor cím:").max(300));
    left(Field::text("sorszam", "Sorozat szám:").max(60));
    const int leftRows = row;

    // Right column.
    row = 0;
    auto right = [&](const Field& f) { form_.addToGrid(grid, row++, 2, f); };
    right(Field::memo("megj", "Megjegyzés:").max(1200));
    right(Field::memo("tartmeg", "Tart. még:").max(2500).hint(QStringLiteral("Ide írja a kereshető címeket!")));
    right(Field::text("isbn", "ISBN:").max(200));
    right(Field::text("kotes", "Kötés:").max(100));
    {
        QWidget* price = form_.add(Field::decimal("ar", "Ár:"));
        QWidget* currency = form_.add(Field::text("pnem", QString()).max(10));
        currency->setMaximumWidth(70);
        auto* priceRow = new QHBoxLayout;
        priceRow->addWidget(price, 1);
        priceRow->addWidget(currency);
        grid->addWidget(form_.label(QStringLiteral("ar")), row, 2);
        grid->addLayout(priceRow, row++, 3);
        form_.label(QStringLiteral("pnem"))->hide();
    }
    right(Field::text("tmt", "TMT:").max(800));
    right(Field::text("kotet", "Kötet adatok:").max(800));
    right(Field::text("eto", "ETO:").max(300));
    right(Field::text("tft", "Tft:").max(1000).hint(kAuthorsHint));
    right(Field::text("mt", "Mt.:").max(1000).hint(kAuthorsHint));
    right(Field::text("tszo", "Tárgyszó:").max(1000));

    auto* subjectRow = new QHBoxLayout;
    subjectPicker_ = new QComboBox(this);
    subjectPicker_->setObjectName(QStringLiteral("targyszoPicker"));
    subjectPicker_->setEditable(true);
    auto* pickHash = makeButton(QStringLiteral("Kiválaszt #"), QStringLiteral("btnPickSubjectHash"), this);
    auto* pickDash = makeButton(QStringLiteral("Kiválaszt -"), QStringLiteral("btnPickSubjectDash"), this);
    auto* listSubject = makeButton(QStringLiteral("Tárgyszólistára tesz"), QStringLiteral("btnSubjectToList"), this);
    subjectRow->addWidget(subjectPicker_, 1);
    for (QPushButton* b : {pickHash, pickDash, listSubject})
        subjectRow->addWidget(b);
    grid->addLayout(subjectRow, row++, 3);
    connect(pickHash, &QPushButton::clicked, this, [this] { pickSubject(QStringLiteral("#")); });
    connect(pickDash, &QPushButton::clicked, this, [this] { pickSubject(QStringLiteral(" - ")); });
    connect(listSubject, &QPushButton::clicked, this, &BookRecordTab::addSubjectToList);

    QStringList languages = codes::fixedLanguages();
    right(Field::combo("nyelv", "Nyelv:", languages).max(40));
    {
        QWidget* references = form_.add(Field::text("utalo", "Utaló:").max(1000));
        auto* arrow = makeButton(QStringLiteral("-->"), QStringLiteral("btnReference"), this);
        connect(arrow, &QPushButton::clicked, this, &BookRecordTab::appendReference);
        auto* referenceRow = new QHBoxLayout;
        referenceRow->addWidget(references, 1);
        referenceRow->addWidget(arrow);
        grid->addWidget(form_.label(QStringLiteral("utalo")), row, 2);
        grid->addLayout(referenceRow, row++, 3);
    }
    right(Field::combo("irmufaj", "Irodalmi műfaj:", codes::literaryGenres()).max(60));
    addStampRows(form_, grid, row);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    for (QPlainTextEdit* memo : findChildren<QPlainTextEdit*>())
        memo->setFixedHeight(52);
    Q_UNUSED(leftRows);

    for (const QString& column : shared_.mode.disabledColumns)
        form_.setFieldEnabled(column, false);
    form_.label(QStringLiteral("isbn"))->setText(shared_.mode.isbnCaption);
}

void BookRecordTab::fillPickers()
{
    try {
        db::Connection& db = shared_.ctx.db;
        QStringList languages = codes::fixedLanguages();
        languages << nonEmpty(db, QStringLiteral("select nyelv from nyelv order by nyelv"), QStringLiteral("nyelv"));
        auto* language = form_.editor<QComboBox>(QStringLiteral("nyelv"));
        {
            const QString text = language->currentText();
            const QSignalBlocker block(language);
            language->clear();
            language->addItems(languages);
            language->setCurrentIndex(-1);
            language->setEditText(text);
        }
        refill(publisherPicker_, nonEmpty(db, QStringLiteral("select kiado from kiadok order by kiado"),
                                          QStringLiteral("kiado")));
        refill(subjectPicker_, nonEmpty(db, QStringLiteral("select targyszo from targyszo order by targyszo"),
                                        QStringLiteral("targyszo")));
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
}

void BookRecordTab::showRecord()
{
    db::RowSet& records = shared_.records;
    if (!records.isEditing() && records.currentIndex() < 0) {
        // Nothing found or nothing loaded yet: the form stands ready for a new record.
        newRecord();
        return;
    }
    if (shared_.recordId() <= 0)
        return;
    searchText_->clear();
    save_->setEnabled(true);
    count_->show();
    count_->setText(countText(search_.count(BookSearch::fromCaption(criterion_->currentText()), records)));
    publisherRow_->setVisible(form_.text(QStringLiteral("kiadas")).isEmpty());
}

void BookRecordTab::search()
{
    try {
        const auto outcome
            = search_.run(BookSearch::fromCaption(criterion_->currentText()), searchText_->text(), shared_.records);
        count_->show();
        count_->setText(countText(outcome.count));
        if (!outcome.message.isEmpty())
            shared_.ctx.dialogs.information(outcome.message);
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
}

void BookRecordTab::step(bool forward)
{
    try {
        const auto criterion = BookSearch::fromCaption(criterion_->currentText());
        if (search_.step(criterion, forward, shared_.records))
            count_->setText(countText(search_.count(criterion, shared_.records)));
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
}

void BookRecordTab::newRecord()
{
    emit recordStarted();
    count_->hide();
    searchText_->clear();
    db::RowSet& records = shared_.records;
    records.append();
    records.setValue(QStringLiteral("nyelv"), codes::DefaultLanguage);
    records.setValue(QStringLiteral("pnem"), codes::DefaultBookCurrency);
    subjectPicker_->setCurrentIndex(-1);
    subjectPicker_->clearEditText();
    publisherPicker_->setCurrentIndex(-1);
    publisherPicker_->clearEditText();
    publisherRow_->show();
    save_->setEnabled(true);
    form_.focus(QStringLiteral("szakj"));
}

bool BookRecordTab::save()
{
    if (form_.text(QStringLiteral("fc")).trimmed().isEmpty()) {
        shared_.ctx.dialogs.warning(BookRecords::titleRequiredMessage());
        form_.focus(QStringLiteral("fc"));
        return false;
    }
    QString error;
    try {
        if (!form_.writeBack(&error)) {
            shared_.ctx.dialogs.warning(error);
            return false;
        }
        error = BookRecords(shared_.session).save(shared_.records);
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
        return false;
    }
    if (!error.isEmpty()) {
        shared_.ctx.dialogs.warning(error);
        return false;
    }
    save_->setEnabled(false);
    emit scrollTop();
    return true;
}

void BookRecordTab::duplicate()
{
    QVariantMap values;
    for (const QString& column : BookRecords::duplicatedColumns())
        values.insert(column, form_.value(column));
    try {
        const int id = BookRecords(shared_.session).duplicate(values, form_.text(QStringLiteral("nyelv")));
        searchText_->clear();
        shared_.records.setSelect(QStringLiteral("select * from konyv where id = ?"), {id});
        shared_.records.open();
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
}

void BookRecordTab::runCutter()
{
    try {
        const auto mark = cutter::codedLookup(shared_.ctx.db, form_.text(QStringLiteral("szerzo")),
                                              form_.text(QStringLiteral("fc")));
        if (mark)
            form_.setValue(QStringLiteral("raktj"), mark->toUpper());
        else if (form_.text(QStringLiteral("fc")).isEmpty())
            form_.focus(QStringLiteral("fc"));
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
}

void BookRecordTab::appendReference()
{
    form_.setValue(QStringLiteral("utalo"), BookRecords::appendReference(form_.text(QStringLiteral("utalo")),
                                                                          form_.text(QStringLiteral("szerzo"))));
}

void BookRecordTab::pickSubject(const QString& separator)
{
    const QString picked = subjectPicker_->currentText();
    if (picked.isEmpty())
        return;
    form_.setValue(QStringLiteral("tszo"),
                   BookRecords::appendSubject(form_.text(QStringLiteral("tszo")), picked, separator));
}

void BookRecordTab::addSubjectToList()
{
    try {
        const QString text = subjectPicker_->currentText();
        if (BookRecords(shared_.session).addSubject(text))
            subjectPicker_->addItem(text);
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
}

void BookRecordTab::addPublisherToList()
{
    try {
        const QString text = publisherPicker_->currentText();
        if (BookRecords(shared_.session).addPublisher(text))
            publisherPicker_->addItem(text);
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
}

void BookRecordTab::takePublisher()
{
    // An empty picker leaves the publication statement as typed.
    const QString text = publisherPicker_->currentText();
    if (!text.isEmpty() && text != form_.text(QStringLiteral("kiadas")))
        form_.setValue(QStringLiteral("kiadas"), text);
}

void BookRecordTab::reenter()
{
    fillPickers();
    searchText_->clear();
    searchText_->setFocus();
}

} // namespace zentar::catalogue::book
