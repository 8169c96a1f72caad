#include "platform/MenuActions.h"
#include "shell/ChangePasswordWindow.h"
#include "shell/LibrarianAccounts.h"
#include "shell/LibrariansWindow.h"
#include "shell/LoginWindow.h"
#include "shell/PasswordHash.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace zentar;
namespace password = zentar::shell::password;

namespace {

const QString kWeak = shell::LoginWindow::weakPasswordText();

class LibrarianTest : public test::DbTest {
protected:
    // A librarian as the librarians window records one (hashed), or as typed into the table by
    // hand (plain text).
    void addLibrarian(const QString& name, const QString& code, const QString& pw, const QString& rights,
                      bool hashed = true)
    {
        db.exec("insert into kvtaros (nev, kod, jelszo, jogkod) values (?, ?, ?, ?)",
                {name, code, hashed ? password::hash(pw) : pw, rights});
    }
    QString stored(const QString& code) { return db.scalar("select jelszo from kvtaros where kod = ?", {code}).toString(); }
    // No password is left in plain text in the table.
    void expectOnlyHashes()
    {
        for (const QVariantMap& row : db.rows("select kod, jelszo from kvtaros"))
            EXPECT_TRUE(password::isHash(row.value("jelszo").toString())) << row.value("kod").toString().toStdString();
    }

    void open(const char* action) { (*test::modules().windows.find(action))(context()); }

    // Opens "Bejelentkezés" from its menu item, types and presses " OK"; returns the window.
    shell::LoginWindow* login(const QString& code, const QString& pw, const QString& department = {})
    {
        open(menu::Login);
        auto* window = host.last<shell::LoginWindow>();
        window->findChild<QLineEdit*>("kod")->setText(code);
        window->findChild<QLineEdit*>("jelszo")->setText(pw);
        window->findChild<QComboBox*>("reszleg")->setEditText(department);
        window->findChild<QPushButton*>("btnOk")->click();
        return window;
    }
};

TEST_F(LibrarianTest, LoginOnAnEmptyTableShowsOnlyMaintenanceAndStaysOpen)
{
    auto* window = login("akarki", "barmi");
    EXPECT_EQ(host.visibleRights, "0000000001");
    EXPECT_FALSE(host.otherVisible);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_FALSE(context().login.isLoggedIn());
}

TEST_F(LibrarianTest, LoginCases)
{
    addLibrarian("Kiss Anna", "kanna", "Titok123", "1000000001");
    addLibrarian("Rövid Jelszavú Rozália", "rozi", "abc12", "0100000000");
    addLibrarian("Hat Karakteres Hugó", "hugo", "abc123", "0010000000");
    struct Case {
        const char* code;
        const char* pw;
        const char* rights; // the menus shown; empty: failure
        bool warning;
    } cases[] = {
        {"kanna", "Titok123", "1000000001", false},
        {"rozi", "abc12", "0100000000", true},
        {"hugo", "abc123", "0010000000", true},
        {"hugo", "abc123", "0010000000", true}, // the warning comes every time
        {"kanna", "titok123", "", false}, // passwords are case-sensitive
        {"kanna", "", "", false},
        {"nincs", "Titok123", "", false},
        {"' or '1'='1", "' or '1'='1", "", false},
        {"kanna' --", "x", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " / " + c.pw);
        dialogs.clear();
        host.status = "Adatbázis kapcsolat rendben.";
        host.applyRights("1111111111");
        auto* window = login(QString::fromUtf8(c.code), QString::fromUtf8(c.pw));
        EXPECT_FALSE(window->isVisible());
        if (*c.rights) {
            EXPECT_EQ(host.visibleRights, c.rights);
            EXPECT_TRUE(host.otherVisible);
            EXPECT_TRUE(dialogs.messages().empty());
            EXPECT_EQ(host.status, c.warning ? kWeak : QString("Adatbázis kapcsolat rendben."));
            EXPECT_EQ(context().login.librarianCode(), c.code);
        } else {
            EXPECT_EQ(dialogs.texts("warning"), QStringList{"Érvénytelen felhasználói név vagy jelszó!"});
            EXPECT_EQ(host.visibleRights, "0000000000");
            EXPECT_FALSE(host.otherVisible);
            EXPECT_FALSE(context().login.isLoggedIn());
        }
    }
    expectOnlyHashes();
}

TEST_F(LibrarianTest, LoginFillsTheLoginStateCutToItsWidths)
{
    const QString longName = "Nagyon Hosszú Nevű Könyvtáros Erzsébet Mária Terézia";
    addLibrarian(longName, "erzsi", "Titok123", "1111111111");
    login("erzsi", "Titok123", "Felnőtt olvasószolgálat és tájékoztatás");
    EXPECT_EQ(context().login.librarianName(), longName.left(40));
    EXPECT_EQ(context().login.librarianCode(), "erzsi");
    EXPECT_EQ(context().login.department(), QString("Felnőtt olvasószolgálat és tájékoztatás").left(20));
    EXPECT_TRUE(context().login.isLoggedIn());

    // The department list holds the departments; left empty, the department is empty.
    login("erzsi", "Titok123", "");
    auto* combo = host.last<shell::LoginWindow>()->findChild<QComboBox*>("reszleg");
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "Felnőtt");
    EXPECT_EQ(context().login.department(), "");
}

