#include "catalogue/CardEditor.h"

#include "catalogue/CardComposer.h"
#include "catalogue/CardEditorText.h"
#include "db/Connection.h"
#include "platform/AppContext.h"
#include "platform/CloseWindow.h"
#include "platform/Rtf.h"
#include "platform/TextFile.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>

#include <optional>

namespace zentar::catalogue {

namespace {

const QString kFileFilter = QStringLiteral("Rich Text File (*.rtf);;Text File (*.txt)");

bool isTextFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

} // namespace

CardEditor* CardEditor::open(platform::AppContext& context, Show show)
{
    auto* editor = new CardEditor(context);
    if (show == Show::Modal)
        editor->setWindowModality(Qt::ApplicationModal);
    if (context.hasHost()) {
        context.host().showWindow(editor);
    } else {
        editor->setAttribute(Qt::WA_DeleteOnClose);
        editor->show();
    }
    return editor;
}

CardEditor::CardEditor(platform::AppContext& context, QWidget* parent)
    : QMainWindow(parent)
    , context_(context)
    , text_(new QTextEdit(this))
{
    setObjectName(QStringLiteral("CardEditor"));
    setWindowTitle(cardtext::kEditorCaption);
    text_->setObjectName(QStringLiteral("text"));
    text_->setAcceptRichText(true);
    QFont font = text_->font();
    font.setPointSizeF(10);
    text_->document()->setDefaultFont(font);
    setCentralWidget(text_);

    buildMenus();
    buildToolBar();
    connect(text_, &QTextEdit::currentCharFormatChanged, this, [this] { showFormatOfCursor(); });
    connect(text_, &QTextEdit::cursorPositionChanged, this, [this] { showFormatOfCursor(); });
    showFormatOfCursor();
    resize(1040, 600);
}

CardEditor::~CardEditor() = default;

QAction* CardEditor::addAction(const char* name, const QString& text, const QString& hint)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        action->setToolTip(hint);
    return action;
}

void CardEditor::buildMenus()
{
    QStyle* style = this->style();
    auto* file = menuBar()->addMenu(QStringLiteral("&File"));
    auto* actNew = addAction("actNew", QStringLiteral("&Új dokumentum"));
    actNew->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    actNew->setShortcut(QKeySequence::New);
    auto* actOpen = addAction("actOpen", QStringLiteral("&Megnyitás..."));
    actOpen->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    actOpen->setShortcut(QKeySequence::Open);
    auto* actSave = addAction("actSave", QStringLiteral("&Mentés"));
    actSave->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    actSave->setShortcut(QKeySequence::Save);
    auto* actSaveAs = addAction("actSaveAs", QStringLiteral("Mentés másként..."));
    auto* actPrinterSetup = addAction("actPrinterSetup", QStringLiteral("Nyomtató beállítás"));
    auto* actPrint = addAction("actPrint", QStringLiteral("&Nyomtatás"));
    actPrint->setShortcut(QKeySequence::Print);
    auto* actExit = addAction("actExit", QStringLiteral("Kilépés"));
    connect(actNew, &QAction::triggered, this, &CardEditor::newDocument);
    connect(actOpen, &QAction::triggered, this, &CardEditor::openFile);
    connect(actSave, &QAction::triggered, this, [this] { save(); });
    connect(actSaveAs, &QAction::triggered, this, [this] { saveAs(); });
    connect(actPrinterSetup, &QAction::triggered, this, &CardEditor::setUpPrinter);
    connect(actPrint, &QAction::triggered, this, &CardEditor::print);
    connect(actExit, &QAction::triggered, this, [this] { platform::closeWindow(this); });
    file->addActions({ actNew, actOpen, actSave, actSaveAs });
    file->addSeparator();
    file->addActions({ actPrinterSetup, actPrint });
    file->addSeparator();
    file->addAction(actExit);

    auto* edit = menuBar()->addMenu(QStringLiteral("&Szerkesztés"));
    auto* actCut = addAction("actCut", QStringLiteral("Kivágás"));
    actCut->setShortcut(QKeySequence::Cut);
    auto* actCopy = addAction("actCopy", QStringLiteral("Másolás"));
    actCopy->setShortcut(QKeySequence::Copy);
    auto* actPaste = addAction("actPaste", QStringLiteral("Beillesztés"));
    actPaste->setShortcut(QKeySequence::Paste);
    auto* actCount = addAction("actCharacterCount", QStringLiteral("Karakterek száma"));
    auto* actFont = addAction("actFont", QStringLiteral("Betűtípus..."));
    connect(actCut, &QAction::triggered, text_, &QTextEdit::cut);
    connect(actCopy, &QAction::triggered, text_, &QTextEdit::copy);
    connect(actPaste, &QAction::triggered, text_, &QTextEdit::paste);
    connect(actCount, &QAction::triggered, this, &CardEditor::showCharacterCount);
    connect(actFont, &QAction::triggered, this, &CardEditor::chooseFont);
    edit->addActions({ actCut, actCopy, actPaste });
    edit->addSeparator();
    edit->addActions({ actCount, actFont });
}

