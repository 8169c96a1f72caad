#include "catalogue/BookAnalyticsTab.h"

#include "catalogue/BookRecords.h"
#include "db/Keys.h"
#include "platform/RowSetGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zentar::catalogue::book {

namespace {

using platform::Field;

const QString kFirstTheBook = QStringLiteral(
    "Először készítse el a könyv bibliográfiai leírását, majd keresse ki a könyvet az analitikus rész leírásának "
    "elkészítéséhez!");

} // namespace

BookAnalyticsTab::BookAnalyticsTab(BookShared& shared, QWidget* parent)
    : QWidget(parent), shared_(shared), analytics_(shared.ctx.db, this), form_(analytics_, this)
{
    setObjectName(QStringLiteral("analyticsTab"));
    setAnalyticStatements(analytics_);

    auto* note = new QLabel(kFirstTheBook, this);
    note->setWordWrap(true);
    panel_ = new RecordPanel(this);
    key_ = new QLineEdit(this);
    key_->setObjectName(QStringLiteral("analyticKey"));
    key_->setReadOnly(true);
    key_->setMaximumWidth(90);
    auto* header = new QHBoxLayout;
    header->addWidget(panel_, 1);
    header->addWidget(new QLabel(QStringLiteral("Sorszám:"), this));
    header->addWidget(key_);

    auto* grid = new QGridLayout;
    int row = 0;
    auto left = [&](const Field& f) { form_.addToGrid(grid, row++, 0, f); };
    left(Field::text("szerzo", "Szerző:").max(200));
    left(Field::text("fc", "Főcím:").max(500));
    left(Field::text("pc", "Párhuz. cím:").max(300));
    left(Field::text("ac", "Alcím:").max(500));
    left(Field::text("pac", "Párhuzamos alcím:").max(300));
    left(Field::text("szerad", "Szerzőségi adatcsoport:").max(500));
    left(Field::text("kiadjel", "Kiadás jelzés:").max(100));
    left(Field::text("kiadas", "Kiadás:").max(200));
    left(Field::text("kiadev", "Kiadási év:").max(20));
    left(Field::text("sc", "Sorozat cím:").max(400));
    left(Field::text("issn", "ISSN:").max(100));
    row = 0;
    auto right = [&](const Field& f) { form_.addToGrid(grid, row++, 2, f); };
    right(Field::text("isbn", "ISBN:").max(200));
    right(Field::text("tmt", "TMT:").max(800));
    right(Field::text("ter", "Terjedelem:").max(100));
    right(Field::memo("ann", "Annotáció:").max(3000));
    right(Field::text("tft", "Tft:").max(1000));
    right(Field::text("tszo", "Tárgyszó:").max(1000));
    right(Field::text("mt", "Mt:").max(1000));
    right(Field::text("utalo", "Utaló:").max(1000));
    right(Field::text("megj", "Megjegyzés:").max(1200));
    right(Field::text("kvtaros", "Könyvtáros:").readonly());
    right(Field::date("datum", "Katalogizálás / módosítás dátuma:").readonly());
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    for (QPlainTextEdit* memo : findChildren<QPlainTextEdit*>())
        memo->setFixedHeight(60);

    auto* add = makeButton(QStringLiteral("Új"), QStringLiteral("btnNewAnalytic"), this);
    auto* save = makeButton(QStringLiteral("Mentés"), QStringLiteral("btnSaveAnalytic"), this);
    auto* previous = makeButton(QString(), QStringLiteral("btnPreviousAnalytic"), this, QStringLiteral("Előző"));
    previous->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    auto* next = makeButton(QString(), QStringLiteral("btnNextAnalytic"), this, QStringLiteral("Következő"));
    next->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("analyticCount"));
    connect(add, &QPushButton::clicked, this, &BookAnalyticsTab::newAnalytic);
    connect(save, &QPushButton::clicked, this, &BookAnalyticsTab::saveAnalytic);
    connect(previous, &QPushButton::clicked, this, [this] { analytics_.previous(); });
    connect(next, &QPushButton::clicked, this, [this] { analytics_.next(); });
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{previous, next, count_, add, save})
        buttons->addWidget(w);
    buttons->addStretch();
    recordOnly_ = {add, save, previous, next};

    connect(&analytics_, &db::RowSet::currentChanged, this, [this] {
        key_->setText(analytics_.value(QStringLiteral("id")).toString());
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(header);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addStretch();
    close();
}

void BookAnalyticsTab::showCount()
{
    count_->setText(countText(analytics_.count()));
}

void BookAnalyticsTab::activate()
{
    const int id = shared_.recordId();
    panel_->show(shared_.storedRecord());
    for (QWidget* w : recordOnly_)
        w->setEnabled(id > 0);
    if (id <= 0)
        return;
    try {
        analytics_.setSelect(QStringLiteral("select * from kv_an where konyvid = ? order by id"), {id});
        analytics_.open();
        if (analytics_.isEmpty())
            analytics_.append(); // typing into the empty form describes the first part
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
    showCount();
}

void BookAnalyticsTab::close()
{
    analytics_.setSelect(QStringLiteral("select * from kv_an where 1 = 0"));
    try {
        analytics_.open();
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
    key_->clear();
    count_->clear();
}

void BookAnalyticsTab::newAnalytic()
{
    if (shared_.recordId() <= 0)
        return;
    analytics_.append();
    form_.focus(QStringLiteral("szerzo"));
}

bool BookAnalyticsTab::saveAnalytic()
{
    const int hostId = shared_.recordId();
    if (hostId <= 0) {
        shared_.ctx.dialogs.warning(kFirstTheBook);
        return false;
    }
    try {
        QString error;
        if (!form_.writeBack(&error)) {
            shared_.ctx.dialogs.warning(error);
            return false;
        }
        if (!analytics_.isEditing())
            return true; // nothing changed
        BookRecords(shared_.session).saveAnalytic(analytics_, hostId);
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
        return false;
    }
    showCount();
    return true;
}

BookListsTab::BookListsTab(BookShared& shared, QWidget* parent)
    : QWidget(parent), shared_(shared), subjects_(shared.ctx.db, this), publishers_(shared.ctx.db, this)
{
    setObjectName(QStringLiteral("listsTab"));
    setSubjectStatements(subjects_);
    setPublisherStatements(publishers_);
    subjects_.setSelect(QStringLiteral("select * from targyszo order by targyszo"));
    publishers_.setSelect(QStringLiteral("select * from kiadok order by kiado"));

    using platform::GridColumn;
    using Action = platform::RowSetGrid::Action;
    auto* subjectGrid = new platform::RowSetGrid(
        shared_.ctx, subjects_,
        {GridColumn(QStringLiteral("targyszo"), QStringLiteral("Tárgyszó"), 300).maxLength(200),
         GridColumn(QStringLiteral("szinonima"), QStringLiteral("Szinoníma"), 300).maxLength(200)},
        this);
    subjectGrid->setObjectName(QStringLiteral("subjectGrid"));
    subjectGrid->setBeforeSave([this](db::RowSet& r) {
        if (r.state() == db::RowSet::State::Insert && r.value(QStringLiteral("id")).isNull())
            r.setValue(QStringLiteral("id"), db::nextKey(shared_.ctx.db, QStringLiteral("targyszo"), QStringLiteral("id")));
    });
    auto* publisherGrid = new platform::RowSetGrid(
        shared_.ctx, publishers_, {GridColumn(QStringLiteral("kiado"), QStringLiteral("Kiadó"), 400).maxLength(200)},
        this);
    publisherGrid->setObjectName(QStringLiteral("publisherGrid"));
    for (platform::RowSetGrid* grid : {subjectGrid, publisherGrid}) {
        grid->addButton(Action::Append, QStringLiteral("Új"));
        grid->addButton(Action::Save, QStringLiteral("Mentés"));
        grid->addButton(Action::Delete, QStringLiteral("Törlés"));
    }
    auto* toFile = makeButton(QStringLiteral("Ment fájlba"), QStringLiteral("btnSaveToFile"), this);
    toFile->setEnabled(false);

    auto* subjectBox = new QGroupBox(QStringLiteral("Tárgyszavak"), this);
    auto* subjectLayout = new QVBoxLayout(subjectBox);
    subjectLayout->addWidget(subjectGrid);
    subjectLayout->addWidget(toFile, 0, Qt::AlignLeft);
    auto* publisherBox = new QGroupBox(this);
    auto* publisherLayout = new QVBoxLayout(publisherBox);
    publisherLayout->addWidget(new QLabel(QStringLiteral("Kiadók listája."), publisherBox));
    publisherLayout->addWidget(publisherGrid);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(subjectBox, 1);
    layout->addWidget(publisherBox, 1);
    setMinimumHeight(500);
}

void BookListsTab::activate()
{
    try {
        subjects_.open();
        publishers_.open();
    } catch (const db::DbError& e) {
        shared_.ctx.dialogs.showDbError(e);
    }
}

} // namespace zentar::catalogue::book
