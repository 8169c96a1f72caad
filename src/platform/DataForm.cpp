#include "platform/DataForm.h"

#include "db/DateText.h"
#include "db/RowSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QValidator>

namespace zentar::platform {

namespace {

// Turns whatever is typed or pasted into upper case (QLineEdit lets a validator change the input).
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

QString textOf(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDate)
        return db::datetext::display(value.toDate());
    if (value.typeId() == QMetaType::QDateTime)
        return db::datetext::display(value.toDateTime().date());
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
    return value.toString();
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a == b;
}

} // namespace

DataForm::DataForm(db::RowSet& rows, QWidget* owner) : QObject(owner), rows_(rows), owner_(owner)
{
    connect(&rows_, &db::RowSet::currentChanged, this, [this] { load(); });
    connect(&rows_, &db::RowSet::stateChanged, this, [this](db::RowSet::State state) {
        if (state == db::RowSet::State::Insert)
            load();
    });
    connect(&rows_, &db::RowSet::valueChanged, this, &DataForm::rowValueChanged);
}

DataForm::~DataForm() = default;

QWidget* DataForm::add(const Field& field)
{
    Q_ASSERT(!entry(field.column));
    QWidget* editor = build(field);
    QLabel* label = nullptr;
    if (field.kind != Field::Kind::Check) {
        label = new QLabel(field.caption, owner_);
        label->setObjectName(field.column + QStringLiteral("Label"));
        label->setBuddy(editor);
        if (!field.hintText.isEmpty())
            label->setToolTip(field.hintText);
    }
    entries_.push_back(Entry{field, editor, label, QVariant()});
    setReadOnly(field.column, field.readOnly);
    editor->installEventFilter(this);
    return editor;
}

QWidget* DataForm::build(const Field& field)
{
    using K = Field::Kind;
    QWidget* editor = nullptr;
    const QString column = field.column;
    switch (field.kind) {
    case K::Text:
    case K::Password:
    case K::Number:
    case K::Decimal:
    case K::Date: {
        auto* edit = new QLineEdit(owner_);
        if (field.kind == K::Password)
            edit->setEchoMode(QLineEdit::Password);
        if (field.maxLength > 0)
            edit->setMaxLength(field.maxLength);
        if (field.kind == K::Number) {
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*")), edit));
            edit->setAlignment(Qt::AlignRight);
        } else if (field.kind == K::Decimal) {
            edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d*([.,]\\d*)?")), edit));
            edit->setAlignment(Qt::AlignRight);
        } else if (field.kind == K::Date) {
            edit->setPlaceholderText(QStringLiteral("éééé.hh.nn."));
            if (field.maxLength <= 0)
                edit->setMaxLength(11);
        } else if (field.upperCase) {
            edit->setValidator(new UpperCaseValidator(edit));
        }
        connect(edit, &QLineEdit::textChanged, this, [this, column] { changed(column); });
        editor = edit;
        break;
    }
    case K::Memo: {
        auto* edit = new QPlainTextEdit(owner_);
        edit->setTabChangesFocus(true);
        const int maxLength = field.maxLength;
        const bool upper = field.upperCase;
        connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, column, maxLength, upper] {
            const QString text = edit->toPlainText();
            QString fixed = upper ? text.toUpper() : text;
            if (maxLength > 0 && fixed.size() > maxLength)
                fixed.truncate(maxLength);
            if (fixed != text) {
                QTextCursor cursor = edit->textCursor();
                const int position = std::min(cursor.position(), int(fixed.size()));
                const QSignalBlocker block(edit);
                edit->setPlainText(fixed);
                cursor = edit->textCursor();
                cursor.setPosition(position);
                edit->setTextCursor(cursor);
            }
            changed(column);
        });
        editor = edit;
        break;
    }
    case K::Combo: {
        auto* combo = new QComboBox(owner_);
        combo->setEditable(field.editableCombo);
        combo->addItems(field.items);
        combo->setCurrentIndex(-1);
        if (QLineEdit* edit = combo->lineEdit()) {
            if (field.maxLength > 0)
                edit->setMaxLength(field.maxLength);
            if (field.upperCase)
                edit->setValidator(new UpperCaseValidator(edit));
        }
        connect(combo, &QComboBox::currentTextChanged, this, [this, column] { changed(column); });
        editor = combo;
        break;
    }
    case K::Check: {
        auto* box = new QCheckBox(field.caption, owner_);
        connect(box, &QCheckBox::toggled, this, [this, column] { changed(column); });
        editor = box;
        break;
    }
    }
    editor->setObjectName(column);
    if (!field.hintText.isEmpty()) {
        editor->setToolTip(field.hintText);
        editor->setStatusTip(field.hintText);
    }
    return editor;
}

