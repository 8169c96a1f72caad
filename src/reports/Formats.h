#pragma once

#include <QString>
#include <QVariant>

namespace zentar::reports {

// A number in its shortest decimal form with the Hungarian decimal comma, up to 15 significant
// digits ("1500", "12,5", "0,3" for 0.1 + 0.2): prices and sums in registers and their files.
QString decimalText(double value);

// A price as registers show it: the shortest decimal form when greater than 0, else empty.
QString priceText(const QVariant& value);

// A whole number when greater than 0, else empty (inventory numbers, unit counts).
QString positiveInteger(const QVariant& value);

// A date masked "yy.mm.dd" (empty for no date).
QString shortYearDate(const QVariant& value);

} // namespace zentar::reports
