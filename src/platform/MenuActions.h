#pragma once

// objectNames of the main menu's actions. A folder registers the window an action opens under
// this name (WindowRegistry); tests trigger actions by it.
namespace zentar::menu {

// Zentar
inline constexpr const char* Login = "actLogin";
inline constexpr const char* Logout = "actLogout";
inline constexpr const char* Exit = "actExit";
// Keresés
inline constexpr const char* SearchCatalogue = "actSearchCatalogue";
inline constexpr const char* SearchOldBooks = "actSearchOldBooks";
inline constexpr const char* SearchPeriodicals = "actSearchPeriodicals";
// Szerzeményezés
inline constexpr const char* AcquisitionInvoices = "actAcquisitionInvoices";
// Katalogizálás
inline constexpr const char* CatalogueBook = "actCatalogueBook";
inline constexpr const char* CatalogueVideo = "actCatalogueVideo";
inline constexpr const char* CatalogueMultimedia = "actCatalogueMultimedia";
inline constexpr const char* CatalogueSound = "actCatalogueSound";
inline constexpr const char* CatalogueThesis = "actCatalogueThesis";
// Régi könyv
inline constexpr const char* OldBookCataloguing = "actOldBookCataloguing";
// Folyóirat
inline constexpr const char* Periodicals = "actPeriodicals";
// Olvasószolgálat
inline constexpr const char* Circulation = "actCirculation";
inline constexpr const char* Reminders = "actReminders";
// Statisztika
inline constexpr const char* CirculationStatistics = "actCirculationStatistics";
inline constexpr const char* RegistrationLog = "actRegistrationLog";
inline constexpr const char* CataloguingStatistics = "actCataloguingStatistics";
// Leltárkönyv
inline constexpr const char* InventoryBook = "actInventoryBook";
inline constexpr const char* GroupAccessions = "actGroupAccessions";
inline constexpr const char* GroupDeletions = "actGroupDeletions";
inline constexpr const char* StockBalance = "actStockBalance";
// Könyvtárközi kölcsönzés
inline constexpr const char* IllLending = "actIllLending";
inline constexpr const char* IllBorrowing = "actIllBorrowing";
inline constexpr const char* IllStatistics = "actIllStatistics";
// Állományellenőrzés
inline constexpr const char* DiscardList = "actDiscardList";
inline constexpr const char* StockCheck = "actStockCheck";
// Karbantartás
inline constexpr const char* LibrarySettings = "actLibrarySettings";
inline constexpr const char* Librarians = "actLibrarians";
inline constexpr const char* ReaderCategories = "actReaderCategories";
inline constexpr const char* ReferenceLists = "actReferenceLists";
// Egyéb
inline constexpr const char* ChangePassword = "actChangePassword";
inline constexpr const char* FunctionKeys = "actFunctionKeys";
inline constexpr const char* Desiderata = "actDesiderata";
inline constexpr const char* SendMessage = "actSendMessage";
// Súgó
inline constexpr const char* Help = "actHelp";
inline constexpr const char* Licence = "actLicence";
inline constexpr const char* About = "actAbout";

// objectNames of the top menus.
inline constexpr const char* MenuZentar = "menuZentar";
inline constexpr const char* MenuSearch = "menuSearch";
inline constexpr const char* MenuAcquisition = "menuAcquisition";
inline constexpr const char* MenuCataloguing = "menuCataloguing";
inline constexpr const char* MenuOldBooks = "menuOldBooks";
inline constexpr const char* MenuPeriodicals = "menuPeriodicals";
inline constexpr const char* MenuCirculation = "menuCirculation";
inline constexpr const char* MenuStatistics = "menuStatistics";
inline constexpr const char* MenuRegisters = "menuRegisters";
inline constexpr const char* MenuIll = "menuIll";
inline constexpr const char* MenuStockControl = "menuStockControl";
inline constexpr const char* MenuMaintenance = "menuMaintenance";
inline constexpr const char* MenuOther = "menuOther";
inline constexpr const char* MenuHelp = "menuHelp";

// The ten rights-controlled menus, in the order of the rights string's positions.
inline constexpr const char* RightsMenus[10] = {
    MenuAcquisition, MenuCataloguing, MenuOldBooks, MenuPeriodicals, MenuCirculation,
    MenuStatistics, MenuRegisters, MenuIll, MenuStockControl, MenuMaintenance,
};

} // namespace zentar::menu
