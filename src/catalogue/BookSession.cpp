#include "catalogue/BookSession.h"

#include "catalogue/CodeLists.h"
#include "db/RowSet.h"

namespace zentar::catalogue::book {

QString readOwnLibraryCode(db::Connection& db)
{
    const QList<QVariantMap> rows = db.rows(QStringLiteral("select kvtkod from konyvtar"));
    if (rows.isEmpty())
        return {};
    return rows.first().value(QStringLiteral("kvtkod")).toString().left(6);
}

Mode Mode::book()
{
    return {codes::doktipus::Book, QStringLiteral("Katalogizálás: könyv"), {}, QStringLiteral("ISBN:"), true};
}

Mode Mode::video()
{
    return {codes::doktipus::Video, QStringLiteral("Katalogizálás: AV (video)"),
            {QStringLiteral("kiegadat"), QStringLiteral("nyomda")}, QStringLiteral("Azonosító szám:"), false};
}

Mode Mode::multimedia()
{
    return {codes::doktipus::Multimedia, QStringLiteral("Katalogizálás: multimédia"),
            {QStringLiteral("kiegadat"), QStringLiteral("pc"), QStringLiteral("pac"), QStringLiteral("nyomda")},
            QStringLiteral("Azonosító jel:"), false};
}

QStringList recordColumns()
{
    return QStringLiteral("id,doktipus,szakj,raktj,szerzo,kiegadat,fc,ac,pc,pac,szerad,kiadjel,kiadas,kiadev,"
                          "nyomda,ter,sc1,issn,sc2,sorszam,megj,tartmeg,isbn,kotes,ar,pnem,tmt,kotet,eto,tft,tszo,"
                          "nyelv,mt,utalo,inev,icim,jegy,tanar,szak,kvtaros1,rdatum,kvtaros2,mdatum,irmufaj")
        .split(QLatin1Char(','));
}

QStringList copyColumns()
{
    return QStringLiteral("sorszam,id,vonalkod,lbetu,lszam,lszam2,kotszam,lhely,statusz,rendszam,uk,beszhely,"
                          "beszmod,gynyt,tnyt,szlaszam,beszdatum,alldatum,tulaj,megj,nemz,doktipus,kvtaros1,rdatum,"
                          "kvtaros2,mdatum")
        .split(QLatin1Char(','));
}

QStringList analyticColumns()
{
    return QStringLiteral("id,konyvid,szerzo,fc,ac,pc,pac,szerad,kiadjel,kiadas,kiadev,issn,megj,isbn,tmt,ter,tft,"
                          "tszo,mt,nyelv,utalo,sc,ann,kvtaros,datum")
        .split(QLatin1Char(','));
}

QString insertStatement(const QString& table, const QStringList& columns)
{
    QStringList params;
    for (const QString& c : columns)
        params << QLatin1Char(':') + c;
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(table, columns.join(QLatin1Char(',')), params.join(QLatin1Char(',')));
}

QString updateStatement(const QString& table, const QStringList& columns, const QString& key)
{
    QStringList sets;
    for (const QString& c : columns)
        sets << c + QStringLiteral("=:") + c;
    return QStringLiteral("update %1 set %2 where %3=:old_%3").arg(table, sets.join(QLatin1Char(',')), key);
}

namespace {

void setStatements(db::RowSet& rows, const QString& table, const QStringList& columns, const QString& key)
{
    rows.setInsertSql(insertStatement(table, columns));
    rows.setUpdateSql(updateStatement(table, columns, key));
    rows.setDeleteSql(QStringLiteral("delete from %1 where %2=:old_%2").arg(table, key));
}

} // namespace

void setRecordStatements(db::RowSet& rows)
{
    setStatements(rows, QStringLiteral("konyv"), recordColumns(), QStringLiteral("id"));
}

void setCopyStatements(db::RowSet& rows)
{
    setStatements(rows, QStringLiteral("kpld"), copyColumns(), QStringLiteral("sorszam"));
}

void setAnalyticStatements(db::RowSet& rows)
{
    setStatements(rows, QStringLiteral("kv_an"), analyticColumns(), QStringLiteral("id"));
}

void setIndexStatements(db::RowSet& rows, bool authors)
{
    const QString form = authors ? QStringLiteral("szerzo") : QStringLiteral("cim");
    setStatements(rows, authors ? QStringLiteral("kszerzo") : QStringLiteral("kcim"),
                  {QStringLiteral("sorszam"), QStringLiteral("doktipus"), QStringLiteral("id"), form},
                  QStringLiteral("sorszam"));
}

void setSubjectStatements(db::RowSet& rows)
{
    setStatements(rows, QStringLiteral("targyszo"),
                  {QStringLiteral("id"), QStringLiteral("reszleg"), QStringLiteral("targyszo"),
                   QStringLiteral("szinonima")},
                  QStringLiteral("id"));
}

void setPublisherStatements(db::RowSet& rows)
{
    setStatements(rows, QStringLiteral("kiadok"), {QStringLiteral("kiado")}, QStringLiteral("kiado"));
}

} // namespace zentar::catalogue::book
