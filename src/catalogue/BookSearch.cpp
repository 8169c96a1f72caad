#include "catalogue/BookSearch.h"

#include "db/Like.h"
#include "db/RowSet.h"

namespace zentar::catalogue::book {

namespace {

constexpr int kPatternLength = 50; // the pattern with its "%"

bool readNumber(const QString& text, qlonglong* number)
{
    bool ok = false;
    *number = text.trimmed().toLongLong(&ok);
    return ok;
}

} // namespace

QStringList BookSearch::captions()
{
    return {QStringLiteral("Főcím"), QStringLiteral("Szerző"), QStringLiteral("Leltári szám"),
            QStringLiteral("Vonalkód"), QStringLiteral("Sorszám")};
}

BookSearch::Criterion BookSearch::fromCaption(const QString& caption)
{
    switch (captions().indexOf(caption)) {
    case 1: return Criterion::Author;
    case 2: return Criterion::InventoryNumber;
    case 3: return Criterion::Barcode;
    case 4: return Criterion::Key;
    default: return Criterion::Title;
    }
}

void BookSearch::openKey(int id, db::RowSet& records)
{
    records.setSelect(QStringLiteral("select * from konyv where id = ?"), {id});
    records.open();
}

BookSearch::Outcome BookSearch::run(Criterion criterion, const QString& text, db::RowSet& records)
{
    copyHits_.clear();
    copyHit_ = -1;
    const QString typed = text.trimmed();
    switch (criterion) {
    case Criterion::Title:
    case Criterion::Author: {
        const QString pattern = db::likePrefix(typed, kPatternLength - 1);
        if (criterion == Criterion::Title)
            records.setSelect(QStringLiteral("select * from konyv where lower(fc) like ? and doktipus = ? order by fc"),
                              {pattern, docType_});
        else
            records.setSelect(
                QStringLiteral("select * from konyv where lower(szerzo) like ? and doktipus = ? order by szerzo, fc"),
                {pattern, docType_});
        records.open();
        Outcome out{records.count(), {}};
        if (records.isEmpty() && criterion == Criterion::Author)
            out.message = QStringLiteral("Nincs ilyen szerző");
        return out;
    }
    case Criterion::InventoryNumber:
    case Criterion::Barcode: {
        const bool byNumber = criterion == Criterion::InventoryNumber;
        qlonglong number = 0;
        if (!byNumber || readNumber(typed, &number)) {
            const QString sql = byNumber
                ? QStringLiteral("select id from kpld where lszam = ? and doktipus = ? order by sorszam")
                : QStringLiteral("select id from kpld where vonalkod = ? and doktipus = ? order by sorszam");
            for (const QVariantMap& row : db_.rows(sql, {byNumber ? QVariant(number) : QVariant(typed), docType_}))
                copyHits_ << row.value(QStringLiteral("id")).toInt();
        }
        if (!copyHits_.isEmpty() && copyHits_.first() > 0) {
            copyHit_ = 0;
            openKey(copyHits_.first(), records);
            return {int(copyHits_.size()), {}};
        }
        records.setSelect(QStringLiteral("select * from konyv where 1 = 0"));
        records.open();
        return {0, byNumber ? QStringLiteral("Nincs ilyen leltári számú dokumentum")
                            : QStringLiteral("Nincs ilyen vonalkódú dokumentum")};
    }
    case Criterion::Key: {
        if (typed.isEmpty())
            return {records.count(), {}};
        qlonglong key = 0;
        if (readNumber(typed, &key))
            records.setSelect(QStringLiteral("select * from konyv where id = ? and doktipus = ?"), {key, docType_});
        else
            records.setSelect(QStringLiteral("select * from konyv where 1 = 0"));
        records.open();
        return {records.count(), records.isEmpty() ? QStringLiteral("Nincs ilyen sorszámú dokumentum") : QString()};
    }
    }
    return {};
}

bool BookSearch::step(Criterion criterion, bool forward, db::RowSet& records)
{
    switch (criterion) {
    case Criterion::InventoryNumber:
    case Criterion::Barcode: {
        const int target = copyHit_ + (forward ? 1 : -1);
        if (copyHit_ < 0 || target < 0 || target >= copyHits_.size())
            return false;
        copyHit_ = target;
        if (copyHits_.at(target) > 0)
            openKey(copyHits_.at(target), records);
        return true;
    }
    case Criterion::Key: {
        // The nearest key of this document type in that direction: other types and deleted
        // records leave gaps in the keys that stepping passes over.
        const int current = records.value(QStringLiteral("id")).toInt();
        if (current <= 0)
            return false;
        const QVariant next = forward
            ? db_.scalar(QStringLiteral("select min(id) from konyv where id > ? and doktipus = ?"), {current, docType_})
            : db_.scalar(QStringLiteral("select max(id) from konyv where id < ? and doktipus = ?"), {current, docType_});
        if (next.isNull() || next.toInt() <= 0)
            return false;
        records.setSelect(QStringLiteral("select * from konyv where id = ? and doktipus = ?"), {next.toInt(), docType_});
        records.open();
        return true;
    }
    default:
        return forward ? records.next() : records.previous();
    }
}

int BookSearch::count(Criterion criterion, const db::RowSet& records) const
{
    if ((criterion == Criterion::InventoryNumber || criterion == Criterion::Barcode) && copyHit_ >= 0)
        return int(copyHits_.size());
    return records.count();
}

} // namespace zentar::catalogue::book
