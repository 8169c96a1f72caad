#include "catalogue/BookWindow.h"

#include "catalogue/BookAnalyticsTab.h"
#include "catalogue/BookCopiesTab.h"
#include "catalogue/BookRecordTab.h"
#include "catalogue/BookShared.h"
#include "platform/FunctionKeyInput.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zentar::catalogue::book {

BookWindow::BookWindow(platform::AppContext& context, const Mode& mode, QWidget* parent)
    : QWidget(parent), shared_(std::make_unique<BookShared>(context, mode, this))
{
    setObjectName(QStringLiteral("bookWindow"));
    setWindowTitle(mode.caption);
    setRecordStatements(shared_->records);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("bookContent"));
    key_ = new QLineEdit(content);
    key_->setObjectName(QStringLiteral("recordKey"));
    key_->setReadOnly(true);
    key_->setMaximumWidth(100);
    auto* librarian = new QLineEdit(context.login.librarianName(), content);
    librarian->setObjectName(QStringLiteral("librarian"));
    librarian->setReadOnly(true);
    librarian->setMaximumWidth(260);
    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral("Sorszám:"), content));
    header->addWidget(key_);
    header->addStretch();
    header->addWidget(new QLabel(QStringLiteral("Bejelentkezve:"), content));
    header->addWidget(librarian);

    tabs_ = new QTabWidget(content);
    tabs_->setObjectName(QStringLiteral("tabs"));
    recordTab_ = new BookRecordTab(*shared_, tabs_);
    copiesTab_ = new BookCopiesTab(*shared_, tabs_);
    analyticsTab_ = new BookAnalyticsTab(*shared_, tabs_);
    listsTab_ = new BookListsTab(*shared_, tabs_);
    tabs_->addTab(recordTab_, QStringLiteral("Bibliográfia"));
    tabs_->addTab(copiesTab_, QStringLiteral("Pédányadatok"));
    tabs_->addTab(analyticsTab_, QStringLiteral("Analitikus"));
    tabs_->addTab(listsTab_, QStringLiteral("Tárgyszó, kiadó"));
    tabs_->setTabVisible(2, mode.analyticTab);

    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->addLayout(header);
    contentLayout->addWidget(tabs_, 1);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scroll"));
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);

    functionKeys_ = new platform::FunctionKeyInput(platform::FunctionKeyInput::textsFor(context), this);
    functionKeys_->install(content);
    wheel_ = new platform::WheelScroll(scroll_, kWheelStep, this);
    wheel_->install(content);

    connect(tabs_, &QTabWidget::currentChanged, this, &BookWindow::tabChanged);
    connect(&shared_->records, &db::RowSet::currentChanged, this, &BookWindow::showKey);
    connect(&shared_->records, &db::RowSet::stateChanged, this, &BookWindow::showKey);
    connect(recordTab_, &BookRecordTab::recordStarted, copiesTab_, &BookCopiesTab::close);
    connect(recordTab_, &BookRecordTab::scrollTop, this, [this] { scroll_->verticalScrollBar()->setValue(0); });

    try {
        shared_->session.ownLibraryCode = readOwnLibraryCode(context.db);
        shared_->records.setSelect(QStringLiteral("select * from konyv where 1 = 0"));
        shared_->records.open(); // empty: the form starts as a new record
    } catch (const db::DbError& e) {
        context.dialogs.showDbError(e);
    }
    resize(1280, 860);
}

BookWindow::~BookWindow() = default;

const Mode& BookWindow::mode() const
{
    return shared_->mode;
}

int BookWindow::currentRecordId() const
{
    return shared_->recordId();
}

void BookWindow::showKey()
{
    const int id = shared_->recordId();
    key_->setText(id > 0 ? QString::number(id) : QString());
}

void BookWindow::tabChanged(int index)
{
    const int previous = currentTab_;
    currentTab_ = index;
    if (previous == 2)
        analyticsTab_->close();
    QWidget* page = tabs_->widget(index);
    if (page == recordTab_) {
        copiesTab_->close();
        scroll_->verticalScrollBar()->setValue(0);
        recordTab_->reenter();
    } else if (page == copiesTab_) {
        copiesTab_->activate();
    } else if (page == analyticsTab_) {
        analyticsTab_->activate();
    } else if (page == listsTab_) {
        listsTab_->activate();
    }
}

BookWindow* openBookWindow(platform::AppContext& context, const Mode& mode)
{
    context.login.setDocumentType(mode.docType);
    auto* window = new BookWindow(context, mode);
    context.host().showChild(window);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->showMaximized();
    return window;
}

} // namespace zentar::catalogue::book
