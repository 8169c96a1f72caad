#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace zentar::test {

QStringList ScriptedDialogs::texts(const QString& kind) const
{
    QStringList out;
    for (const Message& m : messages_) {
        if (kind.isEmpty() || m.kind == kind)
            out << m.text;
    }
    return out;
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::take(Answer::Kind kind, const QString& what)
{
    if (answers_.empty()) {
        ADD_FAILURE() << "Unscripted dialog: " << what.toStdString();
        return std::nullopt;
    }
    Answer a = answers_.front();
    answers_.pop_front();
    if (a.kind != kind) {
        ADD_FAILURE() << "Scripted answer of the wrong kind for: " << what.toStdString();
        return std::nullopt;
    }
    return a;
}

void ScriptedDialogs::information(const QString& text, const QString& title)
{
    messages_.push_back({QStringLiteral("information"), text, title});
}

void ScriptedDialogs::warning(const QString& text, const QString& title)
{
    messages_.push_back({QStringLiteral("warning"), text, title});
}

void ScriptedDialogs::error(const QString& text, const QString& title)
{
    messages_.push_back({QStringLiteral("error"), text, title});
}

ScriptedDialogs::Button ScriptedDialogs::question(const QString& text, const QString& title, Buttons buttons,
                                                  Button)
{
    messages_.push_back({QStringLiteral("question"), text, title});
    const auto a = take(Answer::Kind::Button, QStringLiteral("question: ") + text);
    if (a) {
        EXPECT_TRUE(buttons.testFlag(a->button)) << "answer not offered for: " << text.toStdString();
        return a->button;
    }
    return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
}

bool ScriptedDialogs::confirmDelete()
{
    messages_.push_back({QStringLiteral("delete"), QStringLiteral("Biztosan törölni kívánja ? "),
                         QStringLiteral("Törlés")});
    const auto a = take(Answer::Kind::Button, QStringLiteral("delete confirmation"));
    return a && a->button == QMessageBox::Yes;
}

QString ScriptedDialogs::openFileName(const QString& title, const QString&, const QString&)
{
    const auto a = take(Answer::Kind::File, QStringLiteral("open file: ") + title);
    return a ? a->text : QString();
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString&, const QString&)
{
    const auto a = take(Answer::Kind::File, QStringLiteral("save file: ") + title);
    return a ? a->text : QString();
}

std::optional<QString> ScriptedDialogs::inputText(const QString& title, const QString&, const QString&)
{
    const auto a = take(Answer::Kind::Text, QStringLiteral("input: ") + title);
    if (a && a->hasText)
        return a->text;
    return std::nullopt;
}

} // namespace zentar::test
