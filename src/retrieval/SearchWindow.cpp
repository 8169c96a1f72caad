#include "retrieval/SearchWindow.h"

#include "catalogue/CardEditor.h"
#include "platform/AppContext.h"
#include "platform/Buttons.h"
#include "platform/CloseWindow.h"
#include "platform/FunctionKeyInput.h"
#include "platform/Printer.h"
#include "platform/TextFile.h"
#include "retrieval/HitModel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace zentar::retrieval {

namespace {

using platform::makeButton;

constexpr int kTextLength = 30;
constexpr int kWindowWheelStep = 10;

// Hands the lines to a new card editor.
catalogue::CardEditor* openEditor(platform::AppContext& context, const OutputLines& lines)
{
    auto* editor = catalogue::CardEditor::open(context);
    for (const OutputLine& line : lines)
        editor->addLine(line.text, line.bold);
    return editor;
}

// Restores the cursor however the work ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

SearchWindow::SearchWindow(platform::AppContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    setObjectName(QStringLiteral("catalogueSearchWindow"));
    setWindowTitle(QStringLiteral("Keresés: könyv, AV (video), multimédia, hangzó (zene, hangoskönyv), "
                                  "szakdolgozat, disszertáció, analitikus kiadvány"));
    model_ = new HitModel(this);
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(buildSearchTab(), QStringLiteral("Keresés"));
    tabs_->addTab(buildPrintTab(), QStringLiteral("Nyomtatás"));

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scroll"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(tabs_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    auto* wheel = new platform::WheelScroll(scroll, kWindowWheelStep, this);
    wheel->install(tabs_);
    grid_->viewport()->installEventFilter(this); // the grid's own wheel handling comes first

    // The login state is left alone: the search is no place to change who is logged in.
    loadLocations();
    resize(1200, 760);
}

SearchWindow::~SearchWindow() = default;

QWidget* SearchWindow::buildSearchTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("searchTab"));

    criterion_ = new QComboBox(page);
    criterion_->setObjectName(QStringLiteral("criterion"));
    criterion_->addItems(criterionCaptions());
    criterion_->setMaxVisibleItems(12);
    criterion_->setCurrentIndex(0);
    text_ = new QLineEdit(page);
    text_->setObjectName(QStringLiteral("searchText"));
    text_->setMaxLength(kTextLength);
    second_ = new QLineEdit(page);
    second_->setObjectName(QStringLiteral("secondValue"));
    second_->setMaxLength(kTextLength);
    second_->setToolTip(QStringLiteral("Ha mindkét esetben kiadási évet ad meg, a program a két dátum között keres!"));
    location_ = new QComboBox(page);
    location_->setObjectName(QStringLiteral("lhely"));
    docType_ = new QComboBox(page);
    docType_->setObjectName(QStringLiteral("doktipus"));
    docType_->addItems(documentTypeChoices());

    auto* matchBox = new QGroupBox(QStringLiteral("Keresés típusa:"), page);
    matchBox->setObjectName(QStringLiteral("matchType"));
    auto* matchLayout = new QVBoxLayout(matchBox);
    match_ = new QButtonGroup(this);
    const QStringList matchCaptions = matchTypeCaptions();
    const char* matchNames[] = {"matchSubstring", "matchExact", "matchPrefix"};
    for (int i = 0; i < matchCaptions.size(); ++i) {
        auto* radio = new QRadioButton(matchCaptions.at(i), matchBox);
        radio->setObjectName(QLatin1String(matchNames[i]));
        match_->addButton(radio, i);
        matchLayout->addWidget(radio);
    }
    match_->button(0)->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("A keresés szempontja: "), criterion_);
    form->addRow(QStringLiteral("Írja be a keresett adat első néhány betűjét:"), text_);
    form->addRow(QStringLiteral("Összetett keresés (cím vagy kiadási év):"), second_);
    form->addRow(QStringLiteral("Lelőhely:"), location_);
    form->addRow(QStringLiteral("Dok. típus:"), docType_);

    auto* searchButton = makeButton(QStringLiteral(" Keresé&s"), "searchButton", page);
    auto* exitButton = makeButton(QStringLiteral(" &Kilépés"), "exitButton", page);
    auto* newestButton = makeButton(QStringLiteral("Ú&jdonságok"), "newestButton", page);
    showButton_ = makeButton(QStringLiteral(" &Megjelenítés"), "showButton", page);
    cardButton_ = makeButton(QStringLiteral(" Katalógus &cédula formátum"), "cardButton", page);
    auto* printButton = makeButton(QStringLiteral("  &Nyomtatás"), "printButton", page);
    auto* saveButton = makeButton(QStringLiteral("Lista &mentése"), "saveListButton", page);
    showButton_->setEnabled(false);
    cardButton_->setEnabled(false);

    count_ = new QLabel(QStringLiteral("0 db"), page);
    count_->setObjectName(QStringLiteral("hitCount"));
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("Találatok száma:"), page));
    countRow->addWidget(count_);
    countRow->addStretch();

    auto* buttons = new QGridLayout;
    buttons->addWidget(searchButton, 0, 0);
    buttons->addWidget(newestButton, 0, 1);
    buttons->addWidget(exitButton, 0, 2);
    buttons->addWidget(showButton_, 1, 0);
    buttons->addWidget(cardButton_, 1, 1);
    buttons->addWidget(printButton, 2, 0);
    buttons->addWidget(saveButton, 2, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(form, 3);
    top->addWidget(matchBox, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(buttons);
    right->addLayout(countRow);
    right->addStretch();
    top->addLayout(right, 2);

    grid_ = new QTableView(page);
    grid_->setObjectName(QStringLiteral("hitGrid"));
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->setMinimumHeight(380);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);

    connect(criterion_, &QComboBox::currentIndexChanged, this, &SearchWindow::criterionChanged);
    connect(text_, &QLineEdit::returnPressed, this, &SearchWindow::runSearch);
    connect(searchButton, &QPushButton::clicked, this, &SearchWindow::runSearch);
    connect(newestButton, &QPushButton::clicked, this, &SearchWindow::listNewest);
    connect(exitButton, &QPushButton::clicked, this, [this] { platform::closeWindow(this); });
    connect(showButton_, &QPushButton::clicked, this, &SearchWindow::showRecord);
    connect(cardButton_, &QPushButton::clicked, this, &SearchWindow::makeCardText);
    connect(printButton, &QPushButton::clicked, this, &SearchWindow::printList);
    connect(saveButton, &QPushButton::clicked, this, &SearchWindow::saveList);
    connect(grid_, &QTableView::clicked, this, &SearchWindow::rowClicked);
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        rowClicked(index);
        makeCardText();
    });
    criterionChanged();
    return page;
}

