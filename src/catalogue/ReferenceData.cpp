#include "catalogue/ReferenceData.h"

#include "catalogue/BulkInsert.h"
#include "catalogue/CodeLists.h"
#include "catalogue/Cutter.h"
#include "catalogue/CutterRules.h"

namespace zentar::catalogue {

QStringList codes::deliveredMusicGenres()
{
    return {
        QStringLiteral("a cappella"),
        QStringLiteral("alternatív zene"),
        QStringLiteral("balett"),
        QStringLiteral("barokk zene"),
        QStringLiteral("blues"),
        QStringLiteral("country"),
        QStringLiteral("dal"),
        QStringLiteral("diszkó"),
        QStringLiteral("dzsessz"),
        QStringLiteral("egyházi zene"),
        QStringLiteral("elektronikus zene"),
        QStringLiteral("filmzene"),
        QStringLiteral("folk"),
        QStringLiteral("funk"),
        QStringLiteral("gospel"),
        QStringLiteral("gregorián ének"),
        QStringLiteral("gyermekdal"),
        QStringLiteral("hangoskönyv"),
        QStringLiteral("heavy metal"),
        QStringLiteral("hip-hop"),
        QStringLiteral("indulók"),
        QStringLiteral("kamarazene"),
        QStringLiteral("klasszikus zene"),
        QStringLiteral("kortárs zene"),
        QStringLiteral("kórusmű"),
        QStringLiteral("könnyűzene"),
        QStringLiteral("latin zene"),
        QStringLiteral("magyarnóta"),
        QStringLiteral("megzenésített vers"),
        QStringLiteral("mese"),
        QStringLiteral("musical"),
        QStringLiteral("mulatós"),
        QStringLiteral("népdal"),
        QStringLiteral("népzene"),
        QStringLiteral("nyelvlecke"),
        QStringLiteral("opera"),
        QStringLiteral("operett"),
        QStringLiteral("oratórium"),
        QStringLiteral("orgonazene"),
        QStringLiteral("pop"),
        QStringLiteral("punk"),
        QStringLiteral("rap"),
        QStringLiteral("reggae"),
        QStringLiteral("reneszánsz zene"),
        QStringLiteral("rock"),
        QStringLiteral("rock and roll"),
        QStringLiteral("romantikus zene"),
        QStringLiteral("soul"),
        QStringLiteral("szimfonikus zene"),
        QStringLiteral("szólóhangszeres zene"),
        QStringLiteral("táncdal"),
        QStringLiteral("táncház"),
        QStringLiteral("természethang"),
        QStringLiteral("irodalmi felolvasás"),
        QStringLiteral("versmondás"),
        QStringLiteral("világzene"),
    };
}

namespace referencedata {

void seedLetterCodes(db::Connection& db)
{
    BulkInsert insert(db, QStringLiteral("insert into abc (id, betu, kod) values (?, ?, ?)"));
    int id = 0;
    for (const cutterrules::LetterCode& letter : cutterrules::letterCodes())
        insert.run({ ++id, letter.letter, letter.code });
}

void seedCutterTable(db::Connection& db)
{
    cutter::writeDeliveredTable(db);
}

void seedMusicGenres(db::Connection& db)
{
    BulkInsert insert(db, QStringLiteral("insert into zmufaj (mufaj) values (?)"));
    for (const QString& genre : codes::deliveredMusicGenres())
        insert.run({ genre });
}

void copyMusicGenres(db::Connection& db)
{
    db.exec(QStringLiteral("insert into mufaj (mufaj) select mufaj from zmufaj"));
}

} // namespace referencedata
} // namespace zentar::catalogue
