#include "shell/FunctionKeys.h"

#include "platform/TextFile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentar::shell {

namespace functionkeys {

QStringList read(const platform::Folders& folders)
{
    QStringList texts = platform::readTextFile(folders.workFile(fileName()));
    while (texts.size() < kCount)
        texts << QString();
    return texts.mid(0, kCount);
}

bool save(platform::AppContext& context, const QStringList& texts)
{
    QStringList lines = texts.mid(0, kCount);
    while (lines.size() < kCount)
        lines << QString();
    for (int i = 0; i < kCount; ++i)
        context.login.setFunctionKey(i + 2, lines.at(i));
    QString error;
    if (!platform::writeTextFile(context.folders.workFile(fileName()), lines, &error)) {
        context.dialogs.error(error);
        return false;
    }
    return true;
}

QStringList printLines(const QStringList& texts)
{
    QStringList lines{QString(), QStringLiteral("  A funkcióbillentyűk értékei"), QString()};
    for (int i = 0; i < kCount; ++i)
        lines << QStringLiteral("  F%1:  %2").arg(i + 2).arg(texts.value(i));
    return lines;
}

} // namespace functionkeys

FunctionKeysWindow::FunctionKeysWindow(platform::AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context)
{
    setObjectName(QStringLiteral("FunctionKeysWindow"));
    setWindowTitle(QStringLiteral("Funkcióbillentyűk"));
    const QStringList texts = functionkeys::read(context_.folders);
    auto* grid = new QGridLayout;
    for (int i = 0; i < functionkeys::kCount; ++i) {
        const int key = i + 2;
        auto* edit = new QLineEdit(texts.at(i), this);
        edit->setObjectName(QStringLiteral("editF%1").arg(key));
        if (key <= 6)
            edit->setMaxLength(50);
        edit->setMinimumWidth(420);
        grid->addWidget(new QLabel(QStringLiteral("F%1:").arg(key), this), i, 0);
        grid->addWidget(edit, i, 1);
        edits_[i] = edit;
    }
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> captions[] = {
        {"btnSave", " &Mentés"}, {"btnPrint", " &Nyomtatás"}, {"btnExit", " &Kilépés"}};
    QList<QPushButton*> made;
    for (const auto& [name, caption] : captions) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QLatin1String(name));
        buttons->addWidget(b);
        made << b;
    }
    buttons->addStretch();
    connect(made.at(0), &QPushButton::clicked, this, [this] {
        if (save())
            close();
    });
    connect(made.at(1), &QPushButton::clicked, this, &FunctionKeysWindow::print);
    connect(made.at(2), &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("A következő funkcióbillentyűknek adhat értékeket:"), this));
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addStretch();
}

QStringList FunctionKeysWindow::texts() const
{
    QStringList out;
    for (const QLineEdit* edit : edits_)
        out << edit->text();
    return out;
}

bool FunctionKeysWindow::save()
{
    return functionkeys::save(context_, texts());
}

void FunctionKeysWindow::print()
{
    context_.printer().printLines(functionkeys::printLines(texts()), 10, QStringLiteral("Funkcióbillentyűk"));
}

} // namespace zentar::shell
