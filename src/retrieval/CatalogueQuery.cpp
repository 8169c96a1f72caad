#include "retrieval/CatalogueQuery.h"

#include "catalogue/CodeLists.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace zentar::retrieval {

namespace {

constexpr int kPatternLength = 32; // the match patterns, wildcards included
constexpr int kLocationLength = 20; // the location pattern with its "%"

bool everywhere(const QString& location)
{
    return location.isEmpty() || location == kEverywhere;
}

bool hasWildcard(const QString& text)
{
    return text.contains(QLatin1Char('%')) || text.contains(QLatin1Char('_'));
}

// The comparison of a lower-cased column with the typed text. A prefix pattern without a
// wildcard of the librarian's own becomes "starting with": the same rows, and the engine can
// walk an index on lower(column).
void addMatch(QString& where, db::Params& params, const QString& column, const QString& text, MatchType match)
{
    const QString pattern = matchPattern(text, match);
    const QString stem = pattern.endsWith(QLatin1Char('%')) ? pattern.chopped(1) : pattern;
    if (match == MatchType::Prefix && !stem.isEmpty() && !hasWildcard(stem)) {
        where += QStringLiteral("lower(%1) starting with ?").arg(column);
        params << stem;
    } else if (match == MatchType::Substring && pattern.size() > 2 && pattern.endsWith(QLatin1Char('%'))
               && !hasWildcard(pattern.mid(1).chopped(1))) {
        // "containing" ignores letter case as "lower(...) like '%...%'" does, and needs no
        // lower-casing of every row.
        where += QStringLiteral("%1 containing ?").arg(column);
        params << pattern.mid(1).chopped(1);
    } else {
        where += QStringLiteral("lower(%1) like ?").arg(column);
        params << pattern;
    }
}

// The copy-location condition: the chosen location as a prefix; nothing under "Mindenhol", so
// copies without a location are found there too.
void addLocation(QString& where, db::Params& params, const QString& location)
{
    if (everywhere(location))
        return;
    where += QStringLiteral(" and kpld.lhely like ?");
    params << (location.left(kLocationLength - 1) + QLatin1Char('%'));
}

QString selectList(const QString& author, const QString& title, const QString& volume1, const QString& volume2,
                   const QString& criterionColumn)
{
    return QStringLiteral("select distinct szakj, raktj, %1, %2, %3, %4, kiadev, konyv.sorszam, %5, "
                          "konyv.doktipus, konyv.id, kpld.lhely ")
        .arg(author, title, volume1, volume2, criterionColumn);
}

// The criteria that compare one konyv column: the column and the order of the hits.
struct RecordColumn {
    const char* column;
    const char* order; // empty: unordered
};

RecordColumn recordColumn(Criterion criterion)
{
    switch (criterion) {
    case Criterion::Subject: return {"tszo", "tszo, szerzo, fc"};
    case Criterion::Publication: return {"kiadas", "kiadas, szerzo, fc"};
    case Criterion::Printer: return {"nyomda", "nyomda, szerzo, fc"};
    case Criterion::Udc: return {"eto", "eto"};
    case Criterion::Isbn: return {"isbn", ""};
    case Criterion::Issn: return {"issn", ""};
    case Criterion::Tmt: return {"tmt", "tmt, szerzo, fc"};
    case Criterion::Language: return {"nyelv", "fc, szerzo"};
    default: return {"", ""};
    }
}

} // namespace

QStringList criterionCaptions()
{
    return {QStringLiteral("Szerző, rendező, főszereplő"), QStringLiteral("Cím"), QStringLiteral("Tárgyszó"),
            QStringLiteral("Megjelenés"), QStringLiteral("Kiadási év"), QStringLiteral("Nyomda"),
            QStringLiteral("ETO"), QStringLiteral("ISBN"), QStringLiteral("ISSN"), QStringLiteral("TMT"),
            QStringLiteral("Nyelv"), QStringLiteral("Leltári szám"), QStringLiteral("Vonalkód"),
            QStringLiteral("Hangoskönyv lista")};
}

