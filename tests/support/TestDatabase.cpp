#include "support/TestDatabase.h"

#include "app/Modules.h"
#include "db/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zentar::test {

const platform::ModuleRegistry& modules()
{
    static const platform::ModuleRegistry registry = [] {
        platform::ModuleRegistry r;
        app::registerAllModules(r);
        return r;
    }();
    return registry;
}

QString templateDatabase()
{
    const QString dir = QStringLiteral(ZENTAR_TEST_TEMPLATE_DIR);
    const QString path = dir + QStringLiteral("/template.fdb");
    if (QFileInfo::exists(path))
        return path;
    QDir().mkpath(dir);
    const QByteArray lockPath = (dir + QStringLiteral("/template.lock")).toLocal8Bit();
    const int lock = ::open(lockPath.constData(), O_CREAT | O_RDWR, 0644);
    if (lock >= 0)
        ::flock(lock, LOCK_EX);
    if (!QFileInfo::exists(path)) {
        const QString building = dir + QStringLiteral("/building.fdb");
        QFile::remove(building);
        {
            db::Connection connection;
            db::ConnectionSettings settings;
            settings.databasePath = building;
            db::openLibraryDatabase(connection, settings, modules().schema);
            connection.close();
        }
        QFile::rename(building, path);
    }
    if (lock >= 0) {
        ::flock(lock, LOCK_UN);
        ::close(lock);
    }
    return path;
}

QString copyTemplateTo(const QString& folder)
{
    const QString target = QDir(folder).filePath(QStringLiteral("ZENTAR3.FDB"));
    QFile::remove(target);
    if (!QFile::copy(templateDatabase(), target))
        throw db::DbError(QStringLiteral("cannot copy the template database to ") + target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

QString sharedDataDir()
{
    const QString dir = QStringLiteral(ZENTAR_SHARED_DATA_DIR);
    return QFileInfo(dir).isDir() ? QDir(dir).canonicalPath() : QString();
}

void DbTest::SetUp()
{
    ASSERT_TRUE(workDir.isValid());
    db::ConnectionSettings settings;
    settings.databasePath = copyTemplateTo(workDir.path());
    db.open(settings);
    context_ = std::make_unique<platform::AppContext>(db, clock, dialogs,
                                                      platform::Folders{workDir.path(), workDir.path()});
    context_->setHost(&host);
    auto testPrinter = std::make_unique<TestPrinter>(*context_);
    printer = testPrinter.get();
    context_->setPrinter(std::move(testPrinter));
}

void DbTest::TearDown()
{
    host.closeAll();
    printer = nullptr;
    context_.reset();
    db.close();
}

} // namespace zentar::test
