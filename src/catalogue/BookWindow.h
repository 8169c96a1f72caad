#pragma once

#include "catalogue/BookSession.h"

#include <QWidget>
#include <memory>

class QLineEdit;
class QScrollArea;
class QTabWidget;

namespace zentar::platform {
class AppContext;
class FunctionKeyInput;
class WheelScroll;
} // namespace zentar::platform

namespace zentar::catalogue::book {

struct BookShared;
class BookRecordTab;
class BookCopiesTab;
class BookAnalyticsTab;
class BookListsTab;

// "Katalogizálás: könyv" and its video and multimedia modes: the bibliographic record, its
// copies, its analytic records and the subject and publisher lists, on four tabs.
class BookWindow : public QWidget {
    Q_OBJECT
public:
    BookWindow(platform::AppContext& context, const Mode& mode, QWidget* parent = nullptr);
    ~BookWindow() override;

    const Mode& mode() const;
    // The key of the record shown (0 for none or a new, unsaved one): what "Nyomtat" prints.
    int currentRecordId() const;

    QTabWidget* tabs() const { return tabs_; }
    BookRecordTab* recordTab() const { return recordTab_; }
    BookCopiesTab* copiesTab() const { return copiesTab_; }
    BookAnalyticsTab* analyticsTab() const { return analyticsTab_; }
    BookListsTab* listsTab() const { return listsTab_; }
    QScrollArea* scrollArea() const { return scroll_; }
    platform::FunctionKeyInput* functionKeys() const { return functionKeys_; }
    platform::WheelScroll* wheel() const { return wheel_; }

    static constexpr int kWheelStep = 10;

private:
    void tabChanged(int index);
    void showKey();

    std::unique_ptr<BookShared> shared_;
    QTabWidget* tabs_;
    QScrollArea* scroll_;
    QLineEdit* key_;
    BookRecordTab* recordTab_;
    BookCopiesTab* copiesTab_;
    BookAnalyticsTab* analyticsTab_;
    BookListsTab* listsTab_;
    platform::FunctionKeyInput* functionKeys_;
    platform::WheelScroll* wheel_;
    int currentTab_ = 0;
};

// Opens a new window of the mode as a maximised child window and sets the login state's
// current document type.
BookWindow* openBookWindow(platform::AppContext& context, const Mode& mode);

} // namespace zentar::catalogue::book
