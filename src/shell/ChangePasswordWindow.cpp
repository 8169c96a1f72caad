#include "shell/ChangePasswordWindow.h"

#include "db/Connection.h"
#include "platform/AppContext.h"
#include "platform/CloseWindow.h"
#include "shell/LibrarianAccounts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentar::shell {

namespace {

QLineEdit* passwordEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(10);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace

ChangePasswordWindow::ChangePasswordWindow(platform::AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context)
{
    setObjectName(QStringLiteral("changePasswordWindow"));
    setWindowTitle(QStringLiteral("Jelszó megváltoztatása"));
    context_.host().setStatusText(QString());

    old_ = passwordEdit("oldPassword", this);
    new_ = passwordEdit("newPassword", this);
    repeated_ = passwordEdit("repeatedPassword", this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Régi jelszó:"), old_);
    fields->addRow(QStringLiteral("Új jelszó:"), new_);
    fields->addRow(QStringLiteral("Ismételten:"), repeated_);

    auto* advice = new QLabel(QStringLiteral(
                                  "A jelszóra vonatkozó követelmények, ajánlások:\n"
                                  "- legalább 5, legfeljebb 10 karakter hosszú lehet;\n"
                                  "- tartalmazzon kis- és nagybetűket, számo(ka)t;\n"
                                  "- ne legyen értelmes szó!\n"
                                  "- ne írja fel a képernyőre, cetlire, sehová!\n"
                                  "- ne egyezzen meg az azonosítójával!\n"
                                  "Jelszót képezhet pl. a nevéből, lakcíméből, családtagjai nevéből, születési idejéből, PIN kódjából,\n"
                                  "kedvenc versének kezdőbetűiből, stb."),
                              this);
    advice->setObjectName(QStringLiteral("advice"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Mégsem"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, &ChangePasswordWindow::accept);
    connect(cancel, &QPushButton::clicked, this, [this] { platform::closeWindow(this); });
    connect(repeated_, &QLineEdit::returnPressed, this, &ChangePasswordWindow::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(advice);
    layout->addLayout(buttons);
}

void ChangePasswordWindow::accept()
{
    const QString code = context_.login.librarianCode();
    const QStringList problems = accounts::newPasswordProblems(new_->text(), repeated_->text(), code);
    for (const QString& problem : problems)
        context_.dialogs.warning(problem);
    if (!problems.isEmpty()) {
        context_.dialogs.warning(QStringLiteral("A művelet végrehajtása nem sikerült."));
        return;
    }
    try {
        if (!accounts::changePassword(context_.db, code, old_->text(), new_->text())) {
            context_.dialogs.warning(QStringLiteral("Hibásan adta meg a régi jelszavát!"));
            return;
        }
    } catch (const db::DbError& error) {
        context_.dialogs.showDbError(error);
        return;
    }
    context_.host().setStatusText(QStringLiteral("A jelszavát sikeresen megváltoztatta."));
    platform::closeWindow(this);
}

} // namespace zentar::shell
