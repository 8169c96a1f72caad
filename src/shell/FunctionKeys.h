#pragma once

#include "platform/AppContext.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QLineEdit;

namespace zentar::shell {

// The function-key file "zentar.ini": eleven lines, the texts of F2 to F12 in order.
namespace functionkeys {
inline constexpr int kCount = platform::LoginState::kFunctionKeyCount;
inline QString fileName() { return QStringLiteral("zentar.ini"); }
// The eleven texts; empty ones where the file is missing or shorter.
QStringList read(const platform::Folders& folders);
// Writes the eleven texts, one per line (an empty text keeps its line), and puts them into the
// login state. False (with the message shown) when the file cannot be written.
bool save(platform::AppContext& context, const QStringList& texts);
// The printed key list.
QStringList printLines(const QStringList& texts);
} // namespace functionkeys

// "Funkcióbillentyűk": the texts of F2 to F12.
class FunctionKeysWindow : public QWidget {
    Q_OBJECT
public:
    explicit FunctionKeysWindow(platform::AppContext& context, QWidget* parent = nullptr);

    QStringList texts() const;
    bool save();
    void print();

private:
    platform::AppContext& context_;
    std::array<QLineEdit*, functionkeys::kCount> edits_{};
};

} // namespace zentar::shell
