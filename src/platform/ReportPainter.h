#pragma once

#include "platform/Report.h"

#include <QImage>

class QPainter;
class QPagedPaintDevice;

namespace zentar::platform::report {

// Paints one laid-out page; `pxPerMm` converts the page's millimetres into device pixels.
void paintPage(QPainter& painter, const Page& page, double pxPerMm);

// Paints every page on a printer or PDF writer (A4, the document's orientation, no margins:
// the layout already holds them). Returns false when the device cannot be painted on.
bool paint(const Document& document, QPagedPaintDevice& device);

// Writes the document as a PDF file; fills `error` (Hungarian, with the path) on failure.
bool writePdf(const Document& document, const QString& path, QString* error = nullptr);

// One page as an image at `dpi` dots per inch (for the preview window).
QImage renderPage(const Document& document, int index, double dpi);

} // namespace zentar::platform::report
