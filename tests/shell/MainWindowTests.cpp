#include "platform/MenuActions.h"
#include "shell/DeleteConfirmDialog.h"
#include "shell/MainWindow.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

using namespace zentar;
namespace m = zentar::menu;

namespace {

class MainWindowTest : public test::DbTest {
protected:
    // The visibility of the ten rights-controlled menus as a rights-like string, then Egyéb.
    QString visibleMenus(const shell::MainWindow& window) const
    {
        QString out;
        for (const char* name : m::RightsMenus)
            out += window.isMenuVisible(QString::fromLatin1(name)) ? QLatin1Char('1') : QLatin1Char('0');
        out += window.isMenuVisible(QString::fromLatin1(m::MenuOther)) ? QStringLiteral("+E") : QStringLiteral("-E");
        return out;
    }
};

TEST_F(MainWindowTest, StartLoginAndLogoutDriveTheMenus)
{
    platform::WindowRegistry windows;
    shell::MainWindow window(context(), windows);
    window.applyStartVisibility();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zentar Integrált Könyvtári Rendszer egyfelhasználós verzió"));
    EXPECT_EQ(visibleMenus(window), QStringLiteral("0000000000+E"));
    for (const char* always : {m::MenuZentar, m::MenuSearch, m::MenuHelp})
        EXPECT_TRUE(window.isMenuVisible(QString::fromLatin1(always))) << always;

    window.applyRights(QStringLiteral("1000000001"));
    EXPECT_EQ(visibleMenus(window), QStringLiteral("1000000001+E"));
    EXPECT_EQ(window.topMenu(QString::fromLatin1(m::RightsMenus[0]))->title(), QStringLiteral("Szerzeményezés"));
    EXPECT_EQ(window.topMenu(QString::fromLatin1(m::RightsMenus[9]))->title(), QStringLiteral("Karbantartás"));

    window.applyRights(QStringLiteral("0111")); // a short string hides the positions it lacks
    EXPECT_EQ(visibleMenus(window), QStringLiteral("0111000000+E"));

    window.showMaintenanceOnly();
    EXPECT_EQ(visibleMenus(window), QStringLiteral("0000000001-E"));

    window.applyRights(QStringLiteral("1111111111"));
    context().login.setLibrarianName(QStringLiteral("Kiss Anna"));
    window.action(QString::fromLatin1(m::Logout))->trigger();
    EXPECT_EQ(visibleMenus(window), QStringLiteral("0000000000-E"));
    // Logout keeps the login-state values.
    EXPECT_EQ(context().login.librarianName(), QStringLiteral("Kiss Anna"));
    for (const char* always : {m::MenuZentar, m::MenuSearch, m::MenuHelp})
        EXPECT_TRUE(window.isMenuVisible(QString::fromLatin1(always))) << always;
}

TEST_F(MainWindowTest, MenuCaptionsHintsAndItemsWithoutWindows)
{
    platform::WindowRegistry windows;
    shell::MainWindow window(context(), windows);
    const std::pair<const char*, const char*> captions[] = {
        {m::SearchCatalogue, "Könyv,AV,Mmédia,Hangzó,Szakd."},
        {m::LibrarySettings, "Könytár adatai"},
        {m::Periodicals, "Folyóirat,Cikk, Mikrofilm"},
        {m::StockBalance, "Állománymérleg"},
        {m::SendMessage, "Üzenet küldés"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(window.action(QString::fromLatin1(name))->text(), QString::fromUtf8(caption));
    EXPECT_EQ(window.action(QString::fromLatin1(m::ReferenceLists))->statusTip(), QStringLiteral("Cég: beszerzési helyek"));
    EXPECT_FALSE(window.action(QString::fromLatin1(m::SendMessage))->isEnabled());
    EXPECT_FALSE(window.action(QString::fromLatin1(m::Help))->isEnabled());
    EXPECT_TRUE(window.action(QString::fromLatin1(m::Logout))->isEnabled());
    EXPECT_TRUE(window.action(QString::fromLatin1(m::Exit))->isEnabled());
}

TEST_F(MainWindowTest, EachChoiceOfAMenuItemOpensANewWindow)
{
    platform::WindowRegistry windows;
    windows.add(QString::fromLatin1(m::Help), [](platform::AppContext& ctx) {
        auto* w = new QWidget;
        w->setWindowTitle(QStringLiteral("Súgó"));
        ctx.host().showChild(w);
    });
    shell::MainWindow window(context(), windows);
    QAction* help = window.action(QString::fromLatin1(m::Help));
    ASSERT_TRUE(help->isEnabled());
    help->trigger();
    help->trigger();
    EXPECT_EQ(window.mdiArea()->subWindowList().size(), 2);
    // Logging out leaves them open.
    window.action(QString::fromLatin1(m::Logout))->trigger();
    EXPECT_EQ(window.mdiArea()->subWindowList().size(), 2);
}

TEST_F(MainWindowTest, DatabaseErrorOfAnOpenerIsShownAndTheProgramGoesOn)
{
    platform::WindowRegistry windows;
    windows.add(QString::fromLatin1(m::Help), [](platform::AppContext& ctx) { ctx.db.exec("select * from nincs_ilyen"); });
    shell::MainWindow window(context(), windows);
    window.action(QString::fromLatin1(m::Help))->trigger();
    ASSERT_EQ(dialogs.texts("error").size(), 1);
    EXPECT_TRUE(dialogs.texts("error").first().contains("NINCS_ILYEN", Qt::CaseInsensitive));
}

TEST(DeleteConfirmation, OnlyIgenConfirmsAndTheCloseBoxAnswersNo)
{
    shell::DeleteConfirmDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Törlés"));
    auto* yes = dialog.findChild<QPushButton*>("btnYes");
    auto* no = dialog.findChild<QPushButton*>("btnNo");
    ASSERT_TRUE(yes && no);
    EXPECT_EQ(yes->text(), QStringLiteral("&Igen"));
    EXPECT_EQ(no->text(), QStringLiteral("&Nem"));

    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(dialog.focusWidget(), yes);
        yes->click();
    });
    EXPECT_TRUE(dialog.ask());

    // The flag of the previous answer is cleared when the box shows again.
    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    EXPECT_FALSE(dialog.ask());

    QTimer::singleShot(0, &dialog, [&] { no->click(); });
    EXPECT_FALSE(dialog.ask());
}

} // namespace
