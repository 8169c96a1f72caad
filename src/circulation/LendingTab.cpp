#include "circulation/LendingTab.h"

#include "circulation/RegistrationTab.h"
#include "db/DateText.h"
#include "platform/AppContext.h"
#include "platform/Buttons.h"
#include "platform/CloseWindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zentar::circulation {

namespace {

using platform::makeButton;

QString text(const QVariantMap& row, const char* column)
{
    return row.value(QString::fromLatin1(column)).toString().trimmed();
}

QString dateText(const QVariant& value)
{
    const QDate d = value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate();
    return db::datetext::display(d);
}

// The loan list's columns: caption and kolcson column.
const struct {
    const char* caption;
    const char* column;
} loanColumns[] = { { "Részleg", "reszleg" }, { "Szerző", "szerzo" }, { "Cím", "cim" }, { "Kölcs. D", "kolcsdatum" },
    { "Hossz.", "statusz" }, { "Lejár D", "lejardatum" }, { "Lelt.sz.", "lszam" }, { "Dok. típus", "doktipus" },
    { "Kvtáros", "kvkod" } };

} // namespace

QLineEdit* LendingTab::field(const char* name, QWidget* parent, bool readOnly)
{
    auto* f = new QLineEdit(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setReadOnly(readOnly);
    if (readOnly)
        f->setFocusPolicy(Qt::ClickFocus);
    return f;
}

LendingTab::LendingTab(
    platform::AppContext& context, const CirculationSession& session, RegistrationTab& registration, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , session_(session)
    , registration_(registration)
    , desk_(context.db, context.dialogs, session)
{
    setObjectName(QStringLiteral("lendingTab"));

    // Reader panel.
    auto* readerBox = new QGroupBox(QStringLiteral("Az olvasó adatai"), this);
    readerBox->setToolTip(QStringLiteral("Olvasó adatai"));
    auto* readerForm = new QFormLayout;
    const struct {
        const char* caption;
        const char* name;
    } readerFields[]
        = { { "Név:", "lendingReaderName" }, { "Szül. idő:", "lendingReaderBirth" }, { "Cím:", "lendingReaderAddress" },
              { "Nyilv. szám:", "lendingReaderNumber" }, { "Beiratk. hely, idő:", "lendingReaderRegistered" },
              { "Osztály:", "lendingReaderClass" }, { "Foglalkozás:", "lendingReaderOccupation" },
              { "Megj:", "lendingReaderNote" }, { "Felszólító:", "lendingKeskod" },
              { "Késedelmi díj:", "lendingKesdij" }, { "Kölcsönözhető dokumentumok száma:", "lendingKolcsdok" } };
    for (const auto& f : readerFields)
        readerForm->addRow(QString::fromUtf8(f.caption), field(f.name, readerBox));
    readerSearchBy_ = new QComboBox(readerBox);
    readerSearchBy_->setObjectName(QStringLiteral("readerSearchBy"));
    readerSearchBy_->addItems(readers::searchCaptions());
    readerSearchText_ = field("readerSearchText", readerBox, false);
    readerSearchText_->setMaxLength(39);
    readerSearchText_->setToolTip(QStringLiteral("Olvasó neve vagy vonalkódja"));
    auto* readerSearch = makeButton(QStringLiteral("Keresés"), "btnReaderSearch", readerBox);
    auto* readerPrevious = makeButton(QStringLiteral("&<<"), "btnReaderPrevious", readerBox);
    auto* readerNext = makeButton(QStringLiteral("&>>"), "btnReaderNext", readerBox);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Keresés:"), readerBox));
    searchRow->addWidget(readerSearchBy_);
    searchRow->addWidget(readerSearchText_, 1);
    searchRow->addWidget(readerSearch);
    searchRow->addWidget(readerPrevious);
    searchRow->addWidget(readerNext);
    auto* readerButtons = new QHBoxLayout;
    auto* payButton = makeButton(QStringLiteral("Fizet"), "btnPay", readerBox, QStringLiteral("Tartozás kiegyenlítése"));
    auto* printButton = makeButton(QStringLiteral(" Nyomtatás"), "btnPrintReceipt", readerBox,
        QStringLiteral("Kölcsönzést igazoló szelvény nyomtatása"));
    auto* voucher = makeButton(QStringLiteral("Bizonylat"), "btnVoucher", readerBox);
    voucher->setEnabled(false);
    auto* clearReservation = makeButton(QStringLiteral("Előjegyzés törlése"), "btnClearReservation", readerBox);
    auto* help = makeButton(QStringLiteral("Súgó"), "btnLendingHelp", readerBox);
    auto* close = makeButton(QStringLiteral(" Kilép"), "btnLendingClose", readerBox);
    for (int i = 0; i < 2; ++i) {
        indicators_[i] = makeButton(QStringLiteral("!"), i == 0 ? "indicator1" : "indicator2", readerBox);
        indicators_[i]->setFocusPolicy(Qt::NoFocus);
        indicators_[i]->setFixedWidth(28);
        indicators_[i]->setFlat(true);
    }
    for (QWidget* w : std::initializer_list<QWidget*> {
             indicators_[0], payButton, printButton, voucher, clearReservation, help, close, indicators_[1] })
        readerButtons->addWidget(w);
    auto* readerLayout = new QVBoxLayout(readerBox);
    readerLayout->addLayout(searchRow);
    readerLayout->addLayout(readerForm);
    readerLayout->addLayout(readerButtons);

    // Document panel.
    auto* docBox = new QGroupBox(QStringLiteral("A dokumentum adatai: "), this);
    docSearchText_ = field("docSearchText", docBox, false);
    docSearchText_->setMaxLength(15);
    docSearchBy_ = new QComboBox(docBox);
    docSearchBy_->setObjectName(QStringLiteral("docSearchBy"));
    docSearchBy_->addItems(lending::findCaptions());
    auto* docSearch = makeButton(QStringLiteral(" Keres"), "btnDocSearch", docBox);
    auto* docRow = new QHBoxLayout;
    docRow->addWidget(new QLabel(QStringLiteral("Keresés:"), docBox));
    docRow->addWidget(docSearchText_, 1);
    docRow->addWidget(docSearchBy_);
    docRow->addWidget(new QLabel(QStringLiteral("alapján:"), docBox));
    docRow->addWidget(docSearch);
    auto* docForm = new QFormLayout;
    const struct {
        const char* caption;
        const char* name;
    } docFields[] = { { "Szerző:", "docAuthor" }, { "Főcím:", "docTitle" }, { "Lelt sz:", "docInventory" },
        { "Szakjelzet:", "docClassMark" }, { "Raktári.j:", "docShelfMark" }, { "Lelőhely:", "docLocation" },
        { "Dok. típus:", "docType" }, { "Kölcsönzési státusz:", "docCode" } };
    for (const auto& f : docFields)
        docForm->addRow(QString::fromUtf8(f.caption), field(f.name, docBox));
    note_ = field("kpldMegj", docBox, false);
    noteSave_ = makeButton(QStringLiteral(" Mentés"), "btnNoteSave", docBox, QStringLiteral("Megjegyzés mentése"));
    noteSave_->setEnabled(false);
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(note_, 1);
    noteRow->addWidget(noteSave_);
    docForm->addRow(QStringLiteral("Megj.:"), noteRow);
    docPrevious_ = makeButton(QStringLiteral("<<"), "btnDocPrevious", docBox);
    docNext_ = makeButton(QStringLiteral(">>"), "btnDocNext", docBox);
    docCount_ = new QLabel(docBox);
    docCount_->setObjectName(QStringLiteral("docCount"));
    docPrevious_->setEnabled(false);
    docNext_->setEnabled(false);
    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(docPrevious_);
    stepRow->addWidget(docNext_);
    stepRow->addWidget(docCount_);
    stepRow->addStretch();
    auto* docLayout = new QVBoxLayout(docBox);
    docLayout->addLayout(docRow);
    docLayout->addLayout(docForm);
    docLayout->addLayout(stepRow);

    // Loan data panel.
    auto* loanBox = new QGroupBox(QStringLiteral("Kölcsönzési adatok"), this);
    auto* loanForm = new QFormLayout(loanBox);
    loanForm->addRow(QStringLiteral("Kölcsönözte:"), field("loanKvtaros", loanBox));
    loanForm->addRow(QStringLiteral("Lejár. dátum:"), field("loanLejardatum", loanBox));
    newDue_ = field("newDue", loanBox);
    loanForm->addRow(QStringLiteral("Új határidő:"), newDue_);
    docLayout->addWidget(loanBox);

    // Loan list and the circulation buttons.
    auto* listLabel = new QLabel(QStringLiteral("Az olvasónál lévő dokumentumok listája."), this);
    loanCount_ = new QLabel(QStringLiteral("Száma :"), this);
    loanCount_->setObjectName(QStringLiteral("loanCount"));
    loans_ = new QTableWidget(0, int(std::size(loanColumns)), this);
    loans_->setObjectName(QStringLiteral("loans"));
    loans_->setToolTip(QStringLiteral("Jelmagyarázat: kattintson duplán a táblázatra!"));
    loans_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    loans_->setSelectionBehavior(QAbstractItemView::SelectRows);
    loans_->setSelectionMode(QAbstractItemView::SingleSelection);
    loans_->verticalHeader()->hide();
    QStringList captions;
    for (const auto& c : loanColumns)
        captions << QString::fromUtf8(c.caption);
    loans_->setHorizontalHeaderLabels(captions);
    loans_->horizontalHeader()->setStretchLastSection(true);
    lend_ = makeButton(QStringLiteral("  Kölcsönzés"), "btnLend", this);
    extend_ = makeButton(QStringLiteral("&Hosszabbítás"), "btnExtend", this);
    giveBack_ = makeButton(QStringLiteral(" &Visszahozatal"), "btnReturn", this);
    returnAll_ = makeButton(QStringLiteral("Mind visszahoz"), "btnReturnAll", this);
    extendAll_ = makeButton(QStringLiteral("Mind hosszabbít"), "btnExtendAll", this,
        QStringLiteral("Az olvasónál lévő összes dokumentum lejárati idejének meghosszabítása"));
    auto* actions = new QVBoxLayout;
    for (QPushButton* b : { lend_, extend_, giveBack_, returnAll_, extendAll_ }) {
        b->setEnabled(false);
        actions->addWidget(b);
    }
    actions->addStretch();
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lendingStatus"));

    auto* top = new QHBoxLayout;
    top->addWidget(readerBox, 1);
    top->addWidget(docBox, 1);
    auto* listHeader = new QHBoxLayout;
    listHeader->addWidget(listLabel);
    listHeader->addStretch();
    listHeader->addWidget(loanCount_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(loans_, 1);
    bottom->addLayout(actions);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(listHeader);
    layout->addLayout(bottom, 1);
    layout->addWidget(status_);

    blink_ = new QTimer(this);
    blink_->setInterval(1000);
    connect(blink_, &QTimer::timeout, this, [this] {
        blinkPhase_ = !blinkPhase_;
        indicators_[0]->setStyleSheet(blinkPhase_ ? QStringLiteral("background: red") : QString());
        indicators_[1]->setStyleSheet(blinkPhase_ ? QString() : QStringLiteral("background: red"));
    });

    connect(readerSearch, &QPushButton::clicked, this, &LendingTab::searchReader);
    connect(readerSearchText_, &QLineEdit::returnPressed, this, &LendingTab::searchReader);
    connect(readerPrevious, &QPushButton::clicked, this, [this] {
        loans_->setRowCount(0);
        registration_.previous();
    });
    connect(readerNext, &QPushButton::clicked, this, [this] {
        loans_->setRowCount(0);
        registration_.next();
    });
    connect(docSearch, &QPushButton::clicked, this, &LendingTab::searchDocument);
    connect(docSearchText_, &QLineEdit::returnPressed, this, &LendingTab::searchDocument);
    connect(docPrevious_, &QPushButton::clicked, this, [this] { stepCopy(-1); });
    connect(docNext_, &QPushButton::clicked, this, [this] { stepCopy(1); });
    connect(lend_, &QPushButton::clicked, this, &LendingTab::lend);
    connect(extend_, &QPushButton::clicked, this, &LendingTab::extend);
    connect(giveBack_, &QPushButton::clicked, this, &LendingTab::giveBack);
    connect(returnAll_, &QPushButton::clicked, this, &LendingTab::returnAll);
    connect(extendAll_, &QPushButton::clicked, this, &LendingTab::extendAll);
    connect(payButton, &QPushButton::clicked, this, &LendingTab::pay);
    connect(noteSave_, &QPushButton::clicked, this, &LendingTab::saveNote);
    connect(clearReservation, &QPushButton::clicked, this, &LendingTab::clearReservation);
    connect(printButton, &QPushButton::clicked, this, &LendingTab::printReceipt);
    connect(help, &QPushButton::clicked, this, &LendingTab::showHelp);
    connect(close, &QPushButton::clicked, this, [this] { window()->close(); });
    connect(loans_, &QTableWidget::cellClicked, this, [this](int row, int) { selectLoan(row); });
    connect(loans_, &QTableWidget::cellDoubleClicked, this, [this](int, int) { showLegend(); });

    connect(&registration_, &RegistrationTab::readerShown, this, [this] {
        showReaderPanel();
        reloadLoans();
    });
    connect(&registration_, &RegistrationTab::readerFound, this, [this] {
        try {
            desk_.recordVisit(reader());
        } catch (const std::exception& error) {
            fail(error);
        }
        docSearchText_->setFocus();
    });
    connect(&registration_, &RegistrationTab::readerCleared, this, [this] {
        showReaderPanel();
        reloadLoans();
    });
}

QVariantMap LendingTab::reader() const
{
    return registration_.reader();
}

bool LendingTab::attempt(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        fail(error);
        return false;
    }
}

void LendingTab::fail(const std::exception& error)
{
    if (const auto* dbError = dynamic_cast<const db::DbError*>(&error))
        context_.dialogs.showDbError(*dbError);
    else
        context_.dialogs.error(QString::fromLocal8Bit(error.what()));
}

bool LendingTab::blinking() const
{
    return blink_->isActive();
}

void LendingTab::startBlinking()
{
    blink_->start();
}

void LendingTab::stopBlinking()
{
    blink_->stop();
    blinkPhase_ = false;
    for (QPushButton* b : indicators_)
        b->setStyleSheet(QString());
}

void LendingTab::showReaderPanel()
{
    const QVariantMap r = reader();
    const readers::ReaderFacts& f = registration_.facts();
    const auto set = [this](const char* name, const QString& value) {
        findChild<QLineEdit*>(QString::fromLatin1(name))->setText(value);
    };
    set("lendingReaderName", text(r, "nev"));
    const QDate birth = r.value(QStringLiteral("szulido")).toDate();
    set("lendingReaderBirth", db::datetext::displayIfAfter(birth, db::datetext::birthSentinel()));
    set("lendingReaderAddress", r.isEmpty() ? QString() : f.address);
    set("lendingReaderNumber", text(r, "nyilvszam"));
    set("lendingReaderRegistered",
        r.isEmpty() ? QString()
                    : (text(r, "reszleg") + QStringLiteral(" ") + dateText(r.value("beirdatum"))).trimmed());
    set("lendingReaderClass", text(r, "oszt1") + text(r, "oszt2"));
    set("lendingReaderOccupation", text(r, "fogl"));
    set("lendingReaderNote", text(r, "megj"));
    set("lendingKeskod", r.isEmpty() ? QString() : QString::number(r.value(QStringLiteral("keskod")).toInt()));
    set("lendingKesdij", f.lateFee);
    set("lendingKolcsdok", r.isEmpty() ? QString() : f.loanAllowance);
}

void LendingTab::reloadLoans()
{
    loanRows_.clear();
    const QString barcode = text(reader(), "vonalkod");
    try {
        if (!barcode.isEmpty())
            loanRows_ = lending::loansOf(context_.db, barcode);
    } catch (const std::exception& error) {
        fail(error);
    }
    loans_->setRowCount(int(loanRows_.size()));
    for (int row = 0; row < loanRows_.size(); ++row) {
        for (int col = 0; col < int(std::size(loanColumns)); ++col) {
            const QString column = QString::fromLatin1(loanColumns[col].column);
            const QVariant value = loanRows_[row].value(column);
            const bool isDate = column.endsWith(QLatin1String("datum"));
            loans_->setItem(row, col, new QTableWidgetItem(isDate ? dateText(value) : value.toString().trimmed()));
        }
    }
    loans_->resizeColumnsToContents();
    loanCount_->setText(QStringLiteral("Száma : %1").arg(loanRows_.size()));
    const bool any = !loanRows_.isEmpty();
    returnAll_->setEnabled(any);
    extendAll_->setEnabled(any);
}

void LendingTab::searchReader()
{
    stopBlinking();
    loans_->setRowCount(0);
    noteSave_->setEnabled(true);
    // A name is matched lower-cased as a prefix of at most 40 characters; a barcode exactly.
    registration_.searchFor(readers::SearchBy(readerSearchBy_->currentIndex()), readerSearchText_->text(), 40);
}

void LendingTab::setSingleLoanButtons(bool lend, bool extend, bool giveBack)
{
    lend_->setEnabled(lend);
    extend_->setEnabled(extend);
    giveBack_->setEnabled(giveBack);
}

void LendingTab::showCopyFields(const lending::Copy& c)
{
    const auto set = [this](const char* name, const QString& value) {
        findChild<QLineEdit*>(QString::fromLatin1(name))->setText(value);
    };
    set("docAuthor", c.author);
    set("docTitle", c.title);
    set("docInventory", (c.inventoryLetter + QStringLiteral(" ") + c.inventoryNumber).trimmed());
    set("docClassMark", c.classMark);
    set("docShelfMark", c.shelfMark);
    set("docLocation", c.location);
    set("docType", c.docType);
    set("docCode", c.code);
    note_->setText(c.note);
}

void LendingTab::searchDocument()
{
    if (registration_.hasReader() && registration_.facts().loanAllowance == QLatin1String("0")) {
        context_.dialogs.information(QStringLiteral("Az olvasó nem kölcsönözhet!"));
        return;
    }
    docPrevious_->setEnabled(false);
    docNext_->setEnabled(false);
    stopBlinking();
    loanClicked_ = false;
    target_.reset();
    if (!attempt([&] {
            copies_
                = lending::findCopies(context_.db, lending::FindBy(docSearchBy_->currentIndex()), docSearchText_->text());
        }))
        return;
    docCount_->setText(QStringLiteral("%1 db").arg(copies_.size()));
    if (copies_.isEmpty()) {
        copyIndex_ = -1;
        setSingleLoanButtons(false, false, false);
        extendAll_->setEnabled(false);
        context_.dialogs.information(QStringLiteral("A dokumentum nem található az adatbázisban!"));
        docSearchText_->selectAll();
        docSearchText_->setFocus();
        return;
    }
    if (copies_.size() > 1) {
        docPrevious_->setEnabled(true);
        docNext_->setEnabled(true);
    }
    copyIndex_ = 0;
    noteSave_->setEnabled(true);
    showCopy();
}

void LendingTab::stepCopy(int direction)
{
    if (copies_.isEmpty())
        return;
    copyIndex_ = qBound(0, copyIndex_ + direction, int(copies_.size()) - 1);
    status_->setText(QStringLiteral("Dokumentum megvan, státuszkód: %1").arg(loanClicked_ ? 1 : 0));
    showCopy();
}

void LendingTab::showCopy()
{
    const lending::Copy copy = copies_.value(copyIndex_);
    showCopyFields(copy);
    if (copy.barcode.isEmpty()) {
        setSingleLoanButtons(false, false, false);
        returnAll_->setEnabled(false);
        extendAll_->setEnabled(false);
        context_.dialogs.information(QStringLiteral("A dokumentumnak nincs vonalkódja!"));
        return;
    }
    docSearchText_->setText(copy.barcode);
    std::optional<QVariantMap> loan;
    if (!attempt([&] { loan = lending::loanOf(context_.db, copy.barcode, copy.docType); }))
        return;
    if (!loan) {
        setSingleLoanButtons(true, false, false);
        newDue_->setText(db::datetext::display(lending::offeredDue(
            copy.code, session_.today, session_.lendingPeriodEnd, db::datetext::parse(newDue_->text()))));
        if (copies_.size() == 1 && registration_.readerSelected())
            lend();
        else
            lend_->setFocus();
        return;
    }
    lend_->setEnabled(false);
    const QString borrower = text(*loan, "olvkod");
    if (!registration_.hasReader() || text(reader(), "vonalkod") != borrower) {
        if (registration_.hasReader())
            startBlinking();
        registration_.searchFor(readers::SearchBy::Barcode, borrower, 40);
    }
    target_ = loan;
    findChild<QLineEdit*>(QStringLiteral("loanKvtaros"))->setText(text(*loan, "kvtaros"));
    findChild<QLineEdit*>(QStringLiteral("loanLejardatum"))
        ->setText(dateText(loan->value(QStringLiteral("lejardatum"))));
    setSingleLoanButtons(false, true, true);
    extendAll_->setEnabled(true);
    returnAll_->setEnabled(true);
    newDue_->setText(db::datetext::display(lending::offeredDue(
        copy.code, session_.today, session_.lendingPeriodEnd, db::datetext::parse(newDue_->text()))));
    giveBack_->setFocus();
}

void LendingTab::selectLoan(int row)
{
    const QVariantMap loan = loanRows_.value(row);
    if (text(loan, "vonalkod").isEmpty()) {
        extend_->setEnabled(false);
        giveBack_->setEnabled(false);
        return;
    }
    target_ = loan;
    loanClicked_ = true;
    extend_->setEnabled(true);
    giveBack_->setEnabled(true);
    docSearchText_->setText(text(loan, "vonalkod"));
    findChild<QLineEdit*>(QStringLiteral("loanKvtaros"))->setText(text(loan, "kvtaros"));
    findChild<QLineEdit*>(QStringLiteral("loanLejardatum"))
        ->setText(dateText(loan.value(QStringLiteral("lejardatum"))));
}

void LendingTab::showLegend()
{
    context_.dialogs.information(lending::legendText());
}

void LendingTab::finishAction()
{
    status_->setText(QStringLiteral("Statisztikák bejegyzése"));
    registration_.reloadReader(); // the reminder level may have changed; the loan list follows
    reloadLoans();
    setSingleLoanButtons(false, false, false);
    docSearchText_->clear();
    newDue_->clear();
    target_.reset();
    loanClicked_ = false;
    copies_.clear();
    copyIndex_ = -1;
    docSearchText_->setFocus(); // where the next scan goes
}

void LendingTab::lend()
{
    stopBlinking();
    if (!registration_.readerSelected()) {
        context_.dialogs.information(QStringLiteral("Először válassza ki az olvasót!"));
        return;
    }
    const QDate due = db::datetext::parse(newDue_->text());
    if (!due.isValid()) {
        context_.dialogs.information(lending::notLendableText());
        return;
    }
    QString refusal;
    if (!attempt([&] { refusal = desk_.lend(reader(), copies_.value(copyIndex_), due); }))
        return;
    if (!refusal.isEmpty()) {
        context_.dialogs.information(refusal);
        return;
    }
    finishAction();
    status_->setText(QStringLiteral("Kölcsönzés OK."));
}

void LendingTab::extend()
{
    stopBlinking();
    if (!target_)
        return;
    QString refusal;
    if (!attempt([&] { refusal = desk_.extend(reader(), text(*target_, "vonalkod"), text(*target_, "doktipus")); }))
        return;
    if (!refusal.isEmpty()) {
        context_.dialogs.information(refusal);
        return;
    }
    finishAction();
}

void LendingTab::giveBack()
{
    stopBlinking();
    if (!target_)
        return;
    if (!attempt([&] { desk_.giveBack(reader(), text(*target_, "vonalkod"), text(*target_, "doktipus")); }))
        return;
    finishAction();
}

void LendingTab::returnAll()
{
    stopBlinking();
    try {
        if (desk_.returnAll(reader()) == 0)
            return;
    } catch (const std::exception& error) {
        fail(error);
        return;
    }
    finishAction();
}

void LendingTab::extendAll()
{
    stopBlinking();
    try {
        if (desk_.extendAll(reader()).extended == 0)
            return;
    } catch (const std::exception& error) {
        fail(error);
        return;
    }
    finishAction();
}

void LendingTab::pay()
{
    if (!registration_.hasReader())
        return;
    if (!attempt([&] { desk_.pay(reader()); }))
        return;
    registration_.reloadReader();
}

void LendingTab::saveNote()
{
    const lending::Copy copy = copies_.value(copyIndex_);
    if (copy.barcode.isEmpty())
        return;
    if (!attempt([&] {
            desk_.saveNote(copy.barcode, note_->text());
            copies_[copyIndex_].note = note_->text();
        }))
        return;
    noteSave_->setEnabled(false);
}

void LendingTab::clearReservation()
{
    if (!registration_.hasReader())
        return;
    if (!attempt([&] { desk_.clearReservationFlag(reader()); }))
        return;
    registration_.reloadReader();
}

void LendingTab::printReceipt()
{
    if (!registration_.hasReader())
        return;
    context_.printer().printLines(lending::receiptLines(reader(), registration_.facts().address, loanRows_), 10,
        QStringLiteral("Kölcsönzési szelvény"));
}

void LendingTab::showHelp()
{
    context_.dialogs.information(lending::helpText());
}

} // namespace zentar::circulation
