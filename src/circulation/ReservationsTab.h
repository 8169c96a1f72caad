#pragma once

#include "circulation/CirculationSession.h"
#include "db/RowSet.h"
#include "platform/DataForm.h"

#include <QVariantMap>
#include <QWidget>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zentar::platform {
class AppContext;
class RowSetGrid;
} // namespace zentar::platform

namespace zentar::circulation {

class RegistrationTab;

// "Előjegyzés": reservations of titles by readers, and the list of reservations.
class ReservationsTab : public QWidget {
    Q_OBJECT
public:
    ReservationsTab(platform::AppContext& context, const CirculationSession& session, RegistrationTab& registration,
        QWidget* parent = nullptr);

    db::RowSet& rows() { return rows_; }
    platform::DataForm& form() { return form_; }
    platform::RowSetGrid* grid() const { return grid_; }
    // The reader found by "Keres" (empty when none).
    const QVariantMap& reader() const { return reader_; }

    // "Keres": loads the reader whose barcode is in "Olvasó vonalkódja: ".
    void findReader();
    void newReservation();
    void save();
    void remove();
    // Reloads the list in the chosen order ("Dátum" or "Főcím").
    void reload();
    // Coming to the tab: the reader loaded on the registration tab becomes this tab's reader.
    void takeLoadedReader();

private:
    void showReader();

    platform::AppContext& context_;
    const CirculationSession& session_;
    RegistrationTab& registration_;
    db::RowSet rows_;
    platform::DataForm form_;
    platform::RowSetGrid* grid_ = nullptr;
    QLineEdit* barcode_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* note_ = nullptr;
    QPushButton* save_ = nullptr;
    QRadioButton* byDate_ = nullptr;
    QRadioButton* byTitle_ = nullptr;
    QVariantMap reader_;
};

} // namespace zentar::circulation
