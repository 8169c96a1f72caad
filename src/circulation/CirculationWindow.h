#pragma once

#include "circulation/CirculationSession.h"

#include <QWidget>

class QLineEdit;
class QTabWidget;

namespace zentar::platform {
class AppContext;
}

namespace zentar::circulation {

class HistoryTab;
class LendingTab;
class RegistrationTab;
class ReservationsTab;

// "Beiratkozás, Kölcsönzés, Hosszabbítás, Visszahozatal": the tabs of circulation over the one
// reader loaded on the registration tab, and at the top right the working department, the
// librarian and today's date.
class CirculationWindow : public QWidget {
    Q_OBJECT
public:
    // The tabs in their order.
    enum Tab { Registration, Lending, History, Reservations, Visitors, Internet, Events, Maintenance, Import };

    explicit CirculationWindow(platform::AppContext& context, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    RegistrationTab* registration() const { return registration_; }
    ReservationsTab* reservations() const { return reservations_; }
    LendingTab* lending() const { return lending_; }
    HistoryTab* history() const { return history_; }
    const CirculationSession& session() const { return session_; }

    // Puts a tab's page in place of its disabled placeholder and enables the tab.
    void setTabPage(Tab tab, QWidget* page);

    QSize sizeHint() const override { return QSize(1240, 820); }

private:
    static CirculationSession openSession(platform::AppContext& context);

    platform::AppContext& context_;
    CirculationSession session_;
    QTabWidget* tabs_;
    RegistrationTab* registration_;
    ReservationsTab* reservations_;
    LendingTab* lending_ = nullptr;
    HistoryTab* history_ = nullptr;
};

} // namespace zentar::circulation
