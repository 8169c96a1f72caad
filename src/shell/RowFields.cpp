#include "shell/RowFields.h"

#include <QComboBox>
#include <QLineEdit>

namespace zentar::shell {

RowFields::RowFields(db::RowSet& rows, QObject* parent) : QObject(parent), rows_(rows)
{
    connect(&rows_, &db::RowSet::currentChanged, this, &RowFields::load);
    connect(&rows_, &db::RowSet::stateChanged, this, &RowFields::load);
    connect(&rows_, &db::RowSet::reloaded, this, &RowFields::load);
}

void RowFields::bind(QLineEdit* edit, const QString& column)
{
    edit->setObjectName(column);
    bindings_ << Binding{edit, column};
    connect(edit, &QLineEdit::textEdited, this, [this, column](const QString& text) {
        if (!loading_ && (rows_.isEditing() || rows_.currentIndex() >= 0))
            rows_.setValue(column, text.isEmpty() ? QVariant() : QVariant(text));
    });
    load();
}

void RowFields::bind(QComboBox* box, const QString& column)
{
    box->setObjectName(column);
    bindings_ << Binding{box, column};
    connect(box, &QComboBox::currentTextChanged, this, [this, column](const QString& text) {
        if (!loading_ && (rows_.isEditing() || rows_.currentIndex() >= 0))
            rows_.setValue(column, text.isEmpty() ? QVariant() : QVariant(text));
    });
    load();
}

void RowFields::load()
{
    loading_ = true;
    const bool hasRow = rows_.isEditing() || rows_.currentIndex() >= 0;
    for (const Binding& b : bindings_) {
        const QString text = hasRow ? rows_.value(b.column).toString() : QString();
        if (auto* edit = qobject_cast<QLineEdit*>(b.widget))
            edit->setText(text);
        else if (auto* box = qobject_cast<QComboBox*>(b.widget))
            box->isEditable() ? box->setCurrentText(text) : box->setCurrentIndex(box->findText(text));
        b.widget->setEnabled(hasRow);
    }
    loading_ = false;
}

} // namespace zentar::shell
