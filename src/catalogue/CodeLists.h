#pragma once

#include <QString>
#include <QStringList>

// The code lists of the catalogue: the exact texts stored in the tables and offered by the
// cataloguing windows. Every window takes them from here.
namespace zentar::catalogue::codes {

// Document types (konyv.doktipus, kpld.doktipus, kszerzo/kcim.doktipus).
namespace doktipus {
inline const QString Book = QStringLiteral("Könyv");
inline const QString Video = QStringLiteral("AV");
inline const QString Multimedia = QStringLiteral("Multimédia");
inline const QString Sound = QStringLiteral("Hangzó");
inline const QString Thesis = QStringLiteral("Szakdolgozat");
inline const QString Dissertation = QStringLiteral("Disszertáció");
// Index rows of an analytic record (only in kszerzo and kcim).
inline const QString Analytic = QStringLiteral("Könyv AN");
// Used by the inventory registers only.
inline const QString Periodical = QStringLiteral("Periodika");
inline const QString OldBook = QStringLiteral("Régi könyv");
inline const QString Microfilm = QStringLiteral("Mikrofilm");
} // namespace doktipus

// Copy statuses (kpld.statusz) in the order the windows offer them; each is also the loan-period
// code read by lending.
namespace statusz {
inline const QString OnOrder = QStringLiteral("Megrendelés alatt");
inline const QString NotForLoan = QStringLiteral("Nem kölcsönözhető");
inline const QString ThreeDays = QStringLiteral("3 nap");
inline const QString OneWeek = QStringLiteral("1 hét");
inline const QString ThreeWeeks = QStringLiteral("3 hét");
inline const QString FourWeeks = QStringLiteral("4 hét");
inline const QString SchoolYear = QStringLiteral("Tanév végéig");
inline const QString MarkedForDiscard = QStringLiteral("Selejtezésre jelölve");
inline const QString Discarded = QStringLiteral("Selejtezve");
} // namespace statusz

inline QStringList copyStatuses()
{
    using namespace statusz;
    return { OnOrder, NotForLoan, ThreeDays, OneWeek, ThreeWeeks, FourWeeks, SchoolYear, MarkedForDiscard, Discarded };
}

// Acquisition modes (kpld.beszmod, lkonyv.beszmod); other texts may be typed.
inline QStringList acquisitionModes()
{
    return { QStringLiteral("Ajándék"), QStringLiteral("Könyvtárellátó"), QStringLiteral("Szk. vétel"),
        QStringLiteral("Törzsanyag") };
}

// The fixed languages offered for konyv.nyelv (the windows add the names of table nyelv after
// them); "magyar" is the default.
inline const QString DefaultLanguage = QStringLiteral("magyar");
inline QStringList fixedLanguages()
{
    return { QStringLiteral("angol"), QStringLiteral("cseh"), QStringLiteral("eszperantó"), QStringLiteral("francia"),
        QStringLiteral("görög"), QStringLiteral("horvát"), QStringLiteral("latin"), QStringLiteral("lengyel"),
        QStringLiteral("magyar"), QStringLiteral("német"), QStringLiteral("olasz"), QStringLiteral("orosz"),
        QStringLiteral("román"), QStringLiteral("spanyol"), QStringLiteral("szerb"), QStringLiteral("szlovák"),
        QStringLiteral("többnyelvű") };
}

// Literary genres (konyv.irmufaj), in the order offered.
inline QStringList literaryGenres()
{
    return { QStringLiteral("antológia"), QStringLiteral("dráma, színmű"), QStringLiteral("elbeszélés"),
        QStringLiteral("esszé"), QStringLiteral("humoreszk, szatíra, karcolat"),
        QStringLiteral("legenda, mítosz, monda"), QStringLiteral("mese"), QStringLiteral("regény - életrajz"),
        QStringLiteral("regény - humoros"), QStringLiteral("regény - kaland"), QStringLiteral("regény - krimi"),
        QStringLiteral("regény - sci-fi, fantasy"), QStringLiteral("regény - thriller, horror, vámpír"),
        QStringLiteral("regény - történelmi"), QStringLiteral("szónoklat"), QStringLiteral("vers") };
}

// Currencies offered by the sound-recording window, and the currency a new book record gets.
inline const QString DefaultBookCurrency = QStringLiteral(",-Ft");
inline QStringList soundRecordingCurrencies()
{
    return { QStringLiteral("DIN"), QStringLiteral("EUR"), QStringLiteral("HUF"), QStringLiteral("KUN"),
        QStringLiteral("LEJ") };
}

// The delivered music-genre list (table zmufaj, copied into mufaj on first start).
QStringList deliveredMusicGenres();

} // namespace zentar::catalogue::codes
