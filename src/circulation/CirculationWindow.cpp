#include "circulation/CirculationWindow.h"

#include "circulation/HistoryTab.h"
#include "circulation/LendingTab.h"
#include "circulation/RegistrationTab.h"
#include "circulation/ReservationsTab.h"
#include "db/Connection.h"
#include "db/DateText.h"
#include "platform/AppContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zentar::circulation {

namespace {

QLineEdit* topField(const QString& text, const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setMaximumWidth(220);
    return field;
}

} // namespace

CirculationSession CirculationWindow::openSession(platform::AppContext& context)
{
    CirculationSession session;
    session.today = context.today();
    // Circulation always works in a department: "Felnőtt" when the login chose none.
    if (context.login.department().isEmpty())
        context.login.setDepartment(QStringLiteral("Felnőtt"));
    session.department = context.login.department();
    session.librarian = context.login.librarianName();
    try {
        const QVariant end = context.db.scalar(QStringLiteral("select first 1 kolcsdatum from konyvtar"));
        const QDate date = end.typeId() == QMetaType::QDateTime ? end.toDateTime().date() : end.toDate();
        if (date.isValid() && date > session.today)
            session.lendingPeriodEnd = date;
    } catch (const db::DbError& error) {
        context.dialogs.showDbError(error);
    }
    return session;
}

CirculationWindow::CirculationWindow(platform::AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , session_(openSession(context))
{
    setObjectName(QStringLiteral("circulationWindow"));
    setWindowTitle(QStringLiteral("Beiratkozás, Kölcsönzés, Hosszabbítás, Visszahozatal"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(topField(session_.department, "department", this));
    top->addWidget(topField(session_.librarian, "librarian", this));
    top->addWidget(topField(db::datetext::display(session_.today), "today", this));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    registration_ = new RegistrationTab(context, session_, tabs_);
    reservations_ = new ReservationsTab(context, session_, *registration_, tabs_);
    const struct {
        Tab tab;
        const char* title;
    } titles[] = { { Registration, "Beiratkozás" }, { Lending, "Kölcsönzés" }, { History, "Olvasott dok." },
        { Reservations, "Előjegyzés" }, { Visitors, "Látogatók" }, { Internet, "Internet" }, { Events, "Rendezvények" },
        { Maintenance, "Karbantartás" }, { Import, "Import" } };
    for (const auto& t : titles) {
        QWidget* page = nullptr;
        if (t.tab == Registration)
            page = registration_;
        else if (t.tab == Reservations)
            page = reservations_;
        else
            page = new QWidget(tabs_); // filled by the lending and visitor tabs; "Import" has no operation
        page->setObjectName(
            page->objectName().isEmpty() ? QStringLiteral("tab%1").arg(int(t.tab)) : page->objectName());
        tabs_->addTab(page, QString::fromUtf8(t.title));
        const bool built = t.tab == Registration || t.tab == Reservations || t.tab == Import;
        tabs_->setTabEnabled(t.tab, built);
    }
    lending_ = new LendingTab(context, session_, *registration_, tabs_);
    setTabPage(Lending, lending_);
    history_ = new HistoryTab(context, tabs_);
    setTabPage(History, history_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == Reservations)
            reservations_->takeLoadedReader();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs_, 1);
}

void CirculationWindow::setTabPage(Tab tab, QWidget* page)
{
    const QString title = tabs_->tabText(tab);
    QWidget* old = tabs_->widget(tab);
    tabs_->removeTab(tab);
    tabs_->insertTab(tab, page, title);
    tabs_->setTabEnabled(tab, true);
    if (old != registration_ && old != reservations_ && old != page)
        old->deleteLater();
}

} // namespace zentar::circulation
