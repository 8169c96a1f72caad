#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zentar::platform {
class AppContext;
}

namespace zentar::shell {

// "Bejelentkezés": code, password and department. A successful login fills the login state and
// shows the menus the librarian's rights allow; while no librarian is recorded it shows only
// Karbantartás and stays open, so that the first librarian can be recorded.
class LoginWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoginWindow(platform::AppContext& context, QWidget* parent = nullptr);

    static QString weakPasswordText()
    {
        return QStringLiteral("A jelszava nem felel meg a biztonsági előírásoknak! Kérem változtassa meg! "
                              "Az Egyéb menüpontban teheti meg.");
    }

    void accept();

private:
    platform::AppContext& context_;
    QLineEdit* code_;
    QLineEdit* password_;
    QComboBox* department_;
};

} // namespace zentar::shell