QStringList matchTypeCaptions()
{
    return {QStringLiteral("Részlet egyezése"), QStringLiteral("Pontos megfelelés"),
            QStringLiteral("Szó eleji egyezés")};
}

QStringList documentTypeChoices()
{
    namespace dt = catalogue::codes::doktipus;
    return {kAllTypes, dt::Book, dt::Video, dt::Multimedia, dt::Sound};
}

bool takesSecondValue(Criterion criterion)
{
    return criterion == Criterion::Author || criterion == Criterion::Title || criterion == Criterion::Year
        || criterion == Criterion::InventoryNumber;
}

QString checkRequest(const SearchRequest& request)
{
    if (request.criterion != Criterion::InventoryNumber && request.text.size() < 2)
        return QStringLiteral("Kérem adjon meg pontosabb adatot!");
    return {};
}

QString matchPattern(const QString& text, MatchType match)
{
    const QString lowered = text.toLower().trimmed();
    QString pattern;
    switch (match) {
    case MatchType::Substring: pattern = QLatin1Char('%') + lowered + QLatin1Char('%'); break;
    case MatchType::Exact: pattern = lowered; break;
    case MatchType::Prefix: pattern = lowered + QLatin1Char('%'); break;
    }
    return pattern.left(kPatternLength);
}

