#include "platform/FunctionKeyInput.h"

#include "platform/AppContext.h"
#include "platform/TextFile.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace zentar::platform {

FunctionKeyInput::FunctionKeyInput(QStringList texts, QObject* parent) : QObject(parent), texts_(std::move(texts))
{
    while (texts_.size() < LoginState::kFunctionKeyCount)
        texts_ << QString();
}

QStringList FunctionKeyInput::textsFor(const AppContext& context)
{
    const QString path = context.folders.workFile(QStringLiteral("zentar.ini"));
    if (!QFileInfo::exists(path))
        return context.login.functionKeys();
    QStringList texts = readTextFile(path).mid(0, LoginState::kFunctionKeyCount);
    while (texts.size() < LoginState::kFunctionKeyCount)
        texts << QString();
    return texts;
}

void FunctionKeyInput::install(QWidget* root)
{
    for (QLineEdit* edit : root->findChildren<QLineEdit*>())
        edit->installEventFilter(this);
    for (QPlainTextEdit* edit : root->findChildren<QPlainTextEdit*>())
        edit->installEventFilter(this);
}

bool FunctionKeyInput::append(QWidget* editor, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (edit->isReadOnly() || !edit->isEnabled())
            return false;
        edit->setText(edit->text() + text);
        edit->end(false);
        return true;
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(editor)) {
        if (memo->isReadOnly() || !memo->isEnabled())
            return false;
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(text);
        memo->moveCursor(QTextCursor::End);
        return true;
    }
    return false;
}

bool FunctionKeyInput::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key >= Qt::Key_F2 && key <= Qt::Key_F12) {
            append(qobject_cast<QWidget*>(watched), texts_.value(key - Qt::Key_F2));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

WheelScroll::WheelScroll(QScrollArea* area, int step, QObject* parent) : QObject(parent), area_(area), step_(step)
{
    area_->viewport()->installEventFilter(this);
}

void WheelScroll::install(QWidget* root)
{
    for (QLineEdit* edit : root->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(edit->parentWidget()))
            edit->installEventFilter(this);
    }
    for (QComboBox* combo : root->findChildren<QComboBox*>())
        combo->installEventFilter(this);
    for (QAbstractSpinBox* spin : root->findChildren<QAbstractSpinBox*>())
        spin->installEventFilter(this);
}

int WheelScroll::scroll(int notches)
{
    QScrollBar* bar = area_->verticalScrollBar();
    bar->setValue(std::max(0, bar->value() - notches * step_));
    return bar->value();
}

bool WheelScroll::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int notches = wheel->angleDelta().y() / 120;
        if (notches != 0)
            scroll(notches);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zentar::platform
