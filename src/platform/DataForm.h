#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

class QFormLayout;
class QGridLayout;
class QLabel;
class QTabWidget;
class QWidget;

namespace zentar::db {
class RowSet;
}

namespace zentar::platform {

// One field of a data-bound form: which column it shows, how it is labelled and edited.
// Built with the named constructors and chained setters:
//
//   Field::text("kod", "Azonosító*:").max(10).upper().hint("A bejelentkezési név")
struct Field {
    enum class Kind {
        Text, // one line
        Password, // one line, shown as '*'
        Number, // whole number; empty is null
        Decimal, // number with a decimal comma or point; empty is null
        Date, // "yyyy.mm.dd." text, read into a QDate; empty is null
        Memo, // several lines
        Combo, // drop-down list (free text too unless fixedList())
        Check, // yes/no check box storing "i" / "n"
    };

    QString column; // lower case; also the editor's objectName
    QString caption; // the label text ("Név*:"); the box's own text for Check
    Kind kind = Kind::Text;
    QString hintText; // tooltip and status tip
    int maxLength = 0; // 0: no limit
    bool upperCase = false;
    bool readOnly = false;
    bool bound = true; // false: shown and tracked, never loaded or written (cleared on load)
    QStringList items; // the list of a Combo
    bool editableCombo = true;

    static Field text(const QString& column, const QString& caption) { return make(column, caption, Kind::Text); }
    static Field password(const QString& column, const QString& caption) { return make(column, caption, Kind::Password); }
    static Field number(const QString& column, const QString& caption) { return make(column, caption, Kind::Number); }
    static Field decimal(const QString& column, const QString& caption) { return make(column, caption, Kind::Decimal); }
    static Field date(const QString& column, const QString& caption) { return make(column, caption, Kind::Date); }
    static Field memo(const QString& column, const QString& caption) { return make(column, caption, Kind::Memo); }
    static Field combo(const QString& column, const QString& caption, const QStringList& items = {})
    {
        Field f = make(column, caption, Kind::Combo);
        f.items = items;
        return f;
    }
    static Field check(const QString& column, const QString& caption) { return make(column, caption, Kind::Check); }

    Field& max(int length) { maxLength = length; return *this; }
    Field& upper(bool on = true) { upperCase = on; return *this; }
    Field& hint(const QString& text) { hintText = text; return *this; }
    Field& readonly(bool on = true) { readOnly = on; return *this; }
    Field& unbound() { bound = false; return *this; }
    Field& fixedList() { editableCombo = false; return *this; }

private:
    static Field make(const QString& column, const QString& caption, Kind kind)
    {
        Field f;
        f.column = column.toLower();
        f.caption = caption;
        f.kind = kind;
        return f;
    }
};

// A form bound to the current row of a db::RowSet: builds a label and an editor per field,
// loads the row whenever the row set moves (or starts a new row), tracks the user's changes
// and writes them back into the row set's edit buffer.
//
//   db::RowSet rows(ctx.db);             // select / insert / update / delete set up as usual
//   platform::DataForm form(rows, this);
//   form.addRows(generalLayout, {
//       Field::text("nev", "Név*:").max(60),
//       Field::text("kod", "Azonosító*:").max(10).upper(),
//   });
//   form.addRows(otherTabLayout, {Field::memo("megj", "Megjegyzés:")});
//   connect(&form, &DataForm::modifiedChanged, saveButton, &QWidget::setEnabled);
//   form.onLeave("kod", [this] { checkCode(); });
//   ...
//   form.writeBack();   // into the row set's buffer (starts editing when browsing)
//   rows.apply();       // insert or update
class DataForm : public QObject {
    Q_OBJECT
public:
    // Editors are created as children of `owner` (normally the window).
    DataForm(db::RowSet& rows, QWidget* owner);
    ~DataForm() override;

    // Builds the label and editor of a field; place them yourself with label() and editor().
    QWidget* add(const Field& field);
    // Builds the fields and adds them as rows (label, editor) of a form layout.
    void addRows(QFormLayout* layout, const QList<Field>& fields);
    // Builds a field and puts its label at (row, column) and its editor at (row, column + 1).
    QWidget* addToGrid(QGridLayout* grid, int row, int column, const Field& field, int editorSpan = 1);
    // A new tab page holding the fields as a form layout; returns the layout for more rows.
    QFormLayout* addTab(QTabWidget* tabs, const QString& title, const QList<Field>& fields);

    QStringList columns() const;
    const Field* field(const QString& column) const;
    QWidget* editor(const QString& column) const;
    template <typename T>
    T* editor(const QString& column) const
    {
        return qobject_cast<T*>(editor(column));
    }
    // The label of a field (none for check boxes, whose caption is their own text).
    QLabel* label(const QString& column) const;

    // The editor's value as it would be written: text (null when empty), qlonglong, double,
    // QDate, or "i"/"n" for check boxes.
    QVariant value(const QString& column) const;
    QString text(const QString& column) const { return value(column).toString(); }
    // Puts a value into the editor as if the user had typed it (the form becomes modified).
    void setValue(const QString& column, const QVariant& value);
    void setReadOnly(const QString& column, bool readOnly);
    // Enables or disables the editor together with its label.
    void setFieldEnabled(const QString& column, bool enabled);
    // Called when the editor loses focus to another widget of the window (not when another
    // window or a message box takes the focus).
    void onLeave(const QString& column, std::function<void()> handler);
    void focus(const QString& column);

    // Shows the row set's current row (or edit buffer); unbound fields are cleared.
    void load();
    // Empties every editor.
    void clear();

    bool isModified() const { return modified_; }
    void setModified(bool modified);

    // The columns whose editor differs from what was loaded (or set since).
    QStringList changedColumns() const;
    // A Hungarian message naming the first field whose text cannot be read (a date that is not
    // a date); empty when every field is fine.
    QString invalidInput() const;
    // Writes the changed bound fields into the row set's buffer (starting an edit when the row
    // set is browsing). Returns false and writes nothing when invalidInput() is not empty.
    bool writeBack(QString* error = nullptr);

signals:
    void modifiedChanged(bool modified);
    // The user (or setValue) changed a field.
    void edited(const QString& column);
    void loaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        Field field;
        QPointer<QWidget> editor;
        QPointer<QLabel> label;
        QVariant loadedValue;
    };

    Entry* entry(const QString& column);
    const Entry* entry(const QString& column) const;
    QWidget* build(const Field& field);
    void show(Entry& e, const QVariant& value);
    void changed(const QString& column);
    void rowValueChanged(const QString& column);

    db::RowSet& rows_;
    QWidget* owner_;
    std::vector<Entry> entries_;
    QHash<QObject*, std::vector<std::function<void()>>> leaveHandlers_;
    bool loading_ = false;
    bool writing_ = false;
    bool modified_ = false;
};

} // namespace zentar::platform
