#pragma once

#include "db/RowSet.h"
#include "platform/DataForm.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zentar::platform {
class AppContext;
}

namespace zentar::shell {

// "Könyvtárosok adatai" (modal): the librarians with their codes, passwords and rights.
// The password fields start empty for every librarian shown; saving asks for the password and
// its repetition and stores its hash. The update is keyed on the code as it was read (:old_kod),
// so a librarian's code can be changed.
class LibrariansWindow : public QDialog {
    Q_OBJECT
public:
    explicit LibrariansWindow(platform::AppContext& context, QWidget* parent = nullptr);

    db::RowSet& rows() { return rows_; }
    platform::DataForm& form() { return form_; }

    void search();
    void newLibrarian();
    void save();
    void remove();
    // Leaving "Azonosító*:": a code another librarian already has disables saving.
    void checkCode();

private:
    void showRow();
    QString ownCode() const;
    void duplicateCode();

    platform::AppContext& context_;
    db::RowSet rows_;
    platform::DataForm form_;
    std::array<QCheckBox*, 10> rights_{};
    QCheckBox* selectAll_;
    QLineEdit* searchText_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* save_;
};

} // namespace zentar::shell
