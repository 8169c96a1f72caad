#pragma once

#include <QObject>
#include <QStringList>

class QScrollArea;
class QWidget;

namespace zentar::platform {

class AppContext;

// F2 .. F12 in a data field append the function-key texts (F2 the first of the eleven) and put
// the caret at the end. Installed on every line edit and text area under a window.
class FunctionKeyInput : public QObject {
    Q_OBJECT
public:
    FunctionKeyInput(QStringList texts, QObject* parent);

    // The texts of "zentar.ini" in the working folder when the file exists, else the login state's.
    static QStringList textsFor(const AppContext& context);

    // Watches every editable line edit (editable combo boxes included) and text area under `root`.
    void install(QWidget* root);
    // Appends `text` to a line edit or text area; false for other widgets or read-only ones.
    static bool append(QWidget* editor, const QString& text);

    const QStringList& texts() const { return texts_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList texts_;
};

// The mouse wheel scrolls a window's scroll area by `step` units per notch (not above the top),
// also over its one-line fields and drop-down lists, which would otherwise take the wheel.
class WheelScroll : public QObject {
    Q_OBJECT
public:
    WheelScroll(QScrollArea* area, int step, QObject* parent);
    void install(QWidget* root);
    // Scrolls by `notches` (positive: up) and returns the new position.
    int scroll(int notches);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollArea* area_;
    int step_;
};

} // namespace zentar::platform