Statement searchStatement(const SearchRequest& request, const QString& subjectPattern)
{
    Statement s;
    QString& sql = s.sql;
    db::Params& params = s.params;
    const QString second = request.second.trimmed().isEmpty()
        ? QString()
        : (request.second.toLower() + QLatin1Char('%')).left(kPatternLength);

    switch (request.criterion) {
    case Criterion::Author:
    case Criterion::Title: {
        // The matching index rows and copies are made distinct first: every other column of a
        // hit belongs to the record, so the rows are the same as a "distinct" over the whole hit,
        // and the engine sorts four short columns instead of twelve long ones.
        const bool byAuthor = request.criterion == Criterion::Author;
        const QString table = byAuthor ? QStringLiteral("kszerzo") : QStringLiteral("kcim");
        const QString form = byAuthor ? QStringLiteral("szerzo") : QStringLiteral("cim");
        // "+ 0" keeps the engine from driving the join from the copies: the index rows come first.
        QString inner = QStringLiteral("select distinct %1.id, %1.%2, kpld.kotszam, kpld.lhely from %1 "
                                       "join kpld on kpld.id = %1.id + 0 where ")
                            .arg(table, form);
        addMatch(inner, params, table + QLatin1Char('.') + form, request.text, request.match);
        if (!byAuthor && !second.isEmpty()) {
            inner += QStringLiteral(" and lower(kcim.cim) like ?");
            params << second;
        }
        addLocation(inner, params, request.location);
        if (byAuthor)
            sql = selectList(QStringLiteral("h.szerzo"), QStringLiteral("fc"), QStringLiteral("h.kotszam"),
                             QStringLiteral("kotet"), QStringLiteral("kiadas"));
        else if (second.isEmpty())
            sql = selectList(QStringLiteral("konyv.szerzo"), QStringLiteral("h.cim"), QStringLiteral("h.kotszam"),
                             QStringLiteral("kotet"), QStringLiteral("konyv.kiadas"));
        else
            sql = selectList(QStringLiteral("konyv.szerzo"), QStringLiteral("h.cim"), QStringLiteral("fc"),
                             QStringLiteral("h.kotszam"), QStringLiteral("konyv.kiadas"));
        sql.replace(QStringLiteral("select distinct "), QStringLiteral("select "));
        sql.replace(QStringLiteral("kpld.lhely"), QStringLiteral("h.lhely"));
        sql += QStringLiteral("from (") + inner + QStringLiteral(") h join konyv on konyv.id = h.id");
        if (byAuthor && !second.isEmpty()) {
            sql += QStringLiteral(" where lower(fc) like ?");
            params << second;
        }
        sql += byAuthor ? QStringLiteral(" order by h.szerzo, fc, kiadas") : QStringLiteral(" order by h.cim, szerzo, kiadas");
        return s;
    }
    case Criterion::Year:
        sql = selectList(QStringLiteral("szerzo"), QStringLiteral("fc"), QStringLiteral("kotszam"),
                         QStringLiteral("kotet"), QStringLiteral("kiadas"))
            + QStringLiteral("from konyv join kpld on kpld.id = konyv.id where ");
        if (request.second.isEmpty()) {
            sql += QStringLiteral("kiadev = ?");
            params << request.text;
        } else {
            sql += QStringLiteral("kiadev >= ? and kiadev <= ?");
            params << request.text << request.second;
        }
        sql += QStringLiteral(" order by szerzo, fc");
        return s;
    case Criterion::InventoryNumber:
    case Criterion::Barcode: {
        const bool byNumber = request.criterion == Criterion::InventoryNumber;
        sql = selectList(QStringLiteral("szerzo"), QStringLiteral("fc"), QStringLiteral("kotszam"),
                         QStringLiteral("kotet"), byNumber ? QStringLiteral("kpld.lszam") : QStringLiteral("kpld.vonalkod"))
            + QStringLiteral("from kpld join konyv on konyv.id = kpld.id where ");
        if (byNumber) {
            // The inventory number is a number: a text that is not one matches no copy.
            bool ok = false;
            const qlonglong number = request.text.trimmed().toLongLong(&ok);
            sql += QStringLiteral("kpld.lszam = ?");
            params << (ok ? QVariant(number) : QVariant(QMetaType::fromType<qlonglong>()));
            addLocation(sql, params, request.location);
        } else {
            sql += QStringLiteral("kpld.vonalkod = ?");
            params << request.text;
        }
        return s;
    }
    case Criterion::AudiobookList:
        sql = QStringLiteral("select distinct szakj, raktj, szerzo, fc, kiadev, ter, mt, konyv.doktipus, konyv.id, "
                             "kpld.lhely from konyv join kpld on kpld.id = konyv.id where tszo = ?");
        params << QStringLiteral("Hangoskönyv");
        addLocation(sql, params, request.location);
        sql += QStringLiteral(" order by szerzo");
        return s;
    default: break;
    }

    const RecordColumn rc = recordColumn(request.criterion);
    const QString column = QLatin1String(rc.column);
    sql = selectList(QStringLiteral("szerzo"), QStringLiteral("fc"), QStringLiteral("kotszam"), QStringLiteral("kotet"),
                     column)
        + QStringLiteral("from konyv join kpld on kpld.id = konyv.id where ");
    if (request.criterion == Criterion::Udc) {
        // UDC numbers are compared as stored.
        sql += QStringLiteral("eto like ?");
        params << matchPattern(request.text, request.match);
    } else if (request.criterion == Criterion::Subject && !subjectPattern.isEmpty()) {
        sql += QStringLiteral("lower(tszo) like ?");
        params << subjectPattern;
    } else {
        addMatch(sql, params, column, request.text, request.match);
    }
    addLocation(sql, params, request.location);
    if (*rc.order)
        sql += QStringLiteral(" order by ") + QLatin1String(rc.order);
    return s;
}

Statement synonymStatement(const QString& text)
{
    return {QStringLiteral("select targyszo from targyszo where lower(szinonima) = ?"), {text.toLower()}};
}

QString synonymSubjectPattern(const QString& heading)
{
    return QLatin1Char('%') + heading.toLower() + QLatin1Char('%');
}

Statement newestStatement(const QString& documentType, const QString& location)
{
    Statement s;
    s.sql = QStringLiteral("select first 100 szakj, raktj, szerzo, fc, kiadev, konyv.doktipus, konyv.id, kpld.id, "
                           "kpld.lszam, kpld.lhely from kpld join konyv on konyv.id = kpld.id where 1 = 1");
    if (!documentType.isEmpty() && documentType != kAllTypes) {
        s.sql += QStringLiteral(" and konyv.doktipus = ?");
        s.params << documentType;
    }
    if (!everywhere(location)) {
        s.sql += QStringLiteral(" and kpld.lhely = ?");
        s.params << location;
    }
    s.sql += QStringLiteral(" order by kpld.lszam desc");
    return s;
}

