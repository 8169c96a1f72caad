#include "shell/MainMenu.h"

#include "platform/MenuActions.h"

namespace zentar::shell {

const std::vector<MenuEntry>& mainMenu()
{
    using K = MenuEntry::Kind;
    namespace m = zentar::menu;
    static const std::vector<MenuEntry> entries = {
        {K::TopMenu, m::MenuZentar, "Zentar"},
        {K::Item, m::Login, "Bejelentkezés"},
        {K::Item, m::Logout, "Kijelentkezés"},
        {K::Separator},
        {K::Item, m::Exit, "Kilépés"},

        {K::TopMenu, m::MenuSearch, "Keresés"},
        {K::Item, m::SearchCatalogue, "Könyv,AV,Mmédia,Hangzó,Szakd."},
        {K::Item, m::SearchOldBooks, "Régi könyv"},
        {K::Item, m::SearchPeriodicals, "Folyóirat, cikk, mikrofilm"},

        {K::TopMenu, m::MenuAcquisition, "Szerzeményezés"},
        {K::Item, m::AcquisitionInvoices, "Kiadások nyilvántartása"},

        {K::TopMenu, m::MenuCataloguing, "Katalogizálás"},
        {K::Item, m::CatalogueBook, "Könyv, analitikus"},
        {K::Item, m::CatalogueVideo, "AV (Videó)"},
        {K::Item, m::CatalogueMultimedia, "Multimédia"},
        {K::Item, m::CatalogueSound, "Hangzó (Zene)"},
        {K::Item, m::CatalogueThesis, "Szakdolgozat"},

        {K::TopMenu, m::MenuOldBooks, "Régi könyv"},
        {K::Item, m::OldBookCataloguing, "Katalogizálás"},

        {K::TopMenu, m::MenuPeriodicals, "Folyóirat"},
        {K::Item, m::Periodicals, "Folyóirat,Cikk, Mikrofilm"},

        {K::TopMenu, m::MenuCirculation, "Olvasószolgálat"},
        {K::Item, m::Circulation, "Beiratkozás / kölcsönzés"},
        {K::Item, m::Reminders, "Felszólítók"},

        {K::TopMenu, m::MenuStatistics, "Statisztika"},
        {K::Item, m::CirculationStatistics, "Forgalom"},
        {K::Item, m::RegistrationLog, "Beiratkozási napló"},
        {K::Item, m::CataloguingStatistics, "Katalogizálás"},

        {K::TopMenu, m::MenuRegisters, "Leltárkönyv"},
        {K::Item, m::InventoryBook, "Egyedi leltárkönyvek"},
        {K::SubMenu, "menuGroupRegisters", "Csoportos leltárkönyv"},
        {K::Item, m::GroupAccessions, "Gyarapodás"},
        {K::Item, m::GroupDeletions, "Törlés"},
        {K::Item, m::StockBalance, "Állománymérleg"},
        {K::EndSubMenu},

        {K::TopMenu, m::MenuIll, "Könyvtárközi kölcsönzés"},
        {K::Item, m::IllLending, "Kérés"},
        {K::Item, m::IllBorrowing, "Küldés"},
        {K::Separator},
        {K::Item, m::IllStatistics, "Statisztika"},

        {K::TopMenu, m::MenuStockControl, "Állományellenőrzés"},
        {K::Item, m::DiscardList, "Selejtjegyzék"},
        {K::Item, m::StockCheck, "Állomány / hiány"},

        {K::TopMenu, m::MenuMaintenance, "Karbantartás"},
        {K::Item, m::LibrarySettings, "Könytár adatai"},
        {K::Item, m::Librarians, "Könyvtárosok"},
        {K::Item, m::ReaderCategories, "Olvasói státuszok"},
        {K::Item, m::ReferenceLists, "Irányítószám, nyelv, cég", "Cég: beszerzési helyek"},

        {K::TopMenu, m::MenuOther, "Egyéb"},
        {K::Item, m::ChangePassword, "Jelszó módosítás"},
        {K::Item, m::FunctionKeys, "Funkcióbillentyűk"},
        {K::Item, m::Desiderata, "Desiderata katalógus"},
        {K::Item, m::SendMessage, "Üzenet küldés"},

        {K::TopMenu, m::MenuHelp, "Súgó"},
        {K::Item, m::Help, "Súgó"},
        {K::Item, m::Licence, "Licensz szerződés"},
        {K::Item, m::About, "Névjegy"},
    };
    return entries;
}

} // namespace zentar::shell
