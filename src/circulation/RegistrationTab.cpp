#include "circulation/RegistrationTab.h"

#include "catalogue/CardEditor.h"
#include "platform/Buttons.h"

#include "circulation/ChoiceGroup.h"
#include "circulation/Reservations.h"
#include "db/DateText.h"
#include "platform/AppContext.h"
#include "platform/CloseWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zentar::circulation {

namespace {

using platform::makeButton;

const QString kInsert = QStringLiteral(
    "insert into olvaso (id,nyilvszam,vonalkod,nev,szhely,szulido,neme,anev,lnev,allvaros,allcim,allirsz,"
    "idvaros,idcim,idirsz,szigsz,tel,email,regdatum,beirdatum,kat,fogl,mhely,oszt1,oszt2,jotallo,megj,reszleg,"
    "keskod,fkap,jelszo,elojegyz,fogy,tartozas,av,avbeir,kvtaros) values (:id,:nyilvszam,:vonalkod,:nev,:szhely,"
    ":szulido,:neme,:anev,:lnev,:allvaros,:allcim,:allirsz,:idvaros,:idcim,:idirsz,:szigsz,:tel,:email,:regdatum,"
    ":beirdatum,:kat,:fogl,:mhely,:oszt1,:oszt2,:jotallo,:megj,:reszleg,:keskod,:fkap,:jelszo,:elojegyz,:fogy,"
    ":tartozas,:av,:avbeir,:kvtaros)");
const QString kUpdate = QStringLiteral(
    "update olvaso set id=:id,nyilvszam=:nyilvszam,vonalkod=:vonalkod,nev=:nev,szhely=:szhely,szulido=:szulido,"
    "neme=:neme,anev=:anev,lnev=:lnev,allvaros=:allvaros,allcim=:allcim,allirsz=:allirsz,idvaros=:idvaros,"
    "idcim=:idcim,idirsz=:idirsz,szigsz=:szigsz,tel=:tel,email=:email,regdatum=:regdatum,beirdatum=:beirdatum,"
    "kat=:kat,fogl=:fogl,mhely=:mhely,oszt1=:oszt1,oszt2=:oszt2,jotallo=:jotallo,megj=:megj,reszleg=:reszleg,"
    "keskod=:keskod,fkap=:fkap,jelszo=:jelszo,elojegyz=:elojegyz,fogy=:fogy,tartozas=:tartozas,av=:av,"
    "avbeir=:avbeir,kvtaros=:kvtaros where id=:old_id");
const QString kNoReader = QStringLiteral("select * from olvaso where 1 = 0");

} // namespace

