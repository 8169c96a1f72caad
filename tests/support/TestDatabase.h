#pragma once

#include "db/Connection.h"
#include "platform/AppContext.h"
#include "platform/ModuleRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TestHost.h"
#include "support/QtPrinters.h"
#include "support/TestPrinter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace zentar::test {

// The path of the template database: every table of every folder with its delivered rows,
// built once per test run (the first test that needs it builds it, under a file lock).
QString templateDatabase();

// Every folder's tables, seeders and windows (one registry per process).
const platform::ModuleRegistry& modules();

// A fresh copy of the template database in `folder`; returns its path.
QString copyTemplateTo(const QString& folder);

// The folder of the shared test data (MARC files, Cutter table, collation), or empty when absent.
QString sharedDataDir();

// A test with its own fresh database, a fixed today (2024.03.15.), a scripted dialogs facade,
// a working folder of its own, a host that records what the windows show and a printer that
// records what is printed (and writes PDFs into the working folder instead of printing).
class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    platform::AppContext& context() { return *context_; }

    QTemporaryDir workDir;
    db::Connection db;
    platform::FixedClock clock{QDate(2024, 3, 15)};
    ScriptedDialogs dialogs;
    TestHost host;
    std::unique_ptr<platform::AppContext> context_;
    TestPrinter* printer = nullptr; // owned by the context: records previews and prints (PDF)
};

} // namespace zentar::test
