#include "platform/Dialogs.h"

#include "db/DbError.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>

namespace zentar::platform {

void Dialogs::showDbError(const db::DbError& error)
{
    this->error(error.message());
}

QtDialogs::Button QtDialogs::box(QMessageBox::Icon icon, const QString& text, const QString& title,
                                 Buttons buttons, Button defaultButton)
{
    QMessageBox box(icon, title.isEmpty() ? applicationTitle() : title, text, buttons,
                    parent_ ? parent_ : QApplication::activeWindow());
    const std::pair<Button, const char*> captions[] = {
        {QMessageBox::Yes, "&Igen"}, {QMessageBox::No, "&Nem"}, {QMessageBox::Cancel, "Mégse"},
        {QMessageBox::Ok, "OK"},
    };
    for (const auto& [button, caption] : captions) {
        if (QAbstractButton* b = box.button(button))
            b->setText(QString::fromUtf8(caption));
    }
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int result = box.exec();
    // The close box answers with the escape button: "Mégse" when there is one, else "Nem".
    return Button(result);
}

void QtDialogs::information(const QString& text, const QString& title)
{
    box(QMessageBox::Information, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::warning(const QString& text, const QString& title)
{
    box(QMessageBox::Warning, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::error(const QString& text, const QString& title)
{
    box(QMessageBox::Critical, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

QtDialogs::Button QtDialogs::question(const QString& text, const QString& title, Buttons buttons,
                                      Button defaultButton)
{
    return box(QMessageBox::Question, text, title, buttons, defaultButton);
}

bool QtDialogs::confirmDelete()
{
    if (deleteConfirmer_)
        return deleteConfirmer_();
    return question(QStringLiteral("Biztosan törölni kívánja ? "), QStringLiteral("Törlés"),
                    Buttons(QMessageBox::Yes | QMessageBox::No), QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString QtDialogs::openFileName(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent_, title, folder, filter);
}

QString QtDialogs::saveFileName(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent_, title, folder, filter);
}

std::optional<QString> QtDialogs::inputText(const QString& title, const QString& label, const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

} // namespace zentar::platform