RegistrationTab::RegistrationTab(platform::AppContext& context, const CirculationSession& session, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , session_(session)
    , rows_(context.db, this)
    , form_(rows_, this)
{
    setObjectName(QStringLiteral("registrationTab"));
    rows_.setSelect(kNoReader);
    rows_.setInsertSql(kInsert);
    rows_.setUpdateSql(kUpdate);
    rows_.setDeleteSql(QStringLiteral("delete from olvaso where id=:old_id"));

    // Search box.
    auto* searchBox = new QGroupBox(this);
    auto* searchLayout = new QGridLayout(searchBox);
    searchBy_ = new QComboBox(searchBox);
    searchBy_->setObjectName(QStringLiteral("searchBy"));
    searchBy_->addItems(readers::searchCaptions());
    searchText_ = new QLineEdit(searchBox);
    searchText_->setObjectName(QStringLiteral("searchText"));
    searchText_->setMaxLength(29);
    auto* searchButton = makeButton(QStringLiteral(" Keresé&s"), "btnSearch", searchBox);
    previous_ = makeButton(QString(), "btnPrevious", searchBox, QStringLiteral("Előző"));
    previous_->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    next_ = makeButton(QString(), "btnNext", searchBox, QStringLiteral("Következő"));
    next_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    previous_->setEnabled(false);
    next_->setEnabled(false);
    searchLayout->addWidget(new QLabel(QStringLiteral("Keresés szempontja:"), searchBox), 0, 0);
    searchLayout->addWidget(searchBy_, 0, 1);
    searchLayout->addWidget(new QLabel(QStringLiteral("Keresendő:"), searchBox), 1, 0);
    searchLayout->addWidget(searchText_, 1, 1);
    searchLayout->addWidget(searchButton, 0, 2);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(previous_);
    arrows->addWidget(next_);
    searchLayout->addLayout(arrows, 1, 2);
    connect(searchButton, &QPushButton::clicked, this, &RegistrationTab::search);
    connect(searchText_, &QLineEdit::returnPressed, this, &RegistrationTab::search);
    connect(previous_, &QPushButton::clicked, this, &RegistrationTab::previous);
    connect(next_, &QPushButton::clicked, this, &RegistrationTab::next);

    // Buttons.
    newReader_ = makeButton(
        QStringLiteral("Új olvasó"), "btnNewReader", this, QStringLiteral("Aki még nem szerepel az adatbázisban"));
    save_ = makeButton(QStringLiteral(" &Mentés"), "btnSave", this);
    delete_ = makeButton(QStringLiteral(" &Törlés"), "btnDelete", this,
        QStringLiteral("Törölni csak azt az olvasót lehet, akinek van vonalkódja!"));
    auto* print = makeButton(QStringLiteral(" &Nyomtatás"), "btnPrint", this);
    register_ = makeButton(QStringLiteral("Beiratkozás"), "btnRegister", this,
        QStringLiteral("Már regisztrált olvasó beiratkoztatása 1 évre"));
    auto* exit = makeButton(QStringLiteral(" &Kilépés"), "btnExit", this);
    auto* help = makeButton(QStringLiteral("Súgó"), "btnHelp", this);
    save_->setEnabled(false);
    delete_->setEnabled(false);
    register_->setEnabled(false);
    connect(newReader_, &QPushButton::clicked, this, &RegistrationTab::newReader);
    connect(save_, &QPushButton::clicked, this, [this] { save(); });
    connect(delete_, &QPushButton::clicked, this, &RegistrationTab::remove);
    connect(print, &QPushButton::clicked, this, &RegistrationTab::printCard);
    connect(register_, &QPushButton::clicked, this, &RegistrationTab::registerForYear);
    connect(exit, &QPushButton::clicked, this, [this] { platform::closeWindow(window()); });
    connect(help, &QPushButton::clicked, this, &RegistrationTab::showHelp);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : { newReader_, save_, delete_, print, register_, exit, help })
        buttons->addWidget(b);
    buttons->addStretch();

    // Barcode change.
    auto* changeBox = new QGroupBox(this);
    auto* changeLayout = new QHBoxLayout(changeBox);
    barcodeChange_ = makeButton(QStringLiteral("Vonalkód csere"), "btnBarcodeChange", changeBox);
    barcodeChange_->setEnabled(false);
    newBarcodeLabel_ = new QLabel(QStringLiteral("Új vonalkód:"), changeBox);
    newBarcode_ = new QLineEdit(changeBox);
    newBarcode_->setObjectName(QStringLiteral("newBarcode"));
    newBarcode_->setMaxLength(40);
    newBarcodeSave_ = makeButton(QStringLiteral("Mentés"), "btnBarcodeSave", changeBox);
    newBarcodeCancel_ = makeButton(QStringLiteral("Mégsem"), "btnBarcodeCancel", changeBox);
    newBarcodeHelp_ = makeButton(QStringLiteral("Súgó"), "btnBarcodeHelp", changeBox);
    for (QWidget* w : std::initializer_list<QWidget*> {
             barcodeChange_, newBarcodeLabel_, newBarcode_, newBarcodeSave_, newBarcodeCancel_, newBarcodeHelp_ })
        changeLayout->addWidget(w);
    changeLayout->addStretch();
    connect(barcodeChange_, &QPushButton::clicked, this, &RegistrationTab::startBarcodeChange);
    connect(newBarcodeSave_, &QPushButton::clicked, this, &RegistrationTab::saveBarcodeChange);
    connect(newBarcodeCancel_, &QPushButton::clicked, this, &RegistrationTab::cancelBarcodeChange);
    connect(newBarcodeHelp_, &QPushButton::clicked, this, &RegistrationTab::showBarcodeHelp);
    connect(newBarcode_, &QLineEdit::editingFinished, this, &RegistrationTab::newBarcodeLeft);
    for (QWidget* w : std::initializer_list<QWidget*> {
             newBarcodeLabel_, newBarcode_, newBarcodeSave_, newBarcodeCancel_, newBarcodeHelp_ })
        w->setVisible(false);

    auto* fieldsPage = new QWidget(this);
    buildForm(fieldsPage);

    auto* top = new QHBoxLayout;
    top->addWidget(searchBox);
    top->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(fieldsPage, 1);
    middle->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(changeBox);

    connect(&form_, &platform::DataForm::modifiedChanged, this, [this](bool modified) {
        if (modified)
            save_->setEnabled(true);
    });
    connect(&form_, &platform::DataForm::loaded, this, [this] {
        loadChoices();
        updateFee();
    });
    connect(&form_, &platform::DataForm::edited, this, [this](const QString& column) {
        if (column == QLatin1String("kat"))
            updateFee();
    });
    connect(&rows_, &db::RowSet::valueChanged, this, [this](const QString& column) {
        if (ChoiceGroup* c = choice(column))
            c->load(rows_.value(column));
    });

    try {
        rows_.open();
    } catch (const db::DbError& error) {
        failed(error);
    }
}

