#pragma once

#include <QDate>
#include <QString>

namespace zentar::circulation {

// What the circulation window fixes when it opens and every tab works with: the working
// department, the librarian, today, and the end of the lending period for "Tanév végéig" loans
// (null when the library's lending-period end is not later than today).
struct CirculationSession {
    QString department;
    QString librarian;
    QDate today;
    QDate lendingPeriodEnd;
};

} // namespace zentar::circulation
