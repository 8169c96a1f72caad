#pragma once

#include "platform/Report.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace zentar::platform {

class AppContext;

// The report preview: one page at a time, zoom, paging, printing and saving as PDF.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    PreviewWindow(AppContext& context, report::Document document, QWidget* parent = nullptr);

    const report::Document& document() const { return document_; }
    int currentPage() const { return page_; }
    void showPage(int index);
    // Zoom factor (1.0 = actual size); 0 fits the whole page into the window.
    void setZoom(double zoom);

    void print();
    // Asks for a file name and writes the pages as PDF; returns the path written or empty.
    QString saveAsPdf();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();

    AppContext& context_;
    report::Document document_;
    int page_ = 0;
    double zoom_ = 0;
    QScrollArea* scroll_;
    QLabel* image_;
    QLabel* pageLabel_;
    QComboBox* zoomBox_;
    QPushButton* first_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* last_;
};

} // namespace zentar::platform
