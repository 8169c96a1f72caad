#include "app/Startup.h"
#include "db/Database.h"
#include "platform/TextFile.h"
#include "support/TestDatabase.h"

#include <QFileInfo>
#include <QTemporaryDir>

using namespace zentar;

namespace {

TEST(Startup, FirstStartCreatesTheDatabaseAndZentarSysThenReopensIt)
{
    QTemporaryDir home;
    platform::Folders folders{home.path(), home.path()};
    test::ScriptedDialogs dialogs;
    {
        db::Connection connection;
        ASSERT_TRUE(app::openDatabase(connection, folders, test::modules(), dialogs));
        EXPECT_EQ(platform::readTextFile(folders.workFile("zentar.sys")),
                  QStringList{folders.workFile("ZENTAR3.FDB")});
        EXPECT_TRUE(QFileInfo::exists(folders.workFile("ZENTAR3.FDB")));
        connection.exec("insert into lhely (lhely) values (?)", {"Raktár"});
    }
    db::Connection again;
    ASSERT_TRUE(app::openDatabase(again, folders, test::modules(), dialogs));
    EXPECT_EQ(again.scalar("select count(*) from lhely").toInt(), 1);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST(Startup, ZentarSysNamesTheDatabaseToOpen)
{
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    platform::Folders folders{home.path(), home.path()};
    const QString path = elsewhere.filePath("KONYVTAR.FDB");
    // Later lines (reminder texts) are kept as they are.
    ASSERT_TRUE(platform::writeTextFile(folders.workFile("zentar.sys"), {path, "", "", "", "", "", "", "Első levél"}));
    test::ScriptedDialogs dialogs;
    db::Connection connection;
    ASSERT_TRUE(app::openDatabase(connection, folders, test::modules(), dialogs));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(folders.workFile("ZENTAR3.FDB")));
    EXPECT_EQ(platform::readTextFile(folders.workFile("zentar.sys")).size(), 8);
}

TEST(Startup, UnopenableDatabaseEndsTheProgramWithTheEnginesMessage)
{
    QTemporaryDir home;
    ASSERT_TRUE(platform::writeTextFile(home.filePath("zentar.sys"), {"/nincs/ilyen/mappa/ZENTAR3.FDB"}));
    test::ScriptedDialogs dialogs;
    EXPECT_NE(app::run(dialogs, home.path()), 0);
    ASSERT_EQ(dialogs.texts("error").size(), 1);
    EXPECT_TRUE(dialogs.texts("error").first().contains("/nincs/ilyen/mappa/ZENTAR3.FDB"))
        << dialogs.texts("error").first().toStdString();
}

} // namespace
