#include "shell/LibrariansWindow.h"

#include "db/Like.h"
#include "platform/AppContext.h"
#include "platform/Buttons.h"
#include "shell/LibrarianAccounts.h"
#include "shell/PasswordHash.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zentar::shell {

namespace {

using platform::makeButton;

using platform::Field;

const char* const kRightCaptions[accounts::kRightsCount] = {
    "Szerzeményezés", "Katalogizálás", "Régi könyv", "Folyóirat", "Olvasószolgálat",
    "Statisztikák", "Leltárkönyv", "Könyvtárközi kölcs.", "Állományellenőrzés", "Karbantartás",
};

} // namespace

LibrariansWindow::LibrariansWindow(platform::AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), rows_(context.db, this), form_(rows_, this)
{
    setObjectName(QStringLiteral("librariansWindow"));
    setWindowTitle(QStringLiteral("Könyvtárosok adatai"));

    auto* fields = new QFormLayout;
    form_.addRows(fields, {
                              Field::text("nev", "Név*:").max(60),
                              Field::text("kod", "Azonosító*:").max(10),
                              Field::password("jelszo", "Jelszó*:").max(10).unbound(),
                              Field::password("jelszo2", "Jelszó ismétlése:").max(10).unbound(),
                              Field::text("beoszt", "Beosztása:").max(20),
                              Field::text("cim", "Állandó lakcím:").max(100),
                              Field::text("tel", "Telefon:").max(40),
                              Field::text("email", "E-mail:").max(100),
                          });
    for (const QString& column : form_.columns())
        form_.editor(column)->setMinimumWidth(280);
    form_.onLeave(QStringLiteral("kod"), [this] { checkCode(); });

    auto* rightsBox = new QGroupBox(this);
    auto* rightsLayout = new QVBoxLayout(rightsBox);
    for (const char* caption : {"Jogosultág*", "a következő", "menüpontokhoz:"})
        rightsLayout->addWidget(new QLabel(QString::fromUtf8(caption), rightsBox));
    for (int i = 0; i < accounts::kRightsCount; ++i) {
        rights_[i] = new QCheckBox(QString::fromUtf8(kRightCaptions[i]), rightsBox);
        rights_[i]->setObjectName(QStringLiteral("jogkod%1").arg(i + 1));
        rightsLayout->addWidget(rights_[i]);
    }
    selectAll_ = new QCheckBox(QStringLiteral("Összes kijelölése"), rightsBox);
    selectAll_->setObjectName(QStringLiteral("selectAll"));
    rightsLayout->addSpacing(8);
    rightsLayout->addWidget(selectAll_);
    connect(selectAll_, &QCheckBox::clicked, this, [this](bool checked) {
        if (checked) {
            for (QCheckBox* box : rights_)
                box->setChecked(true);
        }
    });

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addWidget(rightsBox);

    searchText_ = new QLineEdit(this);
    searchText_->setObjectName(QStringLiteral("searchName"));
    auto* searchButton = makeButton(QStringLiteral(" Keresé&s"), "btnSearch", this);
    connect(searchButton, &QPushButton::clicked, this, &LibrariansWindow::search);
    connect(searchText_, &QLineEdit::returnPressed, this, &LibrariansWindow::search);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Keresés név alapján:"), this));
    searchRow->addWidget(searchText_, 1);
    searchRow->addWidget(searchButton);

    previous_ = makeButton(QString(), "btnPrevious", this);
    previous_->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    previous_->setToolTip(QStringLiteral("Előző"));
    next_ = makeButton(QString(), "btnNext", this);
    next_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    next_->setToolTip(QStringLiteral("Következő"));
    auto* add = makeButton(QStringLiteral(" Új &adat"), "btnNew", this);
    save_ = makeButton(QStringLiteral(" &Mentés"), "btnSave", this);
    auto* del = makeButton(QStringLiteral(" &Törlés"), "btnDelete", this);
    auto* exit = makeButton(QStringLiteral(" &Kilépés"), "btnExit", this);
    connect(previous_, &QPushButton::clicked, this, [this] { rows_.previous(); });
    connect(next_, &QPushButton::clicked, this, [this] { rows_.next(); });
    connect(add, &QPushButton::clicked, this, &LibrariansWindow::newLibrarian);
    connect(save_, &QPushButton::clicked, this, &LibrariansWindow::save);
    connect(del, &QPushButton::clicked, this, &LibrariansWindow::remove);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {previous_, next_})
        buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : {add, save_, del, exit})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(searchRow);
    layout->addLayout(buttons);

    rows_.setSelect(QStringLiteral("select * from kvtaros order by nev"));
    rows_.setInsertSql(QStringLiteral("insert into kvtaros (nev,kod,beoszt,jogkod,jelszo,cim,tel,email) "
                                      "values (:nev,:kod,:beoszt,:jogkod,:jelszo,:cim,:tel,:email)"));
    rows_.setUpdateSql(QStringLiteral("update kvtaros set nev=:nev,kod=:kod,beoszt=:beoszt,jogkod=:jogkod,"
                                      "jelszo=:jelszo,cim=:cim,tel=:tel,email=:email where kod=:old_kod"));
    rows_.setDeleteSql(QStringLiteral("delete from kvtaros where kod=:old_kod"));
    connect(&rows_, &db::RowSet::currentChanged, this, &LibrariansWindow::showRow);
    rows_.open();
    rows_.last();
}

