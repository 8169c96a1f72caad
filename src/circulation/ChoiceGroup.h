#pragma once

#include <QGroupBox>
#include <QString>
#include <QVariant>

class QRadioButton;

namespace zentar::circulation {

// Two radio buttons under a caption that store a one-letter value each ("f"/"n", "i"/"n").
// Neither is checked until a value is loaded or chosen: "no choice" is a value of its own.
// objectName is the column; the buttons are "<column>_<value>".
class ChoiceGroup : public QGroupBox {
    Q_OBJECT
public:
    ChoiceGroup(const QString& column, const QString& caption, const QString& firstValue, const QString& firstText,
        const QString& secondValue, const QString& secondText, QWidget* parent = nullptr);

    // Yes/no: "i" "Igen", "n" "Nem".
    static ChoiceGroup* yesNo(const QString& column, const QString& caption, QWidget* parent = nullptr);

    QString column() const { return objectName(); }
    // The chosen value, empty when none is chosen.
    QString value() const;
    // Null when none is chosen.
    QVariant storedValue() const;
    // Shows a value without counting as the user's choice.
    void load(const QVariant& value);
    // Chooses as if the user had clicked.
    void choose(const QString& value);

signals:
    // The user chose a value.
    void chosen(const QString& value);

private:
    QRadioButton* first_;
    QRadioButton* second_;
    QString firstValue_;
    QString secondValue_;
};

} // namespace zentar::circulation
