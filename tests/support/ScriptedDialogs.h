#pragma once

#include "platform/Dialogs.h"

#include <QStringList>

#include <deque>

namespace zentar::test {

// A dialogs facade for tests: records every message and answers every question from a queue.
// A question nobody scripted fails the test (and answers "No"/cancel).
class ScriptedDialogs : public platform::Dialogs {
public:
    struct Message {
        QString kind; // "information", "warning", "error", "question", "delete"
        QString text;
        QString title;
    };

    // Queue answers, consumed in order by question(), confirmDelete(), file dialogs and inputText().
    void answer(Button button) { answers_.push_back({Answer::Kind::Button, button, {}, false}); }
    void answerDelete(bool yes) { answer(yes ? QMessageBox::Yes : QMessageBox::No); }
    void answerFile(const QString& path) { answers_.push_back({Answer::Kind::File, QMessageBox::NoButton, path, true}); }
    void answerText(const std::optional<QString>& text)
    {
        answers_.push_back({Answer::Kind::Text, QMessageBox::NoButton, text.value_or(QString()), text.has_value()});
    }

    const std::vector<Message>& messages() const { return messages_; }
    // Texts of the messages of one kind (all kinds when empty).
    QStringList texts(const QString& kind = {}) const;
    void clear() { messages_.clear(); }
    bool allAnswersUsed() const { return answers_.empty(); }

    void information(const QString& text, const QString& title = {}) override;
    void warning(const QString& text, const QString& title = {}) override;
    void error(const QString& text, const QString& title = {}) override;
    Button question(const QString& text, const QString& title, Buttons buttons, Button defaultButton) override;
    bool confirmDelete() override;
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& folder, const QString& filter) override;
    std::optional<QString> inputText(const QString& title, const QString& label, const QString& initial) override;

private:
    struct Answer {
        enum class Kind { Button, File, Text } kind;
        Button button;
        QString text;
        bool hasText;
    };
    // The next answer if it is of the expected kind; records a failure otherwise.
    std::optional<Answer> take(Answer::Kind kind, const QString& what);

    std::deque<Answer> answers_;
    std::vector<Message> messages_;
};

} // namespace zentar::test
