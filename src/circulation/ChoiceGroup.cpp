#include "circulation/ChoiceGroup.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace zentar::circulation {

ChoiceGroup::ChoiceGroup(const QString& column, const QString& caption, const QString& firstValue,
    const QString& firstText, const QString& secondValue, const QString& secondText, QWidget* parent)
    : QGroupBox(caption, parent)
    , firstValue_(firstValue)
    , secondValue_(secondValue)
{
    setObjectName(column);
    first_ = new QRadioButton(firstText, this);
    first_->setObjectName(column + QLatin1Char('_') + firstValue);
    second_ = new QRadioButton(secondText, this);
    second_->setObjectName(column + QLatin1Char('_') + secondValue);
    // Exclusive by hand, so that both can be cleared.
    auto* group = new QButtonGroup(this);
    group->setExclusive(false);
    group->addButton(first_);
    group->addButton(second_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(first_);
    layout->addWidget(second_);
    layout->addStretch();
    connect(first_, &QRadioButton::clicked, this, [this] { choose(firstValue_); });
    connect(second_, &QRadioButton::clicked, this, [this] { choose(secondValue_); });
}

ChoiceGroup* ChoiceGroup::yesNo(const QString& column, const QString& caption, QWidget* parent)
{
    return new ChoiceGroup(column, caption, QStringLiteral("i"), QStringLiteral("Igen"), QStringLiteral("n"),
        QStringLiteral("Nem"), parent);
}

QString ChoiceGroup::value() const
{
    if (first_->isChecked())
        return firstValue_;
    if (second_->isChecked())
        return secondValue_;
    return {};
}

QVariant ChoiceGroup::storedValue() const
{
    const QString v = value();
    return v.isEmpty() ? QVariant() : QVariant(v);
}

void ChoiceGroup::load(const QVariant& value)
{
    const QString v = value.toString().trimmed().toLower();
    first_->setChecked(v == firstValue_);
    second_->setChecked(v == secondValue_);
}

void ChoiceGroup::choose(const QString& value)
{
    load(value);
    emit chosen(value);
}

} // namespace zentar::circulation
