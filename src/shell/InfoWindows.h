#pragma once

#include "platform/AppContext.h"

#include <QDialog>

class QListWidget;
class QTextEdit;

namespace zentar::shell {

// The licence text, "licensz.rtf" in the working folder (MIT, in Hungarian).
QByteArray licenceRtf();
// Writes "licensz.rtf" into the working folder when it is missing. False when it cannot.
bool ensureLicenceFile(const platform::Folders& folders);

// "Licensz szerződés": the licence text loaded from "licensz.rtf", printable.
class LicenceDialog : public QDialog {
    Q_OBJECT
public:
    explicit LicenceDialog(platform::AppContext& context, QWidget* parent = nullptr);
    QTextEdit* text() const { return text_; }
    void print();

private:
    platform::AppContext& context_;
    QTextEdit* text_;
};

// "Súgó": the topics of `sugo` and the chosen topic's description.
class HelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit HelpDialog(platform::AppContext& context, QWidget* parent = nullptr);
    QListWidget* topics() const { return topics_; }
    QTextEdit* text() const { return text_; }
    void showTopic(int row);

private:
    platform::AppContext& context_;
    QListWidget* topics_;
    QTextEdit* text_;
    QList<QString> descriptions_;
};

// "Névjegy".
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace zentar::shell
