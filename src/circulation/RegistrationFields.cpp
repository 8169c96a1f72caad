#include "circulation/RegistrationTab.h"

#include "circulation/ChoiceGroup.h"
#include "platform/AppContext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QValidator>

// The fields of the registration tab: captions, hints, lists and what leaving them does.
namespace zentar::circulation {

namespace {

using platform::Field;

// E-mail addresses are typed in lower case.
class LowerCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toLower();
        return Acceptable;
    }
};

QStringList listOf(db::Connection& db, const QString& sql, const db::Params& params = {})
{
    QStringList items;
    QSqlQuery query = db.exec(sql, params);
    while (query.next()) {
        const QString item = query.value(0).toString();
        if (!item.trimmed().isEmpty())
            items << item;
    }
    return items;
}

} // namespace

void RegistrationTab::buildForm(QWidget* page)
{
    QStringList categories, departments, occupations, workplaces;
    try {
        departments = listOf(context_.db, QStringLiteral("select reszleg from reszleg order by reszleg"));
        categories = listOf(context_.db, QStringLiteral("select katnev from olvkat order by katnev"));
        occupations = listOf(context_.db,
            QStringLiteral("select foglalk from foglalk where reszleg = ? order by foglalk"), { session_.department });
        workplaces = listOf(context_.db,
            QStringLiteral("select munkahely from munkahely where reszleg = ? order by munkahely"),
            { session_.department });
    } catch (const db::DbError& error) {
        failed(error);
    }

    // Two columns of fields, each as compact as its own rows.
    auto* grid = new QGridLayout;
    auto* rightGrid = new QGridLayout;
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(grid, 3);
    columns->addSpacing(16);
    columns->addLayout(rightGrid, 2);
    int row = 0;
    const auto left = [&](const Field& f, int span = 3) { form_.addToGrid(grid, row++, 0, f, span); };
    left(Field::number("id", "Sorszám:").readonly().hint("Ezt a program adja, Ön nem módosíthatja!"), 1);
    left(Field::number("nyilvszam", "Nyilv. szám:").max(8), 1);
    left(Field::text("vonalkod", "Vonalkód:").max(40), 1);
    left(Field::text("nev", "Név:").max(60));
    left(Field::text("lnev", "Leánykori név:").max(60));
    left(Field::text("szhely", "Születési hely:").max(60));
    left(Field::date("szulido", "Szül. idő:").max(11), 1);
    choices_[0] = new ChoiceGroup(QStringLiteral("neme"), QStringLiteral("Olvasó neme:"), QStringLiteral("f"),
        QStringLiteral("Férfi (fiú)"), QStringLiteral("n"), QStringLiteral("Nő (lány)"), page);
    grid->addWidget(choices_[0], row++, 0, 1, 4);
    left(Field::text("anev", "Anyja neve:").max(60));
    left(Field::text("allvaros", "Település 1:").max(60).hint("Állandó lakcím: Város, község"), 1);
    grid->addWidget(new QLabel(QStringLiteral("A kerülettel együtt adja meg!"), page), row - 1, 2, 1, 2);
    left(Field::text("allcim", "Utca, hsz:").max(100));
    left(Field::text("allirsz", "Irsz.").max(6), 1);
    left(Field::text("idvaros", "Település 2:").max(60).hint("Ideiglenes lakcím: Város, község"), 1);
    left(Field::text("idcim", "Utca, hsz:").max(100));
    left(Field::text("idirsz", "Irsz:").max(6), 1);
    left(Field::text("szigsz", "Szem. ig. sz:").max(20), 1);
    left(Field::text("tel", "Telefon:").max(40), 1);
    left(Field::text("email", "E-mail:").max(100));
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    row = 0;
    const auto right = [&](const Field& f) { form_.addToGrid(rightGrid, row++, 0, f); };
    right(Field::date("regdatum", "Regisztráció:").readonly().hint("A legelső beiratkozás dátuma"));
    right(Field::date("beirdatum", "Beiratkozás ideje:").readonly());
    right(Field::combo("kat", "Kategória:", categories).fixedList());
    fee_ = new QLineEdit(page);
    fee_->setObjectName(QStringLiteral("tagdij"));
    fee_->setReadOnly(true);
    fee_->setFocusPolicy(Qt::NoFocus);
    rightGrid->addWidget(new QLabel(QStringLiteral("Beiratkozási díj:"), page), row, 0);
    rightGrid->addWidget(fee_, row++, 1);
    right(Field::combo("fogl", "Foglalkozás:", occupations).max(60).hint("vagy olvasó státusza, pl. tanár / diák"));
    right(workplaces.isEmpty() ? Field::text("mhely", "Munkahely:").max(100)
                               : Field::combo("mhely", "Munkahely:", workplaces).max(100));
    auto* school = new QGroupBox(QStringLiteral("Iskolai könyvtárakban:"), page);
    auto* schoolLayout = new QGridLayout(school);
    form_.addToGrid(
        schoolLayout, 0, 0, Field::text("oszt1", "Hányadik osztályos:").max(2).hint("Kérem, ide csak számot írjon!"));
    form_.addToGrid(schoolLayout, 1, 0, Field::text("oszt2", "Osztály betűjele:").max(10));
    form_.editor<QLineEdit>(QStringLiteral("oszt1"))
        ->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), page));
    rightGrid->addWidget(school, row++, 0, 1, 2);
    right(Field::text("jotallo", "Jótálló:").max(200).hint("Név, lakcím, telefonszám, személyi ig. szám"));
    right(Field::text("megj", "Megjegyzés:").max(200));
    right(Field::combo("reszleg", "Beiratkozás helye:", departments).fixedList());
    choices_[1] = ChoiceGroup::yesNo(QStringLiteral("fkap"), QStringLiteral("Kaphat-e felszólítót?"), page);
    rightGrid->addWidget(choices_[1], row++, 0, 1, 2);
    choices_[2] = ChoiceGroup::yesNo(QStringLiteral("av"), QStringLiteral("AV-t kölcsönözhet"), page);
    rightGrid->addWidget(choices_[2], row++, 0, 1, 2);
    right(Field::date("avbeir", "AV beiratkozás:"));
    choices_[3] = ChoiceGroup::yesNo(QStringLiteral("fogy"), QStringLiteral("Fogyatékkal élő"), page);
    rightGrid->addWidget(choices_[3], row++, 0, 1, 2);
    right(Field::text("kvtaros", "Könyvtáros:").readonly());
    rightGrid->setRowStretch(row, 1);
    rightGrid->setColumnStretch(1, 1);

    form_.editor<QLineEdit>(QStringLiteral("email"))->setValidator(new LowerCaseValidator(page));
    for (ChoiceGroup* c : choices_) {
        connect(c, &ChoiceGroup::chosen, this, [this] { save_->setEnabled(true); });
    }
    connect(choices_[2], &ChoiceGroup::chosen, this, [this](const QString& value) {
        form_.setValue(QStringLiteral("avbeir"), value == QLatin1String("i") ? QVariant(session_.today) : QVariant());
    });

    form_.onLeave(QStringLiteral("nev"), [this] { nameLeft(); });
    form_.onLeave(QStringLiteral("vonalkod"), [this] { barcodeLeft(); });
    form_.onLeave(QStringLiteral("allvaros"), [this] { townLeft(0); });
    form_.onLeave(QStringLiteral("idvaros"), [this] { townLeft(1); });
    form_.onLeave(QStringLiteral("allirsz"), [this] { postalCodeLeft(0); });
    form_.onLeave(QStringLiteral("idirsz"), [this] { postalCodeLeft(1); });
}

} // namespace zentar::circulation
