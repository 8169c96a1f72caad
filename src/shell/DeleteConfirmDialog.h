#pragma once

#include <QDialog>

class QPushButton;

namespace zentar::shell {

// The shared delete confirmation: caption "Törlés", text "Biztosan törölni kívánja ? ",
// "&Igen" (focused) and "&Nem". The answer flag is cleared whenever the box is shown and set only
// by "&Igen"; "&Nem", Escape and the close box leave it clear.
class DeleteConfirmDialog : public QDialog {
    Q_OBJECT
public:
    explicit DeleteConfirmDialog(QWidget* parent = nullptr);

    // Shows the box modally; true only when the user chose "&Igen".
    bool ask();
    bool confirmed() const { return confirmed_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* yes_;
    QPushButton* no_;
    bool confirmed_ = false;
};

} // namespace zentar::shell
