#pragma once

#include <QPushButton>
#include <QString>

namespace zentar::platform {

// A push button named after the action it serves (tests find it by that name), with its hint as
// tooltip. Never the default button of a dialog, so Enter in a search or barcode field does not
// press it.
inline QPushButton* makeButton(const QString& caption, const QString& objectName, QWidget* parent,
                               const QString& hint = {})
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

} // namespace zentar::platform
