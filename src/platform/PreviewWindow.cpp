#include "platform/PreviewWindow.h"

#include "platform/AppContext.h"
#include "platform/ReportPainter.h"

#include <QComboBox>
#include <QEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QVBoxLayout>

namespace zentar::platform {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QString& hint = {})
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

PreviewWindow::PreviewWindow(AppContext& context, report::Document document, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), document_(std::move(document))
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(document_.title.isEmpty() ? QStringLiteral("Nyomtatási kép")
                                             : QStringLiteral("Nyomtatási kép - %1").arg(document_.title));
    auto* bar = new QHBoxLayout;
    first_ = button(this, "btnFirstPage", QStringLiteral("|<"), QStringLiteral("Első oldal"));
    previous_ = button(this, "btnPreviousPage", QStringLiteral("<"), QStringLiteral("Előző oldal"));
    next_ = button(this, "btnNextPage", QStringLiteral(">"), QStringLiteral("Következő oldal"));
    last_ = button(this, "btnLastPage", QStringLiteral(">|"), QStringLiteral("Utolsó oldal"));
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("lblPage"));
    zoomBox_ = new QComboBox(this);
    zoomBox_->setObjectName(QStringLiteral("cbZoom"));
    zoomBox_->addItem(QStringLiteral("Teljes oldal"), 0.0);
    for (int percent : {50, 75, 100, 125, 150, 200})
        zoomBox_->addItem(QStringLiteral("%1%").arg(percent), percent / 100.0);
    auto* printButton = button(this, "btnPrint", QStringLiteral("Nyomtatás"));
    auto* pdfButton = button(this, "btnSavePdf", QStringLiteral("Mentés PDF-be"));
    auto* closeButton = button(this, "btnClose", QStringLiteral("Bezárás"));
    for (QWidget* w : std::initializer_list<QWidget*>{first_, previous_, pageLabel_, next_, last_, zoomBox_})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(printButton);
    bar->addWidget(pdfButton);
    bar->addWidget(closeButton);

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    image_ = new QLabel;
    image_->setObjectName(QStringLiteral("pageImage"));
    scroll_->setWidget(image_);
    scroll_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);

    connect(first_, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(previous_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { showPage(int(document_.pages.size()) - 1); });
    connect(zoomBox_, &QComboBox::currentIndexChanged, this,
            [this](int i) { setZoom(zoomBox_->itemData(i).toDouble()); });
    connect(printButton, &QPushButton::clicked, this, &PreviewWindow::print);
    connect(pdfButton, &QPushButton::clicked, this, &PreviewWindow::saveAsPdf);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    resize(900, 1000);
    render();
}

void PreviewWindow::showPage(int index)
{
    const int count = int(document_.pages.size());
    index = qBound(0, index, std::max(0, count - 1));
    if (index == page_ && !image_->pixmap().isNull())
        return;
    page_ = index;
    render();
}

void PreviewWindow::setZoom(double zoom)
{
    zoom_ = zoom;
    const int i = zoomBox_->findData(zoom);
    if (i >= 0 && i != zoomBox_->currentIndex()) {
        const QSignalBlocker block(zoomBox_);
        zoomBox_->setCurrentIndex(i);
    }
    render();
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    // "Teljes oldal" follows the size of the visible area.
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize && zoom_ == 0)
        render();
    return QWidget::eventFilter(watched, event);
}

void PreviewWindow::render()
{
    const int count = int(document_.pages.size());
    const double screenDpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    double dpi = screenDpi * zoom_;
    if (zoom_ == 0) {
        const QSizeF mm = document_.pageSize();
        const QSize room = scroll_->viewport()->size() - QSize(8, 8);
        dpi = std::max(20.0, std::min(room.width() / (mm.width() / 25.4), room.height() / (mm.height() / 25.4)));
    }
    image_->setPixmap(QPixmap::fromImage(report::renderPage(document_, page_, dpi)));
    image_->adjustSize();
    pageLabel_->setText(QStringLiteral("%1 / %2. oldal").arg(count == 0 ? 0 : page_ + 1).arg(count));
    first_->setEnabled(page_ > 0);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < count);
    last_->setEnabled(page_ + 1 < count);
}

void PreviewWindow::print()
{
    context_.printer().print(document_, true);
}

QString PreviewWindow::saveAsPdf()
{
    QString path = context_.dialogs.saveFileName(QStringLiteral("Mentés PDF fájlba"),
                                                 context_.printer().fallbackPdfPath(document_.title),
                                                 QStringLiteral("PDF fájl (*.pdf)"));
    if (path.isEmpty())
        return {};
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QString error;
    if (!report::writePdf(document_, path, &error)) {
        context_.dialogs.error(error);
        return {};
    }
    context_.dialogs.information(QStringLiteral("A nyomat a %1 fájlba került.").arg(QDir::toNativeSeparators(path)));
    return path;
}

} // namespace zentar::platform
