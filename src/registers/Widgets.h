#pragma once

#include <QPushButton>
#include <QString>

namespace zentar::registers {

// A push button named after the action it serves (tests find it by that name).
inline QPushButton* makeButton(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace zentar::registers