QList<GridColumn> searchColumns(Criterion criterion)
{
    static const QStringList criterionCaption = {
        QStringLiteral("Kiadás"), QStringLiteral("Kiadás"), QStringLiteral("Tárgyszó"), QStringLiteral("Kiadás"),
        QStringLiteral("Kiadás"), QStringLiteral("Nyomda"), QStringLiteral("ETO"), QStringLiteral("ISBN"),
        QStringLiteral("ISSN"), QStringLiteral("TMT"), QStringLiteral("Nyelv"), QStringLiteral("Leltári szám"),
        QStringLiteral("Vonalkód"), QStringLiteral("Kiadás")};
    const int index = int(criterion);
    QList<GridColumn> columns = {{QStringLiteral("Szakj."), 45},
                                 {QStringLiteral("Rakt. j."), 45},
                                 {QStringLiteral("Szerző és szerzőségi adatok"), 170},
                                 {QStringLiteral("Cím és egyéb címadatok"), 220},
                                 {QStringLiteral("Kötet"), 35},
                                 {QStringLiteral("Kötet adatok"), 100},
                                 {QStringLiteral("Kiad.év"), 40},
                                 {QStringLiteral("Sorozatszám"), 60},
                                 {criterionCaption.value(index), 145},
                                 {QStringLiteral("Dok.típus"), 90},
                                 {QStringLiteral("ID"), 0},
                                 {QStringLiteral("LHELY"), 0}};
    if (criterion == Criterion::AudiobookList) {
        // Ten columns: the captions stay by position, some re-captioned.
        columns = columns.mid(0, 10);
        columns[4] = {QStringLiteral("Kiad.év"), 40};
        columns[5] = {QStringLiteral("Terjedelem"), 100};
        columns[6] = {QStringLiteral("Előadó"), 120};
        columns[7] = {QStringLiteral("DOKTIPUS"), 0};
        columns[8] = {QStringLiteral("ID"), 45};
        columns[9] = {QStringLiteral("LHELY"), 90};
    }
    return columns;
}

QList<GridColumn> newestColumns()
{
    return {{QStringLiteral("Szakj."), 64},      {QStringLiteral("Rakt. j."), 64},
            {QStringLiteral("Szerző és szerzőségi adatok"), 190},
            {QStringLiteral("Cím és egyéb címadatok"), 220},
            {QStringLiteral("Kiad. év"), 90},    {QStringLiteral("DOKTIPUS"), 0},
            {QStringLiteral("ID"), 0},           {QStringLiteral("ID"), 0},
            {QStringLiteral("LSZAM"), 64},       {QStringLiteral("LHELY"), 120}};
}

QVariant HitList::value(int row, const QString& name) const
{
    const int column = columnIndex(name);
    if (column < 0 || row < 0 || row >= rows.size())
        return {};
    return rows.at(row).value(column);
}

HitList runStatement(db::Connection& db, const Statement& statement)
{
    HitList hits;
    QSqlQuery query = db.exec(statement.sql, statement.params);
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        hits.columns << record.fieldName(i).toLower();
    while (query.next()) {
        QVariantList row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            row << query.value(i);
        hits.rows << row;
    }
    return hits;
}

HitList search(db::Connection& db, const SearchRequest& request)
{
    HitList hits = runStatement(db, searchStatement(request));
    if (hits.rows.isEmpty() && request.criterion == Criterion::Subject) {
        const Statement lookup = synonymStatement(request.text);
        const QVariant heading = db.scalar(lookup.sql, lookup.params);
        if (heading.isValid() && !heading.isNull())
            hits = runStatement(db, searchStatement(request, synonymSubjectPattern(heading.toString())));
    }
    hits.kind = HitList::Kind::Search;
    hits.criterion = request.criterion;
    return hits;
}

HitList newest(db::Connection& db, const QString& documentType, const QString& location)
{
    HitList hits = runStatement(db, newestStatement(documentType, location));
    hits.kind = HitList::Kind::Newest;
    return hits;
}

} // namespace zentar::retrieval
