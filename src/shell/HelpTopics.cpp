#include "shell/HelpTopics.h"

#include "db/Connection.h"
#include "platform/Rtf.h"

#include <QStringList>

namespace zentar::shell {

namespace {

struct Topic {
    const char* title;
    QStringList paragraphs;
};

QList<Topic> topics()
{
    return {
        {"A program használata",
         {QStringLiteral("A Zentar egy könyvtár integrált nyilvántartó rendszere: katalógus, leltárkönyvek, olvasók, "
                         "kölcsönzés, folyóiratok, statisztikák. Egyszerre egy könyvtáros dolgozik vele."),
          QStringLiteral("A munkaablakokat a főmenüből nyitja meg. Egy ablakból több is nyitva lehet egyszerre; "
                         "az ablak bezárásával a benne lévő, el nem mentett módosítások elvesznek, ezért "
                         "bezárás előtt mindig nyomja meg a „Mentés” gombot."),
          QStringLiteral("A főablak alsó sorában (állapotsor) a program rövid üzeneteket ír, például az "
                         "adatbázis kapcsolat állapotát vagy egy hosszabb művelet előrehaladását.")}},
        {"Bejelentkezés és jogosultságok",
         {QStringLiteral("Indítás után senki sincs bejelentkezve; a menük többsége rejtve van. A „Zentar” "
                         "menüben jelentkezzen be a nevével és jelszavával."),
          QStringLiteral("A könyvtáros jogosultságai határozzák meg, mely főmenük látszanak. Amíg egyetlen "
                         "könyvtáros sincs felvéve, csak a „Karbantartás” menü érhető el: itt vegye fel "
                         "először saját magát."),
          QStringLiteral("Kilépéskor (kijelentkezés) a jogosultsághoz kötött menük ismét elrejtőznek.")}},
        {"Olvasói státuszok beállítása",
         {QStringLiteral("Karbantartás menü. Három lapja van:"),
          QStringLiteral("- Olvasói kategóriák: a kategória neve, a legfeljebb kölcsönözhető dokumentumok száma "
                         "(inkább többet engedjen), a tagdíj, és hogy a kategória olvasói kaphatnak-e "
                         "felszólítót (i/n). Új sor: „Új rekord”, írás a táblázatba, majd „Mentés”."),
          QStringLiteral("- Foglalkozások: a listában válassza ki a foglalkozást, a mezőkben módosítsa, "
                         "„Mentés”. Új foglalkozáshoz „Új”, a szöveg és a részleg kiválasztása, majd „Mentés”."),
          QStringLiteral("- Munkahelyek: részlegenként az olvasók munkahelyei, iskolái.")}},
        {"Irányítószámok, nyelv, pénznem, céglista",
         {QStringLiteral("Karbantartás menü. Az itt felvett adatokból választhat a többi ablak."),
          QStringLiteral("- Irányítószámok: a település neve és irányítószáma. Az „Első” és „Utolsó” gomb a "
                         "lista elejére, végére ugrik."),
          QStringLiteral("- Nyelv, pénznem: nyelv, nyelvkód, pénznem és ETO jelzet. Törlés előtt a program "
                         "megerősítést kér."),
          QStringLiteral("- Céglista: szállítók, kiadók, partnerek adatai. Új céghez „Új”, az adatok beírása, "
                         "„Mentés”; a cég kódját a program adja.")}},
        {"Funkcióbillentyűk",
         {QStringLiteral("Egyéb menü. Az F2–F12 billentyűkhöz gyakran használt szövegeket rendelhet "
                         "(például kiadó, sorozat, megjegyzés); katalogizáláskor a billentyű lenyomása beírja "
                         "a szöveget az aktuális mezőbe. Az F2–F6 szövegek legfeljebb 50 karakteresek."),
          QStringLiteral("A „Mentés” a munkakönyvtár zentar.ini fájljába írja a szövegeket, soronként egyet, "
                         "F2-től F12-ig. A „Nyomtatás” kinyomtatja a billentyűk listáját.")}},
        {"Nyomtatás és nyomtatási kép",
         {QStringLiteral("A nyilvántartások és listák először nyomtatási képként jelennek meg. Itt lapozhat "
                         "(első, előző, következő, utolsó oldal), nagyíthat, nyomtathat, vagy PDF fájlba "
                         "mentheti a nyomatot."),
          QStringLiteral("A rövid listák (például a funkcióbillentyűk) közvetlenül az alapértelmezett "
                         "nyomtatóra kerülnek."),
          QStringLiteral("Ha a gépen nincs nyomtató telepítve, a program a nyomatot PDF fájlba menti a "
                         "munkakönyvtárba, és kiírja a fájl helyét.")}},
        {"Szövegfájlok és exportok",
         {QStringLiteral("A program szövegfájljai (exportok, listák) Windows-1250 kódolásúak, sorvégük CR LF, "
                         "így táblázatkezelővel és szövegszerkesztővel is megnyithatók. Minden futtatás "
                         "felülírja az előző fájlt; a program kiírja a fájl teljes elérési útját."),
          QStringLiteral("A szerkesztésre szánt listák RTF (rich text) formátumúak, ezeket bármely "
                         "szövegszerkesztő megnyitja.")}},
        {"Törlés",
         {QStringLiteral("Törlés előtt a program legtöbbször megkérdezi: „Biztosan törölni kívánja ?”. "
                         "Az „Igen” gombra töröl, a „Nem” gombra semmi sem változik."),
          QStringLiteral("A törlés nem vonható vissza, ezért rendszeresen készítsen biztonsági mentést.")}},
        {"Súgó, licensz szerződés, névjegy",
         {QStringLiteral("A Súgó menüben olvasható ez a leírás, a program licensz szerződése (MIT licenc, a "
                         "munkakönyvtár licensz.rtf fájljából; nyomtatható), és a program névjegye.")}},
    };
}

} // namespace

void seedHelpTopics(db::Connection& connection)
{
    int id = 0;
    for (const Topic& topic : topics()) {
        const QString title = QString::fromUtf8(topic.title);
        connection.exec(QStringLiteral("insert into sugo (id, temakor, leiras) values (?, ?, ?)"),
                        {++id, title, QString::fromLatin1(platform::rtf::fromParagraphs(title, topic.paragraphs, 10))});
    }
}

} // namespace zentar::shell