TEST_F(LibrarianTest, APlainTextPasswordTypedIntoTheTableWorksOnceAndIsReplacedByAHash)
{
    addLibrarian("Kézi Kata", "kata", "Kezi2024", "0000000001", false);
    login("kata", "rossz");
    EXPECT_EQ(stored("kata"), "Kezi2024"); // a failed login changes nothing
    login("kata", "Kezi2024");
    EXPECT_EQ(host.visibleRights, "0000000001");
    EXPECT_TRUE(password::isHash(stored("kata")));
    EXPECT_TRUE(password::matches("Kezi2024", stored("kata")));
    login("kata", "Kezi2024");
    EXPECT_TRUE(host.otherVisible);
    dialogs.clear();
    login("kata", stored("kata")); // the hash itself is no password
    EXPECT_EQ(dialogs.texts("warning"), QStringList{"Érvénytelen felhasználói név vagy jelszó!"});
}

class LibrariansWindowTest : public LibrarianTest {
protected:
    void openWindow()
    {
        window = std::make_unique<shell::LibrariansWindow>(context());
    }
    template <typename T = QLineEdit>
    T* w(const char* name)
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_TRUE(widget) << name;
        return widget;
    }
    void type(const char* field, const QString& text) { w(field)->setText(text); }
    void leave(const char* field)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w(field), &out);
    }
    void click(const char* button) { w<QPushButton>(button)->click(); }
    QString ticked()
    {
        QString out;
        for (int i = 1; i <= 10; ++i)
            out += window->findChild<QCheckBox*>(QString("jogkod%1").arg(i))->isChecked() ? '1' : '0';
        return out;
    }

    std::unique_ptr<shell::LibrariansWindow> window;
};

TEST_F(LibrariansWindowTest, FirstLibrarianIsRecordedWithAllRightsAndAHashedPassword)
{
    // Opened from its menu item as a modal window.
    QString title;
    host.onModal = [&](QDialog* d) {
        title = d->windowTitle();
        return 0;
    };
    open(menu::Librarians);
    EXPECT_EQ(title, "Könyvtárosok adatai");

    openWindow();
    EXPECT_EQ(window->rows().state(), db::RowSet::State::Insert);
    type("nev", "Első Könyvtáros");
    type("kod", "elso");
    type("beoszt", "könyvtárvezető");
    type("jelszo", "Kezdo123");
    click("btnSave");
    EXPECT_EQ(dialogs.texts(), QStringList{"A két jelszó nem egyezik!"});
    type("jelszo", "");
    click("btnSave");
    EXPECT_EQ(dialogs.texts().last(), "Kötelező jelszót adni!");
    EXPECT_EQ(db.scalar("select count(*) from kvtaros").toInt(), 0);

    w<QCheckBox>("selectAll")->click();
    EXPECT_EQ(ticked(), "1111111111");
    type("jelszo", "Kezdo123");
    type("jelszo2", "Kezdo123");
    click("btnSave");
    EXPECT_EQ(dialogs.messages().size(), 2u);
    const QVariantMap row = db.rows("select * from kvtaros").first();
    EXPECT_EQ(row.value("nev").toString(), "Első Könyvtáros");
    EXPECT_EQ(row.value("beoszt").toString(), "könyvtárvezető");
    EXPECT_EQ(row.value("jogkod").toString(), "1111111111");
    EXPECT_TRUE(password::matches("Kezdo123", row.value("jelszo").toString()));
    expectOnlyHashes();
    EXPECT_FALSE(w<QPushButton>("btnSave")->isEnabled());
    EXPECT_EQ(w("jelszo")->text(), ""); // never shown again

    window.reset();
    login("elso", "Kezdo123");
    EXPECT_EQ(host.visibleRights, "1111111111");
    EXPECT_TRUE(host.otherVisible);
}