void CardEditor::buildToolBar()
{
    auto* bar = addToolBar(QStringLiteral("Eszköztár"));
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(false);
    auto find = [this](const char* name) { return findChild<QAction*>(QLatin1String(name)); };

    indent_ = new QSlider(Qt::Horizontal, bar);
    indent_->setObjectName(QStringLiteral("indent"));
    indent_->setToolTip(QStringLiteral("Bal margó: behúzás"));
    indent_->setRange(0, 20);
    indent_->setFixedWidth(110);
    connect(indent_, &QSlider::valueChanged, this, [this](int position) {
        if (updatingControls_)
            return;
        QTextCursor cursor = text_->textCursor();
        QTextBlockFormat format;
        format.setTextIndent(cardtext::firstLineIndent(position));
        cursor.mergeBlockFormat(format);
        text_->setTextCursor(cursor);
    });
    bar->addWidget(indent_);
    bar->addSeparator();
    bar->addActions({ find("actNew"), find("actOpen"), find("actSave") });
    auto* toolPrint = addAction("btnPrint", QStringLiteral("Nyomtatás"), QStringLiteral("Nyomtatás"));
    toolPrint->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    connect(toolPrint, &QAction::triggered, this, &CardEditor::print);
    bar->addAction(toolPrint);
    bar->addSeparator();
    bar->addActions({ find("actCut"), find("actCopy"), find("actPaste") });
    auto* undo = addAction("actUndo", QStringLiteral("Visszavonás"), QStringLiteral("Visszavonás"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setEnabled(false);
    connect(undo, &QAction::triggered, text_, &QTextEdit::undo);
    connect(text_, &QTextEdit::undoAvailable, undo, &QAction::setEnabled);
    bar->addAction(undo);
    bar->addSeparator();

    fontSize_ = new QSpinBox(bar);
    fontSize_->setObjectName(QStringLiteral("fontSize"));
    fontSize_->setToolTip(QStringLiteral("Betűméret"));
    fontSize_->setRange(4, 96);
    fontSize_->setValue(10);
    connect(fontSize_, &QSpinBox::valueChanged, this, [this](int size) {
        if (updatingControls_)
            return;
        QTextCharFormat format;
        format.setFontPointSize(size);
        mergeFormat(format);
    });
    bar->addWidget(fontSize_);

    auto styleButton = [this, bar](const char* name, const QString& text, const QString& hint, auto apply) {
        QAction* action = addAction(name, text, hint);
        action->setCheckable(true);
        QFont font = action->font();
        apply(font);
        action->setFont(font);
        bar->addAction(action);
        return action;
    };
    auto* bold
        = styleButton("actBold", QStringLiteral("F"), QStringLiteral("Félkövér"), [](QFont& f) { f.setBold(true); });
    auto* italic
        = styleButton("actItalic", QStringLiteral("D"), QStringLiteral("Dőlt"), [](QFont& f) { f.setItalic(true); });
    auto* underline = styleButton(
        "actUnderline", QStringLiteral("A"), QStringLiteral("Aláhúzás"), [](QFont& f) { f.setUnderline(true); });
    bold->setShortcut(QKeySequence::Bold);
    italic->setShortcut(QKeySequence::Italic);
    underline->setShortcut(QKeySequence::Underline);
    connect(bold, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(format);
    });
    connect(italic, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        mergeFormat(format);
    });
    connect(underline, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        mergeFormat(format);
    });
    bar->addSeparator();

    auto* alignments = new QActionGroup(this);
    const struct {
        const char* name;
        QString text;
        QString hint;
        Qt::Alignment alignment;
    } aligns[] = {
        { "actAlignLeft", QStringLiteral("Bal"), QStringLiteral("Balra igazít"), Qt::AlignLeft | Qt::AlignAbsolute },
        { "actAlignCenter", QStringLiteral("Közép"), QStringLiteral("Középre"), Qt::AlignHCenter },
        { "actAlignRight", QStringLiteral("Jobb"), QStringLiteral("Jobbra igazít"),
            Qt::AlignRight | Qt::AlignAbsolute },
    };
    for (const auto& align : aligns) {
        QAction* action = addAction(align.name, align.text, align.hint);
        action->setCheckable(true);
        alignments->addAction(action);
        const Qt::Alignment alignment = align.alignment;
        connect(action, &QAction::triggered, this, [this, alignment] { text_->setAlignment(alignment); });
        bar->addAction(action);
    }
    bar->addSeparator();

    auto* bullets = addAction("actBullets", QStringLiteral("•"), QStringLiteral("Bekezdés"));
    bullets->setCheckable(true);
    connect(bullets, &QAction::triggered, this, [this](bool on) {
        QTextCursor cursor = text_->textCursor();
        if (on) {
            cursor.createList(QTextListFormat::ListDisc);
        } else if (QTextList* list = cursor.currentList()) {
            list->remove(cursor.block());
            QTextBlockFormat format = cursor.blockFormat();
            format.setIndent(0);
            cursor.setBlockFormat(format);
        }
    });
    bar->addAction(bullets);
    auto* cardSize = addAction("actCardSize", QStringLiteral("40"), QStringLiteral("Katalógus cédula méret"));
    connect(cardSize, &QAction::triggered, this, &CardEditor::cutToCardWidth);
    bar->addAction(cardSize);
}

