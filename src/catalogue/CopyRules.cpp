#include "catalogue/CopyRules.h"

#include "db/Keys.h"
#include "db/RowSet.h"

namespace zentar::catalogue::book {

namespace {

bool present(const QVariant& v)
{
    return !v.isNull() && !v.toString().trimmed().isEmpty();
}

// Puts `value` under `column` when it is present.
void putPresent(QVariantMap& row, const QString& column, const QVariant& value)
{
    if (present(value))
        row.insert(column, value);
}

} // namespace

int CopyRules::nextInventoryNumber() const
{
    // Without an own code set, the copies without an owner are the library's own.
    if (s_.ownLibraryCode.isEmpty())
        return db::nextKey(s_.db, QStringLiteral("kpld"), QStringLiteral("lszam"),
                           QStringLiteral("doktipus = ? and (tulaj is null or tulaj = '')"), {s_.docType});
    return db::nextKey(s_.db, QStringLiteral("kpld"), QStringLiteral("lszam"), QStringLiteral("doktipus = ? and tulaj = ?"),
                       {s_.docType, s_.ownLibraryCode});
}

bool CopyRules::numberUsedByOtherRecord(qlonglong number, int recordId) const
{
    const QList<QVariantMap> rows = s_.db.rows(
        QStringLiteral("select first 1 id from kpld where lszam = ? and doktipus = ? order by sorszam"),
        {number, s_.docType});
    return !rows.isEmpty() && rows.first().value(QStringLiteral("id")).toInt() != recordId;
}

void CopyRules::fillNewCopy(db::RowSet& copies) const
{
    copies.setValue(QStringLiteral("beszdatum"), QString::number(s_.today.year()));
    copies.setValue(QStringLiteral("nemz"), QStringLiteral("n"));
    if (!s_.ownLibraryCode.isEmpty())
        copies.setValue(QStringLiteral("tulaj"), s_.ownLibraryCode);
}

void CopyRules::stamp(db::RowSet& copies, int recordId) const
{
    if (copies.state() == db::RowSet::State::Insert) {
        copies.setValue(QStringLiteral("kvtaros1"), s_.librarian);
        copies.setValue(QStringLiteral("rdatum"), s_.today);
        copies.setValue(QStringLiteral("doktipus"), s_.docType);
        copies.setValue(QStringLiteral("id"), recordId);
        copies.setValue(QStringLiteral("sorszam"), db::nextKey(s_.db, QStringLiteral("kpld"), QStringLiteral("sorszam")));
        if (copies.value(QStringLiteral("nemz")).isNull())
            copies.setValue(QStringLiteral("nemz"), QStringLiteral("n"));
    } else {
        copies.setValue(QStringLiteral("kvtaros2"), s_.librarian);
        copies.setValue(QStringLiteral("mdatum"), s_.today);
    }
}

QString CopyRules::inventoryCurrency(const QString& pnem)
{
    return pnem == QStringLiteral(",-Ft") ? QStringLiteral("HUF") : pnem;
}

QString CopyRules::publicationYear(const QString& kiadev)
{
    return kiadev.startsWith(QLatin1Char('[')) ? kiadev.mid(1, 4) : kiadev.left(10);
}

QVariantMap CopyRules::newLine(const QVariantMap& copy, const QVariantMap& record) const
{
    QVariantMap line;
    line.insert(QStringLiteral("doktipus"), s_.docType);
    line.insert(QStringLiteral("lszam"), copy.value(QStringLiteral("lszam")));
    line.insert(QStringLiteral("egyszam"), 1);
    line.insert(QStringLiteral("kvtaros1"), s_.librarian);
    line.insert(QStringLiteral("kelet"), s_.today);
    line.insert(QStringLiteral("megvane"), QStringLiteral("i"));
    putPresent(line, QStringLiteral("lbetu"), copy.value(QStringLiteral("lbetu")));
    putPresent(line, QStringLiteral("lszam2"), copy.value(QStringLiteral("lszam2")));
    putPresent(line, QStringLiteral("cim"), record.value(QStringLiteral("fc")));
    putPresent(line, QStringLiteral("szerzo"), record.value(QStringLiteral("szerzo")));
    putPresent(line, QStringLiteral("kotet"), copy.value(QStringLiteral("kotszam")));
    putPresent(line, QStringLiteral("megjev"), record.value(QStringLiteral("kiadev")));
    putPresent(line, QStringLiteral("szakj"), record.value(QStringLiteral("szakj")));
    putPresent(line, QStringLiteral("raktj"), record.value(QStringLiteral("raktj")));
    putPresent(line, QStringLiteral("beszmod"), copy.value(QStringLiteral("beszmod")));
    putPresent(line, QStringLiteral("ar"), record.value(QStringLiteral("ar")));
    putPresent(line, QStringLiteral("gynyt"), copy.value(QStringLiteral("gynyt")));
    putPresent(line, QStringLiteral("lhely"), copy.value(QStringLiteral("lhely")));
    putPresent(line, QStringLiteral("alldatum"), copy.value(QStringLiteral("alldatum")));
    putPresent(line, QStringLiteral("pnem"), inventoryCurrency(textOf(record, QStringLiteral("pnem"))));
    return line;
}

InventoryLinePlan CopyRules::planInventoryLine(const std::optional<QVariantMap>& line, const QVariantMap& copy,
                                               const QVariantMap& record, bool addsUnit, const Session& session)
{
    InventoryLinePlan plan;
    if (!line) {
        plan.action = InventoryLinePlan::Action::Insert;
        plan.values = CopyRules(session).newLine(copy, record);
        return plan;
    }
    const QString volume = textOf(copy, QStringLiteral("kotszam"));
    if (!volume.isEmpty() && textOf(*line, QStringLiteral("kotet")) != volume) {
        if (!addsUnit) {
            plan.action = InventoryLinePlan::Action::Keep;
            return plan;
        }
        plan.action = InventoryLinePlan::Action::AddVolume;
        const int units = line->value(QStringLiteral("egyszam")).toInt();
        if (units > 0)
            plan.values.insert(QStringLiteral("egyszam"), units + 1);
        plan.values.insert(QStringLiteral("kotet"), QStringLiteral("1-") + volume);
        return plan;
    }
    plan.action = InventoryLinePlan::Action::Overwrite;
    QVariantMap& v = plan.values;
    v.insert(QStringLiteral("doktipus"), session.docType);
    v.insert(QStringLiteral("lszam"), copy.value(QStringLiteral("lszam")));
    putPresent(v, QStringLiteral("lbetu"), copy.value(QStringLiteral("lbetu")));
    putPresent(v, QStringLiteral("lszam2"), copy.value(QStringLiteral("lszam2")));
    putPresent(v, QStringLiteral("cim"), record.value(QStringLiteral("fc")));
    putPresent(v, QStringLiteral("szerzo"), record.value(QStringLiteral("szerzo")));
    putPresent(v, QStringLiteral("kotet"), copy.value(QStringLiteral("kotszam")));
    if (present(record.value(QStringLiteral("kiadev"))))
        v.insert(QStringLiteral("megjev"), publicationYear(textOf(record, QStringLiteral("kiadev"))));
    putPresent(v, QStringLiteral("szakj"), record.value(QStringLiteral("szakj")));
    putPresent(v, QStringLiteral("raktj"), record.value(QStringLiteral("raktj")));
    putPresent(v, QStringLiteral("beszmod"), copy.value(QStringLiteral("beszmod")));
    putPresent(v, QStringLiteral("ar"), record.value(QStringLiteral("ar")));
    putPresent(v, QStringLiteral("gynyt"), copy.value(QStringLiteral("gynyt")));
    putPresent(v, QStringLiteral("lhely"), copy.value(QStringLiteral("lhely")));
    v.insert(QStringLiteral("pnem"), inventoryCurrency(textOf(record, QStringLiteral("pnem"))));
    v.insert(QStringLiteral("kvtaros2"), session.librarian);
    v.insert(QStringLiteral("mdatum"), session.today);
    return plan;
}

void CopyRules::insertLine(const QVariantMap& values) const
{
    QVariantMap row = values;
    row.insert(QStringLiteral("id"), db::nextKey(s_.db, QStringLiteral("lkonyv"), QStringLiteral("id")));
    s_.db.execNamed(insertStatement(QStringLiteral("lkonyv"), row.keys()), row);
}

InventoryLinePlan::Action CopyRules::updateInventoryLine(const QVariantMap& copy, const QVariantMap& record,
                                                         bool addsUnit) const
{
    const QList<QVariantMap> lines
        = s_.db.rows(QStringLiteral("select * from lkonyv where doktipus = ? and lszam = ? order by id"),
                     {s_.docType, copy.value(QStringLiteral("lszam"))});
    const std::optional<QVariantMap> line = lines.isEmpty() ? std::nullopt : std::optional(lines.first());
    const InventoryLinePlan plan = planInventoryLine(line, copy, record, addsUnit, s_);
    switch (plan.action) {
    case InventoryLinePlan::Action::Insert:
        insertLine(plan.values);
        break;
    case InventoryLinePlan::Action::AddVolume:
    case InventoryLinePlan::Action::Overwrite: {
        QStringList sets;
        for (auto it = plan.values.cbegin(); it != plan.values.cend(); ++it)
            sets << it.key() + QStringLiteral("=:") + it.key();
        QVariantMap params = plan.values;
        params.insert(QStringLiteral("old_id"), line->value(QStringLiteral("id")));
        s_.db.execNamed(QStringLiteral("update lkonyv set %1 where id=:old_id").arg(sets.join(QLatin1Char(','))),
                        params);
        break;
    }
    case InventoryLinePlan::Action::Keep:
        break;
    }
    return plan.action;
}

QList<int> CopyRules::multiply(const QVariantMap& shown, const QVariantMap& record, int count) const
{
    static const QStringList carried
        = QStringLiteral("lbetu,kotszam,lhely,statusz,rendszam,uk,beszhely,beszmod,gynyt,szlaszam,beszdatum,"
                         "alldatum,tulaj,megj")
              .split(QLatin1Char(','));
    QList<int> made;
    db::Transaction transaction(s_.db);
    int number = nextInventoryNumber() - 1;
    QVariantMap from = shown;
    const int recordId = record.value(QStringLiteral("id")).toInt();
    for (int i = 0; i < count; ++i) {
        ++number;
        QVariantMap copy;
        for (const QString& column : carried)
            copy.insert(column, from.value(column));
        const QString fromNumber = from.value(QStringLiteral("lszam")).isNull()
            ? QString()
            : QString::number(from.value(QStringLiteral("lszam")).toLongLong());
        const bool barcodeIsNumber
            = !fromNumber.isEmpty() && textOf(from, QStringLiteral("vonalkod")).trimmed() == fromNumber;
        copy.insert(QStringLiteral("vonalkod"), barcodeIsNumber ? QVariant(QString::number(number)) : QVariant());
        copy.insert(QStringLiteral("lszam"), number);
        copy.insert(QStringLiteral("nemz"), QStringLiteral("n"));
        copy.insert(QStringLiteral("kvtaros1"), s_.librarian);
        copy.insert(QStringLiteral("rdatum"), s_.today);
        copy.insert(QStringLiteral("doktipus"), s_.docType);
        copy.insert(QStringLiteral("id"), recordId);
        const int key = db::nextKey(s_.db, QStringLiteral("kpld"), QStringLiteral("sorszam"));
        copy.insert(QStringLiteral("sorszam"), key);
        s_.db.execNamed(insertStatement(QStringLiteral("kpld"), copy.keys()), copy);
        insertLine(newLine(copy, record));
        made << key;
        from = copy;
    }
    transaction.commit();
    return made;
}

} // namespace zentar::catalogue::book