ChoiceGroup* RegistrationTab::choice(const QString& column) const
{
    for (ChoiceGroup* c : choices_) {
        if (c && c->column() == column)
            return c;
    }
    return nullptr;
}

QVariantMap RegistrationTab::reader() const
{
    return rows_.currentIndex() >= 0 && !isNew_ ? rows_.rowAt(rows_.currentIndex()) : QVariantMap();
}

QString RegistrationTab::department() const
{
    return session_.department.isEmpty() ? context_.login.circulationDepartment() : session_.department;
}

void RegistrationTab::failed(const db::DbError& error)
{
    context_.dialogs.showDbError(error);
}

void RegistrationTab::loadChoices()
{
    for (ChoiceGroup* c : choices_)
        c->load(rows_.isEditing() || rows_.currentIndex() >= 0 ? rows_.value(c->column()) : QVariant());
}

void RegistrationTab::updateFee()
{
    try {
        fee_->setText(readers::categoryFee(context_.db, form_.text(QStringLiteral("kat"))));
    } catch (const db::DbError& error) {
        failed(error);
    }
}

void RegistrationTab::setReaderButtons(bool enabled)
{
    for (QPushButton* b : { delete_, save_, register_, barcodeChange_ })
        b->setEnabled(enabled);
}

// --- Finding and showing ---------------------------------------------------------------------

void RegistrationTab::search()
{
    searchFor(readers::SearchBy(searchBy_->currentIndex()), searchText_->text(), 29);
}

void RegistrationTab::reloadReader()
{
    if (!hasReader())
        return;
    try {
        rows_.refresh();
        facts_ = readers::facts(context_.db, rows_.rowAt(rows_.currentIndex()), session_.today);
    } catch (const db::DbError& error) {
        failed(error);
        return;
    }
    fee_->setText(facts_.fee);
    emit readerShown();
}

void RegistrationTab::searchFor(readers::SearchBy by, const QString& text, int nameLength)
{
    searchBy_->setCurrentIndex(int(by));
    searchText_->setText(text.left(searchText_->maxLength()));
    const readers::Statement statement = readers::search(by, text, nameLength);
    try {
        rows_.setSelect(statement.sql, statement.params);
        rows_.open();
    } catch (const db::DbError& error) {
        failed(error);
        return;
    }
    isNew_ = false;
    newReader_->setEnabled(true);
    if (rows_.isEmpty()) {
        clearReader();
        context_.dialogs.information(QStringLiteral("Az olvasó nem található az adatbázisban!"));
        return;
    }
    showReader();
    emit readerFound();
    previous_->setEnabled(true);
    next_->setEnabled(true);
}

void RegistrationTab::previous()
{
    step(-1);
}

void RegistrationTab::next()
{
    step(+1);
}

void RegistrationTab::step(int direction)
{
    if (rows_.currentIndex() < 0)
        return;
    const auto by = readers::SearchBy(searchBy_->currentIndex());
    const QString column = by == readers::SearchBy::SerialNumber ? QStringLiteral("id") : QStringLiteral("nyilvszam");
    try {
        if (const auto statement = readers::neighbour(by, rows_.valueAt(rows_.currentIndex(), column), direction)) {
            if (context_.db.rows(statement->sql, statement->params).isEmpty())
                return; // the first or last number: the reader stays
            rows_.setSelect(statement->sql, statement->params);
            rows_.open();
        } else if (!(direction < 0 ? rows_.previous() : rows_.next())) {
            return;
        }
    } catch (const db::DbError& error) {
        failed(error);
        return;
    }
    isNew_ = false;
    newReader_->setEnabled(true);
    showReader();
}