void CardEditor::showFormatOfCursor()
{
    if (!fontSize_)
        return;
    updatingControls_ = true;
    const QTextCharFormat format = text_->currentCharFormat();
    const QFont font = format.font();
    findChild<QAction*>(QStringLiteral("actBold"))->setChecked(font.bold());
    findChild<QAction*>(QStringLiteral("actItalic"))->setChecked(font.italic());
    findChild<QAction*>(QStringLiteral("actUnderline"))->setChecked(font.underline());
    const double size
        = format.fontPointSize() > 0 ? format.fontPointSize() : text_->document()->defaultFont().pointSizeF();
    fontSize_->setValue(qRound(size));
    const Qt::Alignment alignment = text_->alignment();
    const char* aligned = (alignment & Qt::AlignHCenter) ? "actAlignCenter"
        : (alignment & Qt::AlignRight)                   ? "actAlignRight"
                                                         : "actAlignLeft";
    findChild<QAction*>(QLatin1String(aligned))->setChecked(true);
    const QTextCursor cursor = text_->textCursor();
    findChild<QAction*>(QStringLiteral("actBullets"))->setChecked(cursor.currentList() != nullptr);
    indent_->setValue(cardtext::indentPosition(cursor.blockFormat().textIndent()));
    updatingControls_ = false;
}

void CardEditor::mergeFormat(const QTextCharFormat& format)
{
    // The selection when there is one, otherwise the typing position.
    text_->mergeCurrentCharFormat(format);
    text_->setFocus();
}

void CardEditor::addLine(const QString& line, bool bold)
{
    QTextCursor cursor(text_->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    if (linesAdded_ > 0 || !text_->document()->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), format);
    else
        cursor.setBlockCharFormat(format);
    cursor.insertText(line, format);
    ++linesAdded_;
    text_->moveCursor(QTextCursor::Start);
}

void CardEditor::addLines(const QStringList& lines)
{
    for (const QString& line : lines)
        addLine(line);
}

QString CardEditor::plainText() const
{
    return text_->toPlainText();
}

bool CardEditor::isModified() const
{
    return text_->document()->isModified();
}

void CardEditor::setFileName(const QString& path)
{
    fileName_ = path;
    setWindowTitle(cardtext::caption(path));
}

