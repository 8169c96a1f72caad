#include "shell/LoginWindow.h"

#include "db/Connection.h"
#include "platform/AppContext.h"
#include "platform/CloseWindow.h"
#include "shell/LibrarianAccounts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentar::shell {

LoginWindow::LoginWindow(platform::AppContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    setObjectName(QStringLiteral("loginWindow"));
    setWindowTitle(QStringLiteral("Bejelentkezés"));

    code_ = new QLineEdit(this);
    code_->setObjectName(QStringLiteral("kod"));
    code_->setMaxLength(10);
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("jelszo"));
    password_->setMaxLength(10);
    password_->setEchoMode(QLineEdit::Password);
    department_ = new QComboBox(this);
    department_->setObjectName(QStringLiteral("reszleg"));
    department_->setEditable(true);
    for (const QVariantMap& row : context_.db.rows(QStringLiteral("select * from reszleg order by reszleg"))) {
        const QString name = row.value(QStringLiteral("reszleg")).toString();
        if (!name.isEmpty())
            department_->addItem(name);
    }
    department_->setCurrentIndex(-1);
    department_->setEditText(QString());

    for (QWidget* w : {static_cast<QWidget*>(code_), static_cast<QWidget*>(password_), static_cast<QWidget*>(department_)})
        w->setMinimumWidth(200);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Azonosító:"), code_);
    fields->addRow(QStringLiteral("Jelszó:"), password_);
    fields->addRow(QStringLiteral("Részleg:"), department_);

    auto* ok = new QPushButton(QStringLiteral(" OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    auto* cancel = new QPushButton(QStringLiteral(" Mégsem"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, &LoginWindow::accept);
    connect(cancel, &QPushButton::clicked, this, [this] { platform::closeWindow(this); });
    connect(code_, &QLineEdit::returnPressed, password_, [this] { password_->setFocus(); });
    connect(password_, &QLineEdit::returnPressed, this, &LoginWindow::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    code_->setFocus();
}

void LoginWindow::accept()
{
    using Outcome = accounts::LoginResult::Outcome;
    accounts::LoginResult result;
    try {
        result = accounts::login(context_.db, code_->text(), password_->text());
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
        return;
    }
    platform::WindowHost& host = context_.host();
    switch (result.outcome) {
    case Outcome::NoLibrarians:
        // Only the librarians' window can be reached, to record the first one; this window stays.
        host.showMaintenanceOnly();
        return;
    case Outcome::Success:
        if (result.weakPassword)
            host.setStatusText(weakPasswordText());
        else if (host.statusText() == weakPasswordText())
            host.setStatusText(QString());
        context_.login.setLibrarianName(result.name);
        context_.login.setLibrarianCode(result.code);
        host.applyRights(result.rights);
        context_.login.setDepartment(department_->currentText());
        context_.login.setLoggedIn(true);
        break;
    case Outcome::Failure:
        context_.dialogs.warning(QStringLiteral("Érvénytelen felhasználói név vagy jelszó!"));
        host.hideRightsMenus();
        context_.login.setLoggedIn(false);
        break;
    }
    platform::closeWindow(this);
}

} // namespace zentar::shell