TEST_F(LibrariansWindowTest, ChangingTheCodeUpdatesThatRowKeyedOnTheOldCode)
{
    addLibrarian("Kiss Anna", "kanna", "Titok123", "1000000001");
    addLibrarian("Nagy Béla", "nbela", "Titok456", "0000000011");
    openWindow();
    // The last row by name is shown, with its rights and empty password fields.
    EXPECT_EQ(w("nev")->text(), "Nagy Béla");
    EXPECT_EQ(ticked(), "0000000011");
    EXPECT_EQ(w("jelszo")->text(), "");
    EXPECT_TRUE(w<QPushButton>("btnPrevious")->isEnabled());
    EXPECT_FALSE(w<QPushButton>("btnNext")->isEnabled());
    click("btnPrevious");
    EXPECT_EQ(w("nev")->text(), "Kiss Anna");
    EXPECT_EQ(ticked(), "1000000001");

    type("kod", "anna");
    leave("kod");
    EXPECT_TRUE(w<QPushButton>("btnSave")->isEnabled());
    type("jelszo", "Uj12345");
    type("jelszo2", "Uj12345");
    click("btnSave");
    EXPECT_TRUE(dialogs.messages().empty()) << dialogs.texts().join("|").toStdString();
    const auto rows = db.rows("select kod, nev, jelszo from kvtaros order by nev");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].value("kod").toString(), "anna");
    EXPECT_TRUE(password::matches("Uj12345", rows[0].value("jelszo").toString()));
    EXPECT_EQ(rows[1].value("kod").toString(), "nbela");
    EXPECT_TRUE(password::matches("Titok456", rows[1].value("jelszo").toString()));
}

TEST_F(LibrariansWindowTest, LeavingTheCodeFieldWithATakenCodeDisablesSavingUntilAFreeOne)
{
    addLibrarian("Kiss Anna", "kanna", "Titok123", "1000000001");
    addLibrarian("Nagy Béla", "nbela", "Titok456", "0000000011");
    openWindow();
    // Leaving one's own code unchanged is no conflict.
    leave("kod");
    EXPECT_TRUE(dialogs.messages().empty());

    click("btnNew");
    EXPECT_EQ(ticked(), "0000000000");
    EXPECT_EQ(w("nev")->text(), "");
    type("nev", "Harmadik Hedvig");
    type("kod", "kanna");
    leave("kod");
    EXPECT_EQ(dialogs.texts(), QStringList{"Ilyen azonosító kódú könyvtáros már szerepel az adatbázisban!"});
    EXPECT_FALSE(w<QPushButton>("btnSave")->isEnabled());
    // Saving by other means is refused too, and nothing is written.
    type("jelszo", "Titok789");
    type("jelszo2", "Titok789");
    window->save();
    EXPECT_EQ(dialogs.texts().size(), 2);
    EXPECT_EQ(db.scalar("select count(*) from kvtaros").toInt(), 2);

    type("kod", "hedvig");
    leave("kod");
    EXPECT_TRUE(w<QPushButton>("btnSave")->isEnabled());
    click("btnSave");
    EXPECT_EQ(db.scalar("select nev from kvtaros where kod = 'hedvig'").toString(), "Harmadik Hedvig");
}