bool CardEditor::mayDiscard()
{
    if (!isModified())
        return true;
    const auto answer = context_.dialogs.question(cardtext::changedQuestion(fileName_), cardtext::kEditorCaption,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return save();
    return answer == QMessageBox::No;
}

void CardEditor::newDocument()
{
    if (!mayDiscard())
        return;
    text_->clear();
    linesAdded_ = 0;
    setFileName({});
    text_->document()->setModified(false);
}

void CardEditor::openFile()
{
    if (!mayDiscard())
        return;
    const QString folder = fileName_.isEmpty() ? context_.folders.work : QFileInfo(fileName_).absolutePath();
    const QString path = context_.dialogs.openFileName(QStringLiteral("Megnyitás"), folder, kFileFilter);
    if (path.isEmpty())
        return;
    load(path);
}

bool CardEditor::load(const QString& path)
{
    QTextDocument loaded;
    loaded.setDefaultFont(text_->document()->defaultFont());
    if (isTextFile(path)) {
        bool ok = false;
        const QStringList lines = platform::readTextFile(path, &ok);
        if (!ok) {
            context_.dialogs.error(QStringLiteral("A fájl nem olvasható: %1").arg(QDir::toNativeSeparators(path)));
            return false;
        }
        loaded.setPlainText(lines.join(QLatin1Char('\n')));
    } else {
        QString error;
        if (!platform::rtf::load(loaded, path, &error)) {
            context_.dialogs.error(error);
            return false;
        }
    }
    text_->setDocument(loaded.clone(text_));
    linesAdded_ = 0;
    setFileName(path);
    text_->document()->setModified(false);
    showFormatOfCursor();
    return true;
}

bool CardEditor::save()
{
    if (!isModified())
        return true;
    if (fileName_.isEmpty())
        return saveAs();
    return saveTo(fileName_);
}

bool CardEditor::saveAs()
{
    const QString folder = fileName_.isEmpty() ? context_.folders.work : QFileInfo(fileName_).absolutePath();
    QString path = context_.dialogs.saveFileName(QStringLiteral("Mentés másként"), folder, kFileFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".rtf");
    return saveTo(path);
}

bool CardEditor::saveTo(const QString& path)
{
    QString error;
    bool ok = false;
    if (isTextFile(path))
        ok = platform::writeTextFile(path, text_->toPlainText().split(QLatin1Char('\n')), &error);
    else
        ok = platform::rtf::save(*text_->document(), path, &error);
    if (!ok) {
        context_.dialogs.error(error);
        return false;
    }
    setFileName(path);
    text_->document()->setModified(false);
    return true;
}

void CardEditor::setUpPrinter()
{
    if (!context_.printer().hasPrinter()) {
        context_.dialogs.information(QStringLiteral("Nincs telepített nyomtató: a nyomtatás PDF fájlba kerül."));
        return;
    }
    // The choice is kept for this editor's later print jobs; a cancelled dialog changes nothing.
    std::unique_ptr<QPrinter> chosen;
    if (!printer_)
        chosen = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    QPrinter* printer = printer_ ? printer_.get() : chosen.get();
    QPrintDialog dialog(printer, this);
    dialog.setWindowTitle(QStringLiteral("Nyomtató beállítás"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() == QDialog::Accepted && chosen)
        printer_ = std::move(chosen);
}

void CardEditor::print()
{
    const QString jobTitle = QFileInfo(fileName_).fileName();
    if (printer_) {
        // The printer the librarian set up for this editor.
        printer_->setDocName(jobTitle);
        text_->document()->print(printer_.get());
        return;
    }
    context_.printer().print(*text_->document(), jobTitle);
}

void CardEditor::showCharacterCount()
{
    context_.dialogs.information(cardtext::characterCountMessage(text_->toPlainText()));
}

void CardEditor::chooseFont()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, text_->currentCharFormat().font(), this, QStringLiteral("Betűtípus"));
    if (!ok)
        return;
    QTextCharFormat format;
    format.setFont(font);
    mergeFormat(format);
}

void CardEditor::cutToCardWidth()
{
    cardtext::cutLines(*text_->document(), cardtext::kCardWidth);
}

// ---------------------------------------------------------------------------------------------

namespace {

std::optional<QVariantMap> loadRecord(platform::AppContext& context, int recordId)
{
    try {
        const auto rows = context.db.rows(QStringLiteral("select * from konyv where id = ?"), { recordId });
        if (rows.isEmpty()) {
            context.dialogs.warning(QStringLiteral("A(z) %1. sorszámú rekord nem található.").arg(recordId));
            return std::nullopt;
        }
        return rows.first();
    } catch (const db::DbError& e) {
        context.dialogs.showDbError(e);
        return std::nullopt;
    }
}

CardEditor* openWithLines(platform::AppContext& context, const QStringList& lines)
{
    auto* editor = CardEditor::open(context);
    editor->addLines(lines);
    return editor;
}

} // namespace

CardEditor* openBookCard(platform::AppContext& context, const QVariantMap& row)
{
    return openWithLines(context, card::bookCard(row));
}

CardEditor* openSoundRecordingCard(platform::AppContext& context, const QVariantMap& row)
{
    return openWithLines(context, card::soundRecordingCard(row));
}

CardEditor* openBookCard(platform::AppContext& context, int recordId)
{
    const auto row = loadRecord(context, recordId);
    return row ? openBookCard(context, *row) : nullptr;
}

CardEditor* openSoundRecordingCard(platform::AppContext& context, int recordId)
{
    const auto row = loadRecord(context, recordId);
    return row ? openSoundRecordingCard(context, *row) : nullptr;
}

} // namespace zentar::catalogue
