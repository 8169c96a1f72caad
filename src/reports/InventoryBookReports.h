#pragma once

#include "platform/Report.h"

#include <QList>
#include <QString>
#include <QVariantMap>

// The printed layouts of the individual inventory book (rows of table lkonyv), used by the
// "Leltárkönyv" window of registers/.
namespace zentar::reports::inventorybook {

// The column line of the portrait layout and the two caption lines of the landscape layout.
QString portraitCaption();
QString landscapeCaption1();
QString landscapeCaption2();

// Portrait ("Álló"): the heading (library name and location), the column line, one line per
// row, "Összesen:" with the sums of egyszam and ar, then the hand-over block (date, signatures).
platform::report::Document portrait(const QString& heading, const QList<QVariantMap>& rows);

// Landscape ("Fekvő"): two caption lines, two lines per row, "Összesen:" with the sums of
// egyszam and ar; the heading at the left of every page footer.
platform::report::Document landscape(const QString& heading, const QList<QVariantMap>& rows);

} // namespace zentar::reports::inventorybook