QWidget* SearchWindow::buildPrintTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("printTab"));
    auto* layout = new QVBoxLayout(page);
    auto* about = new QLabel(QStringLiteral("A találati lista nyomtatási képe: A4 álló, 10 mm margók, Arial 10 pont.\n"
                                            "Fejléc: ")
                                 + listReportDefinition().pageHeader.first().cells.first().text,
                             page);
    about->setObjectName(QStringLiteral("printLayout"));
    about->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(about);
    layout->addStretch();
    return page;
}

void SearchWindow::loadLocations()
{
    location_->addItem(kEverywhere);
    try {
        for (const QVariantMap& row : context_.db.rows(
                 QStringLiteral("select lhely from lhely where lhely is not null and lhely <> '' order by lhely")))
            location_->addItem(row.value(QStringLiteral("lhely")).toString());
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
    }
}

void SearchWindow::criterionChanged()
{
    second_->setEnabled(takesSecondValue(Criterion(criterion_->currentIndex())));
}

SearchRequest SearchWindow::request() const
{
    SearchRequest r;
    r.criterion = Criterion(std::max(0, criterion_->currentIndex()));
    r.text = text_->text();
    r.second = second_->isEnabled() ? second_->text() : QString();
    r.location = location_->currentText();
    r.match = MatchType(std::max(0, match_->checkedId()));
    return r;
}