void LibrariansWindow::showRow()
{
    if (rows_.isEmpty() && !rows_.isEditing()) {
        // Nothing to show: the form stands ready for a new librarian.
        rows_.append();
        return;
    }
    const QString rights = rows_.value(QStringLiteral("jogkod")).toString();
    if (rights.size() >= 2) {
        for (int i = 0; i < accounts::kRightsCount; ++i)
            rights_[i]->setChecked(accounts::hasRight(rights, i));
    }
    previous_->setEnabled(!rows_.atFirst());
    next_->setEnabled(!rows_.atLast());
    save_->setEnabled(true);
}

QString LibrariansWindow::ownCode() const
{
    if (rows_.state() == db::RowSet::State::Insert || rows_.currentIndex() < 0)
        return {};
    return rows_.valueAt(rows_.currentIndex(), QStringLiteral("kod")).toString();
}

void LibrariansWindow::duplicateCode()
{
    context_.dialogs.warning(QStringLiteral("Ilyen azonosító kódú könyvtáros már szerepel az adatbázisban!"));
    save_->setEnabled(false);
    form_.focus(QStringLiteral("kod"));
}

void LibrariansWindow::checkCode()
{
    try {
        if (accounts::codeTaken(context_.db, form_.text(QStringLiteral("kod")), ownCode()))
            duplicateCode();
        else
            save_->setEnabled(true);
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
    }
}

void LibrariansWindow::newLibrarian()
{
    rows_.append();
    form_.setValue(QStringLiteral("jelszo2"), QVariant());
    for (QCheckBox* box : rights_)
        box->setChecked(false);
    save_->setEnabled(true);
    form_.focus(QStringLiteral("nev"));
}

void LibrariansWindow::save()
{
    const QString password = form_.text(QStringLiteral("jelszo"));
    const QString repeated = form_.text(QStringLiteral("jelszo2"));
    if (password != repeated) {
        context_.dialogs.warning(QStringLiteral("A két jelszó nem egyezik!"));
        form_.focus(QStringLiteral("jelszo"));
        return;
    }
    if (repeated.isEmpty()) {
        context_.dialogs.warning(QStringLiteral("Kötelező jelszót adni!"));
        form_.focus(QStringLiteral("jelszo"));
        return;
    }
    if (form_.text(QStringLiteral("nev")).trimmed().isEmpty()) {
        context_.dialogs.warning(QStringLiteral("Kötelező nevet adni!"));
        form_.focus(QStringLiteral("nev"));
        return;
    }
    if (form_.text(QStringLiteral("kod")).trimmed().isEmpty()) {
        context_.dialogs.warning(QStringLiteral("Kötelező azonosítót adni!"));
        form_.focus(QStringLiteral("kod"));
        return;
    }
    std::array<bool, accounts::kRightsCount> ticked{};
    for (int i = 0; i < accounts::kRightsCount; ++i)
        ticked[i] = rights_[i]->isChecked();
    try {
        // The code is checked again: a shortcut key saves without leaving the code field.
        if (accounts::codeTaken(context_.db, form_.text(QStringLiteral("kod")), ownCode())) {
            duplicateCode();
            return;
        }
        if (!rows_.isEditing() && rows_.currentIndex() < 0)
            rows_.append();
        form_.writeBack();
        rows_.setValue(QStringLiteral("jogkod"), accounts::rightsString(ticked));
        rows_.setValue(QStringLiteral("jelszo"), password::hash(password));
        rows_.apply();
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
        return;
    }
    save_->setEnabled(false);
}

void LibrariansWindow::remove()
{
    if (rows_.currentIndex() < 0 && rows_.state() != db::RowSet::State::Insert)
        return;
    if (!context_.dialogs.confirmDelete())
        return;
    try {
        rows_.remove();
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
    }
}

void LibrariansWindow::search()
{
    const QString pattern = db::likePrefix(searchText_->text(), 19);
    try {
        const QString where = QStringLiteral(" from kvtaros where lower(nev) like ?");
        if (context_.db.scalar(QStringLiteral("select count(*)") + where, {pattern}).toLongLong() == 0) {
            context_.dialogs.information(QStringLiteral("Ilyen nevű könyvtáros nem szerepel az adatbázisban!"));
            return;
        }
        rows_.setSelect(QStringLiteral("select *") + where + QStringLiteral(" order by nev"), {pattern});
        rows_.open();
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
    }
}

} // namespace zentar::shell
