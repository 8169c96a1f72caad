#pragma once

#include "catalogue/BookSession.h"
#include "db/RowSet.h"
#include "platform/AppContext.h"
#include "platform/Buttons.h"
#include "platform/DataForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <tuple>

// What the tabs of the book window share: the program, the mode, the session values and the
// record set of the last search with its current record.
namespace zentar::catalogue::book {

struct BookShared {
    BookShared(platform::AppContext& context, const Mode& windowMode, QObject* owner)
        : ctx(context)
        , mode(windowMode)
        , session{context.db, windowMode.docType, context.login.librarianName(), context.today(), {}}
        , records(context.db, owner)
    {
    }

    // The key of the record shown; 0 for a new, unsaved record.
    int recordId() const
    {
        return records.state() == db::RowSet::State::Insert ? 0 : records.value(QStringLiteral("id")).toInt();
    }
    // The record shown as stored (empty for a new one).
    QVariantMap storedRecord() const
    {
        return records.currentIndex() >= 0 ? records.rowAt(records.currentIndex()) : QVariantMap();
    }

    platform::AppContext& ctx;
    Mode mode;
    Session session;
    db::RowSet records;
};

using platform::makeButton;

inline QString countText(int n) { return QStringLiteral("%1 db").arg(n); }

// "Szerző: …", "Cím: …": the read-only record panel of the copies and analytic tabs.
class RecordPanel : public QWidget {
public:
    explicit RecordPanel(QWidget* parent) : QWidget(parent)
    {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        for (auto [caption, name] : {std::pair{"Szerző:", "panelSzerzo"}, {"Cím:", "panelCim"},
                                     {"Szakjelzet:", "panelSzakj"}, {"Raktári jelzet:", "panelRaktj"}}) {
            layout->addWidget(new QLabel(QString::fromUtf8(caption), this));
            auto* value = new QLabel(this);
            value->setObjectName(QLatin1String(name));
            value->setFrameShape(QFrame::StyledPanel);
            value->setMinimumWidth(120);
            layout->addWidget(value, 1);
            values_ << value;
        }
    }
    void show(const QVariantMap& record)
    {
        const char* columns[] = {"szerzo", "fc", "szakj", "raktj"};
        for (int i = 0; i < 4; ++i)
            values_[i]->setText(record.value(QLatin1String(columns[i])).toString());
    }

private:
    QList<QLabel*> values_;
};

// The read-only stamps "Katalogizálta:" (kvtaros1, rdatum) and "Módosította:" (kvtaros2, mdatum),
// one grid row each in columns 2 and 3 from `row` on; `row` moves past them.
inline void addStampRows(platform::DataForm& form, QGridLayout* grid, int& row)
{
    using platform::Field;
    for (auto [name, date, caption] : {std::tuple{"kvtaros1", "rdatum", "Katalogizálta:"},
                                       {"kvtaros2", "mdatum", "Módosította:"}}) {
        QWidget* who = form.add(Field::text(QLatin1String(name), QString::fromUtf8(caption)).readonly());
        QWidget* when = form.add(Field::date(QLatin1String(date), QString()).readonly());
        when->setMaximumWidth(110);
        form.label(QLatin1String(date))->hide();
        auto* stampRow = new QHBoxLayout;
        stampRow->addWidget(who, 1);
        stampRow->addWidget(when);
        grid->addWidget(form.label(QLatin1String(name)), row, 2);
        grid->addLayout(stampRow, row++, 3);
    }
}

} // namespace zentar::catalogue::book