const HitList& SearchWindow::hits() const
{
    return model_->hits();
}

void SearchWindow::clearHits()
{
    selectedId_ = 0;
    showButton_->setEnabled(false);
    cardButton_->setEnabled(false);
    model_->clear();
}

void SearchWindow::showHits(HitList hits, const QList<GridColumn>& columns)
{
    model_->setHits(std::move(hits), columns);
    for (int i = 0; i < model_->columnCount(); ++i) {
        const int width = i < columns.size() ? columns.at(i).width : 64;
        grid_->setColumnHidden(i, width == 0);
        if (width > 0)
            grid_->setColumnWidth(i, width);
    }
}

void SearchWindow::runSearch()
{
    const SearchRequest r = request();
    const QString problem = checkRequest(r);
    if (!problem.isEmpty()) {
        context_.dialogs.information(problem);
        return;
    }
    clearHits();
    try {
        WaitCursor wait;
        HitList found = search(context_.db, r);
        showHits(std::move(found), searchColumns(r.criterion));
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
    }
    count_->setText(QString::number(model_->hits().count()) + QStringLiteral(" db"));
}

void SearchWindow::listNewest()
{
    clearHits();
    try {
        WaitCursor wait;
        showHits(newest(context_.db, docType_->currentText(), location_->currentText()), newestColumns());
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
    }
}

void SearchWindow::rowClicked(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    selectedId_ = model_->hits().recordId(index.row());
    showButton_->setEnabled(true);
    cardButton_->setEnabled(true);
}

void SearchWindow::showRecord()
{
    if (selectedId_ <= 0)
        return;
    try {
        RecordOutput output(context_.db);
        openEditor(context_, output.display(selectedId_));
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
    }
    grid_->setFocus();
}

void SearchWindow::makeCardText()
{
    QList<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows())
        rows << index.row();
    try {
        RecordOutput output(context_.db);
        OutputLines lines;
        for (int id : cardRecordIds(model_->hits(), rows))
            lines << output.cardText(id);
        auto* editor = openEditor(context_, lines);
        editor->setWindowTitle(QStringLiteral("Bibliográfiai leírás katalógus cédula formátum"));
    } catch (const db::DbError& e) {
        context_.dialogs.showDbError(e);
    }
}

void SearchWindow::printList()
{
    context_.printer().preview(platform::report::layout(listReportDefinition(), listReportRows(model_->hits())));
}

void SearchWindow::saveList()
{
    const QString path = context_.folders.exportFile(QStringLiteral("konyv.txt"));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        context_.dialogs.error(QStringLiteral("A \"%1\" mappa nem hozható létre!").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    platform::TextFileWriter out(path);
    for (const QString& line : savedListLines(model_->hits()))
        out.writeLine(line);
    QString error;
    if (!out.commit(&error)) {
        context_.dialogs.error(error);
        return;
    }
    context_.dialogs.information(
        QStringLiteral("Az adatok a \"%1\" file-ban találhatók!").arg(QDir::toNativeSeparators(path)));
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel over the grid moves the current row by the system's wheel-scroll lines per notch.
    if (watched == grid_->viewport() && event->type() == QEvent::Wheel && model_->rowCount() > 0) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int notches = wheel->angleDelta().y() / 120;
        if (notches == 0)
            return true;
        const int current = std::max(0, grid_->currentIndex().row());
        const int row = std::clamp(current - notches * QApplication::wheelScrollLines(), 0, model_->rowCount() - 1);
        grid_->setCurrentIndex(model_->index(row, 0));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

SearchWindow* openSearchWindow(platform::AppContext& context)
{
    auto* window = new SearchWindow(context);
    context.host().showChild(window);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->showMaximized();
    window->text_->setFocus();
    return window;
}

} // namespace zentar::retrieval
