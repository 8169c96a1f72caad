#pragma once

#include <QWidget>

class QLineEdit;

namespace zentar::platform {
class AppContext;
}

namespace zentar::shell {

// "Jelszó megváltoztatása": the logged-in librarian's old password, the new one twice, and
// the advice on choosing passwords. Opening it clears the main status bar.
class ChangePasswordWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChangePasswordWindow(platform::AppContext& context, QWidget* parent = nullptr);

    void accept();

private:
    platform::AppContext& context_;
    QLineEdit* old_;
    QLineEdit* new_;
    QLineEdit* repeated_;
};

} // namespace zentar::shell