void RegistrationTab::showReader()
{
    if (rows_.currentIndex() < 0)
        return;
    setReaderButtons(true);
    QVariantMap row = rows_.rowAt(rows_.currentIndex());
    try {
        facts_ = readers::facts(context_.db, row, session_.today);
    } catch (const db::DbError& error) {
        failed(error);
        return;
    }
    selected_ = facts_.canBorrow;
    for (const QString& message : facts_.messages)
        context_.dialogs.information(message);
    if (row.value(QStringLiteral("elojegyz")).toString().trimmed() == QLatin1String("1")) {
        try {
            if (const auto announcement
                = reservations::takeAnnouncement(context_.db, row.value(QStringLiteral("vonalkod")).toString())) {
                context_.dialogs.information(*announcement);
                rows_.refresh(); // the flag may have been cleared: the row is written back as it is now
            }
        } catch (const db::DbError& error) {
            failed(error);
        }
    }
    fee_->setText(facts_.fee);
    emit readerShown();
}

void RegistrationTab::clearReader()
{
    try {
        rows_.setSelect(kNoReader);
        rows_.open();
    } catch (const db::DbError& error) {
        failed(error);
    }
    isNew_ = false;
    selected_ = false;
    facts_ = {};
    fee_->clear();
    setReaderButtons(false);
    newReader_->setEnabled(true);
    cancelBarcodeChange();
    emit readerCleared();
}

// --- New reader and saving -------------------------------------------------------------------

void RegistrationTab::newReader()
{
    if (!rows_.isOpen()) {
        try {
            rows_.open();
        } catch (const db::DbError& error) {
            failed(error);
            return;
        }
    }
    rows_.append();
    isNew_ = true;
    selected_ = false;
    facts_ = {};
    rows_.setValue(QStringLiteral("keskod"), 0);
    rows_.setValue(QStringLiteral("beirdatum"), session_.today);
    rows_.setValue(QStringLiteral("regdatum"), session_.today);
    rows_.setValue(QStringLiteral("fkap"), QStringLiteral("i"));
    rows_.setValue(QStringLiteral("av"), QStringLiteral("n"));
    rows_.setValue(QStringLiteral("fogy"), QStringLiteral("n"));
    auto* departments = form_.editor<QComboBox>(QStringLiteral("reszleg"));
    if (departments->findText(department()) >= 0)
        rows_.setValue(QStringLiteral("reszleg"), department());
    newReader_->setEnabled(false);
    delete_->setEnabled(true);
    save_->setEnabled(true);
    form_.focus(QStringLiteral("nev"));
}

bool RegistrationTab::writeReader()
{
    QString error;
    if (!form_.writeBack(&error)) {
        context_.dialogs.warning(error);
        return false;
    }
    for (ChoiceGroup* c : choices_)
        rows_.setValue(c->column(), c->storedValue());
    rows_.setValue(QStringLiteral("kvtaros"), context_.login.librarianName());
    if (rows_.value(QStringLiteral("regdatum")).isNull())
        rows_.setValue(QStringLiteral("regdatum"), session_.today);
    if (rows_.state() == db::RowSet::State::Insert) {
        if (rows_.value(QStringLiteral("nyilvszam")).isNull())
            rows_.setValue(QStringLiteral("nyilvszam"), readers::nextRegistrationNumber(context_.db));
        rows_.setValue(QStringLiteral("id"), readers::nextSerialNumber(context_.db));
        if (rows_.value(QStringLiteral("beirdatum")).isNull())
            rows_.setValue(QStringLiteral("beirdatum"), session_.today);
        const QString chosen = form_.text(QStringLiteral("reszleg"));
        rows_.setValue(QStringLiteral("reszleg"), chosen.isEmpty() ? department() : chosen);
    }
    if (rows_.value(QStringLiteral("regdatum")).isNull())
        rows_.setValue(QStringLiteral("regdatum"), rows_.value(QStringLiteral("beirdatum")));
    rows_.apply();
    return true;
}