TEST_F(LibrariansWindowTest, SearchByNamePrefixAndDeleteAfterConfirmation)
{
    addLibrarian("Kiss Anna", "kanna", "Titok123", "1000000001");
    addLibrarian("Kovács Éva", "keva", "Titok123", "0100000000");
    addLibrarian("Nagy Béla", "nbela", "Titok456", "0000000011");
    openWindow();
    type("searchName", "ko");
    click("btnSearch");
    EXPECT_EQ(w("nev")->text(), "Kovács Éva");
    EXPECT_EQ(window->rows().count(), 1);
    type("searchName", "Zöld");
    click("btnSearch");
    EXPECT_EQ(dialogs.texts("information"), QStringList{"Ilyen nevű könyvtáros nem szerepel az adatbázisban!"});
    EXPECT_EQ(w("nev")->text(), "Kovács Éva");

    type("searchName", "");
    click("btnSearch");
    EXPECT_EQ(window->rows().count(), 3);
    EXPECT_EQ(w("nev")->text(), "Kiss Anna");
    dialogs.answerDelete(false);
    click("btnDelete");
    EXPECT_EQ(db.scalar("select count(*) from kvtaros").toInt(), 3);
    dialogs.answerDelete(true);
    click("btnDelete");
    EXPECT_EQ(db.scalar("select count(*) from kvtaros where kod = 'kanna'").toInt(), 0);
    EXPECT_EQ(w("nev")->text(), "Kovács Éva");
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

class ChangePasswordTest : public LibrarianTest {
protected:
    shell::ChangePasswordWindow* openWindow()
    {
        open(menu::ChangePassword);
        return host.last<shell::ChangePasswordWindow>();
    }
    void fill(shell::ChangePasswordWindow* window, const QString& old, const QString& pw, const QString& again)
    {
        window->findChild<QLineEdit*>("oldPassword")->setText(old);
        window->findChild<QLineEdit*>("newPassword")->setText(pw);
        window->findChild<QLineEdit*>("repeatedPassword")->setText(again);
        window->findChild<QPushButton*>("btnOk")->click();
    }
};

TEST_F(ChangePasswordTest, NewPasswordEqualToCodeShortAndNotRepeatedShowsThreeMessagesThenFailure)
{
    addLibrarian("Kiss Anna", "abc", "Titok123", "1111111111");
    context().login.setLibrarianCode("abc");
    auto* window = openWindow();
    fill(window, "Titok123", "abc", "abd");
    EXPECT_EQ(dialogs.texts("warning"), QStringList({
                                            "Érvénytelen jelszó!\nA két jelszó nem egyezik",
                                            "Érvénytelen jelszó!\nA jelszónak legalább 5 karakter hosszúnak kell lennie!",
                                            "Érvénytelen jelszó!\nA jelszó nem egyezhet meg az azonosítójával!",
                                            "A művelet végrehajtása nem sikerült.",
                                        }));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(password::matches("Titok123", stored("abc")));
}

TEST_F(ChangePasswordTest, WrongOldPasswordThenSuccessWritesTheStatusBar)
{
    addLibrarian("Kiss Anna", "kanna", "Titok123", "1111111111");
    login("kanna", "Titok123");
    host.status = "Adatbázis kapcsolat rendben.";
    auto* window = openWindow();
    EXPECT_EQ(window->windowTitle(), "Jelszó megváltoztatása");
    EXPECT_EQ(host.status, ""); // opening clears the status bar
    fill(window, "Titok12", "Masik77", "Masik77");
    EXPECT_EQ(dialogs.texts(), QStringList{"Hibásan adta meg a régi jelszavát!"});
    EXPECT_TRUE(window->isVisible());

    fill(window, "Titok123", "Masik77", "Masik77");
    EXPECT_EQ(host.status, "A jelszavát sikeresen megváltoztatta.");
    EXPECT_FALSE(window->isVisible());
    expectOnlyHashes();

    dialogs.clear();
    login("kanna", "Titok123");
    EXPECT_EQ(dialogs.texts(), QStringList{"Érvénytelen felhasználói név vagy jelszó!"});
    login("kanna", "Masik77");
    EXPECT_EQ(host.visibleRights, "1111111111");
    EXPECT_TRUE(host.otherVisible);
}

TEST_F(ChangePasswordTest, NobodyLoggedInCannotChangeAnyPassword)
{
    addLibrarian("Kiss Anna", "kanna", "Titok123", "1111111111");
    fill(openWindow(), "", "Masik77", "Masik77");
    EXPECT_EQ(dialogs.texts(), QStringList{"Hibásan adta meg a régi jelszavát!"});
    EXPECT_TRUE(password::matches("Titok123", stored("kanna")));
}

} // namespace
