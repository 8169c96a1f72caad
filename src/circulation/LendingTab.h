#pragma once

#include "circulation/CirculationSession.h"
#include "circulation/Lending.h"

#include <functional>
#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace zentar::platform {
class AppContext;
}

namespace zentar::circulation {

class RegistrationTab;

// "Kölcsönzés": lends copies to the reader loaded on the registration tab, extends and takes back
// loans and prints the loan receipt. The rules are lending::Desk's; this tab keeps the document
// found, the loan selected and the buttons' states.
class LendingTab : public QWidget {
    Q_OBJECT
public:
    LendingTab(platform::AppContext& context, const CirculationSession& session, RegistrationTab& registration,
        QWidget* parent = nullptr);

    // The buttons' operations.
    void searchReader();
    void searchDocument();
    void stepCopy(int direction);
    void lend();
    void extend();
    void giveBack();
    void returnAll();
    void extendAll();
    void pay();
    void saveNote();
    void clearReservation();
    void printReceipt();
    void showHelp();
    void selectLoan(int row);
    void showLegend();

    bool blinking() const;
    const QList<lending::Copy>& copies() const { return copies_; }

private:
    void showReaderPanel();
    void reloadLoans();
    void showCopy();
    void showCopyFields(const lending::Copy& copy);
    void finishAction();
    void setSingleLoanButtons(bool lend, bool extend, bool giveBack);
    void startBlinking();
    void stopBlinking();
    // Runs a database action; a failure is shown to the librarian and gives false.
    bool attempt(const std::function<void()>& action);
    void fail(const std::exception& error);
    QVariantMap reader() const;
    QLineEdit* field(const char* name, QWidget* parent, bool readOnly = true);

    platform::AppContext& context_;
    const CirculationSession& session_;
    RegistrationTab& registration_;
    lending::Desk desk_;

    QComboBox* readerSearchBy_ = nullptr;
    QLineEdit* readerSearchText_ = nullptr;
    QComboBox* docSearchBy_ = nullptr;
    QLineEdit* docSearchText_ = nullptr;
    QLineEdit* note_ = nullptr;
    QLineEdit* newDue_ = nullptr;
    QLabel* docCount_ = nullptr;
    QLabel* loanCount_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* loans_ = nullptr;
    QPushButton* lend_ = nullptr;
    QPushButton* extend_ = nullptr;
    QPushButton* giveBack_ = nullptr;
    QPushButton* returnAll_ = nullptr;
    QPushButton* extendAll_ = nullptr;
    QPushButton* noteSave_ = nullptr;
    QPushButton* docPrevious_ = nullptr;
    QPushButton* docNext_ = nullptr;
    QPushButton* indicators_[2] = {};
    QTimer* blink_ = nullptr;
    bool blinkPhase_ = false;

    QList<lending::Copy> copies_;
    int copyIndex_ = -1;
    QList<QVariantMap> loanRows_;
    // The loan extension and return act on: a row clicked in the list, or the loan of the copy shown.
    std::optional<QVariantMap> target_;
    bool loanClicked_ = false;
};

} // namespace zentar::circulation