void DataForm::addRows(QFormLayout* layout, const QList<Field>& fields)
{
    for (const Field& f : fields) {
        QWidget* editor = add(f);
        if (QLabel* l = label(f.column))
            layout->addRow(l, editor);
        else
            layout->addRow(QString(), editor);
    }
}

QWidget* DataForm::addToGrid(QGridLayout* grid, int row, int column, const Field& field, int editorSpan)
{
    QWidget* editor = add(field);
    if (QLabel* l = label(field.column))
        grid->addWidget(l, row, column);
    grid->addWidget(editor, row, column + 1, 1, editorSpan);
    return editor;
}

QFormLayout* DataForm::addTab(QTabWidget* tabs, const QString& title, const QList<Field>& fields)
{
    auto* page = new QWidget(tabs);
    auto* layout = new QFormLayout(page);
    addRows(layout, fields);
    tabs->addTab(page, title);
    return layout;
}

DataForm::Entry* DataForm::entry(const QString& column)
{
    const QString key = column.toLower();
    for (Entry& e : entries_) {
        if (e.field.column == key)
            return &e;
    }
    return nullptr;
}

const DataForm::Entry* DataForm::entry(const QString& column) const
{
    return const_cast<DataForm*>(this)->entry(column);
}

QStringList DataForm::columns() const
{
    QStringList out;
    for (const Entry& e : entries_)
        out << e.field.column;
    return out;
}

const Field* DataForm::field(const QString& column) const
{
    const Entry* e = entry(column);
    return e ? &e->field : nullptr;
}

QWidget* DataForm::editor(const QString& column) const
{
    const Entry* e = entry(column);
    return e ? e->editor.data() : nullptr;
}

QLabel* DataForm::label(const QString& column) const
{
    const Entry* e = entry(column);
    return e ? e->label.data() : nullptr;
}