bool RegistrationTab::save()
{
    if (!isNew_ && rows_.currentIndex() < 0)
        return false;
    const QString refusal = readers::saveRefusal(
        form_.text(QStringLiteral("kat")), form_.text(QStringLiteral("vonalkod")), choices_[0]->value());
    if (!refusal.isEmpty()) {
        context_.dialogs.warning(refusal);
        return false;
    }
    try {
        if (!writeReader())
            return false;
    } catch (const db::DbError& error) {
        failed(error);
        return false;
    }
    save_->setEnabled(false);
    const bool wasNew = isNew_;
    isNew_ = false;
    if (wasNew) {
        selected_ = !rows_.value(QStringLiteral("vonalkod")).toString().trimmed().isEmpty();
        setReaderButtons(true);
        save_->setEnabled(false);
        emit readerShown();
    }
    searchText_->clear();
    form_.focus(QStringLiteral("nyilvszam"));
    newReader_->setEnabled(true);
    return true;
}

void RegistrationTab::registerForYear()
{
    if (isNew_ || rows_.currentIndex() < 0)
        return;
    if (form_.text(QStringLiteral("nev")).trimmed().isEmpty()
        || form_.text(QStringLiteral("vonalkod")).trimmed().isEmpty() || choices_[0]->value().isEmpty())
        return;
    try {
        form_.setValue(QStringLiteral("nyilvszam"), readers::nextRegistrationNumber(context_.db));
        form_.setValue(QStringLiteral("beirdatum"), session_.today);
        if (!writeReader())
            return;
    } catch (const db::DbError& error) {
        failed(error);
        return;
    }
    save_->setEnabled(false);
    register_->setEnabled(false);
}

// --- Deleting --------------------------------------------------------------------------------

void RegistrationTab::remove()
{
    const QVariantMap row = isNew_ || rows_.currentIndex() < 0 ? QVariantMap() : rows_.rowAt(rows_.currentIndex());
    try {
        const QString refusal = readers::deleteRefusal(
            context_.db, row.value(QStringLiteral("id")), row.value(QStringLiteral("vonalkod")).toString());
        if (!refusal.isEmpty()) {
            context_.dialogs.warning(refusal);
            return;
        }
        if (!context_.dialogs.confirmDelete())
            return;
        rows_.remove();
    } catch (const db::DbError& error) {
        failed(error);
        return;
    }
    clearReader();
    searchText_->setFocus();
}

// --- Barcode change --------------------------------------------------------------------------

void RegistrationTab::startBarcodeChange()
{
    if (rows_.currentIndex() < 0 || isNew_)
        return;
    for (QWidget* w : std::initializer_list<QWidget*> {
             newBarcodeLabel_, newBarcode_, newBarcodeSave_, newBarcodeCancel_, newBarcodeHelp_ })
        w->setVisible(true);
    newBarcode_->clear();
    newBarcode_->setFocus();
}

void RegistrationTab::newBarcodeLeft()
{
    if (newBarcode_->text().trimmed().isEmpty())
        return;
    try {
        const QString warning = readers::duplicateBarcodeWarning(context_.db, newBarcode_->text().trimmed());
        if (!warning.isEmpty())
            context_.dialogs.warning(warning);
    } catch (const db::DbError& error) {
        failed(error);
    }
}

void RegistrationTab::saveBarcodeChange()
{
    if (rows_.currentIndex() < 0 || isNew_)
        return;
    const QString newCode = newBarcode_->text().trimmed();
    if (newCode.isEmpty()) {
        // An empty barcode would leave the reader's loans with nobody.
        context_.dialogs.warning(readers::barcodeRequiredText());
        newBarcode_->setFocus();
        return;
    }
    const QString oldCode = rows_.valueAt(rows_.currentIndex(), QStringLiteral("vonalkod")).toString();
    try {
        // The loans move and the reader is saved together, or neither.
        db::Transaction transaction(context_.db);
        readers::moveToNewBarcode(context_.db, oldCode, newCode);
        form_.setValue(QStringLiteral("vonalkod"), newCode);
        if (!save()) {
            form_.setValue(QStringLiteral("vonalkod"), oldCode);
            return;
        }
        transaction.commit();
    } catch (const db::DbError& error) {
        failed(error);
        rows_.refresh();
        return;
    }
    selected_ = true;
    facts_.canBorrow = true;
    for (QWidget* w : std::initializer_list<QWidget*> {
             newBarcodeLabel_, newBarcode_, newBarcodeSave_, newBarcodeCancel_, newBarcodeHelp_ })
        w->setVisible(false);
    emit readerShown();
}

