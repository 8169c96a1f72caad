#include "shell/DeleteConfirmDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentar::shell {

DeleteConfirmDialog::DeleteConfirmDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("deleteConfirmDialog"));
    setWindowTitle(QStringLiteral("Törlés"));
    setModal(true);
    auto* text = new QLabel(QStringLiteral("Biztosan törölni kívánja ? "), this);
    text->setObjectName(QStringLiteral("lblQuestion"));
    yes_ = new QPushButton(QStringLiteral("&Igen"), this);
    yes_->setObjectName(QStringLiteral("btnYes"));
    no_ = new QPushButton(QStringLiteral("&Nem"), this);
    no_->setObjectName(QStringLiteral("btnNo"));
    yes_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes_);
    buttons->addWidget(no_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);

    connect(yes_, &QPushButton::clicked, this, [this] {
        confirmed_ = true;
        accept();
    });
    connect(no_, &QPushButton::clicked, this, &QDialog::reject);
}

void DeleteConfirmDialog::showEvent(QShowEvent* event)
{
    confirmed_ = false;
    QDialog::showEvent(event);
    yes_->setFocus();
}

bool DeleteConfirmDialog::ask()
{
    confirmed_ = false;
    exec();
    return confirmed_;
}

} // namespace zentar::shell