QVariant DataForm::value(const QString& column) const
{
    using K = Field::Kind;
    const Entry* e = entry(column);
    if (!e || !e->editor)
        return {};
    switch (e->field.kind) {
    case K::Memo: {
        const QString text = static_cast<QPlainTextEdit*>(e->editor.data())->toPlainText();
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case K::Combo: {
        const QString text = static_cast<QComboBox*>(e->editor.data())->currentText();
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case K::Check:
        return static_cast<QCheckBox*>(e->editor.data())->isChecked() ? QStringLiteral("i") : QStringLiteral("n");
    default:
        break;
    }
    const QString text = static_cast<QLineEdit*>(e->editor.data())->text();
    if (text.trimmed().isEmpty())
        return e->field.kind == K::Text || e->field.kind == K::Password ? (text.isEmpty() ? QVariant() : QVariant(text))
                                                                        : QVariant();
    switch (e->field.kind) {
    case K::Number: {
        bool ok = false;
        const qlonglong n = text.trimmed().toLongLong(&ok);
        return ok ? QVariant(n) : QVariant();
    }
    case K::Decimal: {
        bool ok = false;
        const double d = QString(text.trimmed()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        return ok ? QVariant(d) : QVariant();
    }
    case K::Date: {
        const QDate d = db::datetext::parse(text.trimmed());
        return d.isValid() ? QVariant(d) : QVariant();
    }
    default:
        return text;
    }
}

void DataForm::show(Entry& e, const QVariant& value)
{
    using K = Field::Kind;
    const bool wasLoading = loading_;
    loading_ = true;
    switch (e.field.kind) {
    case K::Memo:
        static_cast<QPlainTextEdit*>(e.editor.data())->setPlainText(textOf(value));
        break;
    case K::Combo: {
        auto* combo = static_cast<QComboBox*>(e.editor.data());
        const QString text = textOf(value);
        const int index = combo->findText(text);
        if (index >= 0 || text.isEmpty() || !combo->isEditable())
            combo->setCurrentIndex(text.isEmpty() ? -1 : index);
        if (combo->isEditable())
            combo->setEditText(text);
        break;
    }
    case K::Check: {
        const QString text = textOf(value);
        static_cast<QCheckBox*>(e.editor.data())->setChecked(text == QLatin1String("i") || text == QLatin1String("I"));
        break;
    }
    default: {
        auto* edit = static_cast<QLineEdit*>(e.editor.data());
        edit->setText(textOf(value));
        edit->setCursorPosition(0);
        break;
    }
    }
    loading_ = wasLoading;
}

void DataForm::setValue(const QString& column, const QVariant& value)
{
    Entry* e = entry(column);
    if (!e || !e->editor)
        return;
    show(*e, value);
    changed(e->field.column);
}

void DataForm::setReadOnly(const QString& column, bool readOnly)
{
    Entry* e = entry(column);
    if (!e || !e->editor)
        return;
    e->field.readOnly = readOnly;
    if (auto* edit = qobject_cast<QLineEdit*>(e->editor))
        edit->setReadOnly(readOnly);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(e->editor))
        memo->setReadOnly(readOnly);
    else
        e->editor->setEnabled(!readOnly);
}

void DataForm::setFieldEnabled(const QString& column, bool enabled)
{
    Entry* e = entry(column);
    if (!e)
        return;
    if (e->editor)
        e->editor->setEnabled(enabled);
    if (e->label)
        e->label->setEnabled(enabled);
}

void DataForm::onLeave(const QString& column, std::function<void()> handler)
{
    if (QWidget* w = editor(column))
        leaveHandlers_[w].push_back(std::move(handler));
}

void DataForm::focus(const QString& column)
{
    if (QWidget* w = editor(column)) {
        w->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->selectAll();
    }
}

bool DataForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window (a message box, another program) taking the focus is not leaving the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const auto it = leaveHandlers_.constFind(watched);
            if (it != leaveHandlers_.constEnd()) {
                const auto handlers = it.value();
                for (const auto& handler : handlers)
                    handler();
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void DataForm::load()
{
    const bool hasRow = rows_.isEditing() || rows_.currentIndex() >= 0;
    for (Entry& e : entries_) {
        if (!e.editor)
            continue;
        show(e, e.field.bound && hasRow ? rows_.value(e.field.column) : QVariant());
        e.loadedValue = value(e.field.column);
    }
    setModified(false);
    emit loaded();
}

void DataForm::clear()
{
    for (Entry& e : entries_) {
        if (e.editor)
            show(e, QVariant());
    }
    setModified(true);
}

void DataForm::setModified(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified_);
}

void DataForm::changed(const QString& column)
{
    if (loading_)
        return;
    setModified(true);
    emit edited(column);
}

void DataForm::rowValueChanged(const QString& column)
{
    // A value set on the row set by code shows in its editor; it is the row set's change, not
    // the form's, so the editor counts it as loaded.
    if (writing_)
        return;
    Entry* e = entry(column);
    if (!e || !e->editor || !e->field.bound)
        return;
    show(*e, rows_.value(column));
    e->loadedValue = value(column);
}

QStringList DataForm::changedColumns() const
{
    QStringList out;
    for (const Entry& e : entries_) {
        if (!sameValue(value(e.field.column), e.loadedValue))
            out << e.field.column;
    }
    return out;
}

QString DataForm::invalidInput() const
{
    for (const Entry& e : entries_) {
        if (e.field.kind != Field::Kind::Date || !e.editor)
            continue;
        const QString text = static_cast<QLineEdit*>(e.editor.data())->text().trimmed();
        if (!text.isEmpty() && !db::datetext::parse(text).isValid()) {
            QString caption = e.field.caption;
            caption.remove(QLatin1Char('&'));
            while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char('*')))
                caption.chop(1);
            return QStringLiteral("Hibás dátum (%1): %2").arg(caption.trimmed(), text);
        }
    }
    return {};
}

bool DataForm::writeBack(QString* error)
{
    const QString invalid = invalidInput();
    if (!invalid.isEmpty()) {
        if (error)
            *error = invalid;
        return false;
    }
    writing_ = true;
    try {
        for (Entry& e : entries_) {
            if (!e.field.bound || !e.editor)
                continue;
            const QVariant v = value(e.field.column);
            if (sameValue(v, e.loadedValue))
                continue;
            rows_.setValue(e.field.column, v);
            e.loadedValue = v;
        }
    } catch (...) {
        writing_ = false;
        throw;
    }
    writing_ = false;
    setModified(false);
    return true;
}

} // namespace zentar::platform