void RegistrationTab::cancelBarcodeChange()
{
    for (QWidget* w : std::initializer_list<QWidget*> { newBarcodeLabel_, newBarcode_, newBarcodeSave_ })
        w->setVisible(false);
}

void RegistrationTab::showBarcodeHelp()
{
    context_.dialogs.information(QStringLiteral("Ha az olvasónál van kikölcsönzött dokumentum,\n"
                                                "és elvesztette az olvasójegyét,\n"
                                                "itt cserélheti a vonalkódját."));
}

// --- Fields left -----------------------------------------------------------------------------

void RegistrationTab::nameLeft()
{
    if (!isNew_)
        return;
    try {
        const QString warning = readers::duplicateNameWarning(context_.db, form_.text(QStringLiteral("nev")));
        if (!warning.isEmpty())
            context_.dialogs.warning(warning);
    } catch (const db::DbError& error) {
        failed(error);
    }
}

void RegistrationTab::barcodeLeft()
{
    if (!isNew_)
        return;
    try {
        const QString warning = readers::duplicateBarcodeWarning(context_.db, form_.text(QStringLiteral("vonalkod")));
        if (!warning.isEmpty())
            context_.dialogs.warning(warning);
    } catch (const db::DbError& error) {
        failed(error);
    }
}

void RegistrationTab::townLeft(int address)
{
    const QString townColumn = address == 0 ? QStringLiteral("allvaros") : QStringLiteral("idvaros");
    const QString codeColumn = address == 0 ? QStringLiteral("allirsz") : QStringLiteral("idirsz");
    const QString town = form_.text(townColumn).trimmed();
    missingTown_[address].clear();
    if (town.isEmpty()) {
        if (address == 1)
            form_.focus(QStringLiteral("szigsz"));
        return;
    }
    try {
        const int code = readers::postalCode(context_.db, town);
        if (code > 0)
            form_.setValue(codeColumn, QString::number(code));
        else
            missingTown_[address] = town;
    } catch (const db::DbError& error) {
        failed(error);
    }
}

void RegistrationTab::postalCodeLeft(int address)
{
    const QString code = form_.text(address == 0 ? QStringLiteral("allirsz") : QStringLiteral("idirsz")).trimmed();
    if (missingTown_[address].isEmpty() || code.isEmpty())
        return;
    try {
        readers::learnPostalCode(context_.db, missingTown_[address], code);
        missingTown_[address].clear();
    } catch (const db::DbError& error) {
        failed(error);
    }
}

// --- Card and help ---------------------------------------------------------------------------

QList<readers::CardLine> RegistrationTab::cardLines() const
{
    return readers::cardLines(reader(), session_.today);
}

void RegistrationTab::printCard()
{
    const QList<readers::CardLine> lines = cardLines();
    if (lines.isEmpty())
        return;
    // The card goes into a new card editor, modal, where it is corrected and printed.
    auto* editor = catalogue::CardEditor::open(context_, catalogue::CardEditor::Show::Modal);
    for (const readers::CardLine& line : lines)
        editor->addLine(line.text, line.bold);
}

void RegistrationTab::showHelp()
{
    context_.dialogs.information(
        QStringLiteral("Új olvasó: új olvasó felvitele előtt kell megnyomni a gombot\n"
                       "Beiratkozás: Ha új évre iratkozik be az olvasó az olvasó kikeresése után kell megnyomni\n"
                       "Mentés: az olvasó adatainak mentése\n"
                       "Az olvasónak a kölcsönzéshez vonalkódot kell adni!\n"
                       "Ha bejelöli, hogy az olvasó nem kaphat felszólítót, akkor nem jelenik meg a listán.\n"
                       "Ha az olvasónak új vonalkódot kap, és van nála könyv, akkor használja alul a Vonalkód "
                       "csere funkciót!"));
}

} // namespace zentar::circulation
