#include "platform/Rtf.h"

#include "platform/Windows1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <vector>

namespace zentar::platform::rtf {

namespace {

// Qt lays rich text out in pixels of a 96 dpi screen; RTF measures in twips (1/1440 inch).
constexpr double kTwipsPerPixel = 15.0;

int toTwips(double px)
{
    return qRound(px * kTwipsPerPixel);
}
double toPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// ---------------------------------------------------------------------------------------------
// Writer

void appendEscaped(QByteArray& out, const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == 0x2028 || c == u'\n') {
            out += "\\line ";
        } else if (c == 0x00A0) {
            out += "\\~";
        } else if (c >= 0x20 && c < 0x80) {
            out += char(c);
        } else if (c < 0x20) {
            continue; // other control characters carry nothing printable
        } else {
            out += "\\u";
            out += QByteArray::number(qint16(c)); // RTF's \u takes a signed 16-bit number
            const QByteArray fallback = encodeWindows1250(QString(QChar(c)));
            if (fallback.size() == 1 && fallback != "?" && uchar(fallback.at(0)) >= 0x80)
                out += "\\'" + QByteArray::number(uchar(fallback.at(0)), 16);
            else
                out += '?';
        }
    }
}

QString familyOf(const QTextCharFormat& format, const QTextDocument& document)
{
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() ? document.defaultFont().family() : families.first();
}

double sizeOf(const QTextCharFormat& format, const QTextDocument& document)
{
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        return format.fontPointSize();
    const QFont font = document.defaultFont();
    return font.pointSizeF() > 0 ? font.pointSizeF() : 12;
}

} // namespace

QByteArray write(const QTextDocument& document)
{
    QStringList fonts;
    auto fontIndex = [&fonts](const QString& family) {
        int i = int(fonts.indexOf(family));
        if (i < 0) {
            fonts << family;
            i = int(fonts.size()) - 1;
        }
        return i;
    };
    fontIndex(document.defaultFont().family());

    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat bf = block.blockFormat();
        body += "\\pard\\plain";
        const Qt::Alignment align = bf.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignHCenter)
            body += "\\qc";
        else if (align & Qt::AlignRight)
            body += "\\qr";
        else if (align & Qt::AlignJustify)
            body += "\\qj";
        else
            body += "\\ql";
        QTextList* list = block.textList();
        if (list) {
            body += "\\fi-360\\li" + QByteArray::number(360 * std::max(1, list->format().indent()));
        } else {
            const double left = bf.leftMargin() + bf.indent() * document.indentWidth();
            if (bf.textIndent() != 0)
                body += "\\fi" + QByteArray::number(toTwips(bf.textIndent()));
            if (left != 0)
                body += "\\li" + QByteArray::number(toTwips(left));
        }
        if (bf.rightMargin() != 0)
            body += "\\ri" + QByteArray::number(toTwips(bf.rightMargin()));
        if (bf.topMargin() != 0)
            body += "\\sb" + QByteArray::number(toTwips(bf.topMargin()));
        if (bf.bottomMargin() != 0)
            body += "\\sa" + QByteArray::number(toTwips(bf.bottomMargin()));
        if (list) {
            body += "{\\*\\pn\\pnlvlblt\\pnf0\\pnindent360{\\pntxtb\\'b7}}";
            body += "{\\pntext\\'b7\\tab}";
        }
        // Every run is a group of its own, so no delimiting space is needed here.
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat cf = fragment.charFormat();
            body += "{\\f" + QByteArray::number(fontIndex(familyOf(cf, document)));
            body += "\\fs" + QByteArray::number(qRound(sizeOf(cf, document) * 2));
            if (cf.fontWeight() >= QFont::DemiBold)
                body += "\\b";
            if (cf.fontItalic())
                body += "\\i";
            if (cf.fontUnderline())
                body += "\\ul";
            body += ' ';
            appendEscaped(body, fragment.text());
            body += '}';
        }
        if (block.next().isValid())
            body += "\\par\n";
        else
            body += "\n";
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\n{\\fonttbl";
    for (int i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset238 ";
        appendEscaped(out, fonts.at(i));
        out += ";}";
    }
    out += "}\n{\\*\\generator Zentar;}\\viewkind4\n";
    out += body;
    out += "}\n";
    return out;
}

namespace {

// ---------------------------------------------------------------------------------------------
// Reader

QString decodeCodePage(int codePage, const QByteArray& bytes)
{
    if (codePage == 1250)
        return decodeWindows1250(bytes);
    if (codePage > 0) {
        QStringDecoder decoder(QStringLiteral("windows-%1").arg(codePage).toLatin1().constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return QString::fromLatin1(bytes);
}

int codePageOfCharset(int charset, int ansi)
{
    switch (charset) {
    case 238: return 1250;
    case 204: return 1251;
    case 0: return ansi;
    case 161: return 1253;
    case 162: return 1254;
    case 186: return 1257;
    default: return ansi;
    }
}

struct CharState {
    int font = -1;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct GroupState {
    CharState chars;
    int uc = 1; // characters to skip after \uN
    bool skip = false; // a destination whose text is left out
    enum class Dest { Text, FontTable, Font, Pn, Other } dest = Dest::Text;
};

struct ParagraphState {
    Qt::Alignment align = Qt::AlignLeft;
    int firstIndent = 0; // twips
    int leftIndent = 0;
    int rightIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool bullet = false;
};

struct Run {
    QString text;
    CharState chars;
};

class Reader {
public:
    Reader(QTextDocument& document, const QByteArray& bytes) : doc_(document), in_(bytes), cursor_(&document) {}

    bool run()
    {
        int start = 0;
        while (start < in_.size() && QChar::isSpace(uchar(in_.at(start))))
            ++start;
        if (!in_.mid(start, 5).startsWith("{\\rtf"))
            return false;
        doc_.clear();
        cursor_ = QTextCursor(&doc_);
        pos_ = start;
        stack_.push_back(GroupState());
        while (pos_ < in_.size()) {
            const char c = in_.at(pos_);
            if (c == '{') {
                ++pos_;
                flushBytes();
                GroupState g = stack_.back();
                if (g.dest == GroupState::Dest::FontTable)
                    g.dest = GroupState::Dest::Font, fontName_.clear(), fontIndex_ = -1, fontCharset_ = 0;
                stack_.push_back(g);
            } else if (c == '}') {
                ++pos_;
                endGroup();
                if (stack_.empty())
                    break;
            } else if (c == '\\') {
                controlWord();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                ++pos_;
                if (skipChars_ > 0) {
                    --skipChars_;
                    continue;
                }
                pendingBytes_ += c;
            }
        }
        flushBytes();
        if (!paragraphEmpty())
            endParagraph();
        return true;
    }

private:
    GroupState& top() { return stack_.back(); }

    void endGroup()
    {
        flushBytes();
        if (stack_.empty())
            return;
        const GroupState ended = stack_.back();
        stack_.pop_back();
        if (ended.dest == GroupState::Dest::Font && fontIndex_ >= 0) {
            QString name = fontName_.trimmed();
            if (name.endsWith(QLatin1Char(';')))
                name.chop(1);
            fonts_.insert(fontIndex_, name.trimmed());
            fontCodePages_.insert(fontIndex_, codePageOfCharset(fontCharset_, ansiCodePage_));
            fontIndex_ = -1;
        }
    }

    int codePage()
    {
        const int font = top().chars.font >= 0 ? top().chars.font : defaultFont_;
        return fontCodePages_.value(font, ansiCodePage_);
    }

    // Bytes of text gathered from "\'xx" and plain characters, decoded together so that
    // multi-byte code pages work.
    void flushBytes()
    {
        if (pendingBytes_.isEmpty())
            return;
        const QByteArray bytes = pendingBytes_;
        pendingBytes_.clear();
        text(decodeCodePage(codePage(), bytes));
    }

    void text(const QString& t)
    {
        if (t.isEmpty())
            return;
        GroupState& g = top();
        if (g.dest == GroupState::Dest::Font) {
            fontName_ += t;
            return;
        }
        if (g.skip || g.dest != GroupState::Dest::Text)
            return;
        if (!runs_.isEmpty() && sameChars(runs_.last().chars, g.chars))
            runs_.last().text += t;
        else
            runs_ << Run{t, g.chars};
    }

    static bool sameChars(const CharState& a, const CharState& b)
    {
        return a.font == b.font && a.halfPoints == b.halfPoints && a.bold == b.bold && a.italic == b.italic
            && a.underline == b.underline;
    }

    bool paragraphEmpty() const { return runs_.isEmpty(); }

    void endParagraph()
    {
        flushBytes();
        QTextBlockFormat bf;
        bf.setAlignment(para_.align);
        if (!para_.bullet) {
            bf.setTextIndent(toPixels(para_.firstIndent));
            bf.setLeftMargin(toPixels(para_.leftIndent));
        }
        bf.setRightMargin(toPixels(para_.rightIndent));
        bf.setTopMargin(toPixels(para_.spaceBefore));
        bf.setBottomMargin(toPixels(para_.spaceAfter));
        if (firstBlock_)
            cursor_.setBlockFormat(bf);
        else
            cursor_.insertBlock(bf, QTextCharFormat());
        firstBlock_ = false;
        if (para_.bullet) {
            if (list_)
                list_->add(cursor_.block());
            else {
                QTextListFormat lf;
                lf.setStyle(QTextListFormat::ListDisc);
                lf.setIndent(std::max(1, qRound(para_.leftIndent / 360.0)));
                list_ = cursor_.createList(lf);
            }
        } else {
            list_ = nullptr;
        }
        for (const Run& r : runs_) {
            QTextCharFormat cf;
            const int font = r.chars.font >= 0 ? r.chars.font : defaultFont_;
            if (fonts_.contains(font) && !fonts_.value(font).isEmpty())
                cf.setFontFamilies(QStringList{fonts_.value(font)});
            cf.setFontPointSize(r.chars.halfPoints / 2.0);
            cf.setFontWeight(r.chars.bold ? QFont::Bold : QFont::Normal);
            cf.setFontItalic(r.chars.italic);
            cf.setFontUnderline(r.chars.underline);
            cursor_.insertText(r.text, cf);
        }
        runs_.clear();
    }

    void controlWord()
    {
        ++pos_; // the backslash
        if (pos_ >= in_.size())
            return;
        const char c = in_.at(pos_);
        if (!QChar::isLetter(uchar(c))) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const int start = pos_;
        while (pos_ < in_.size() && QChar::isLetter(uchar(in_.at(pos_))))
            ++pos_;
        const QByteArray word = in_.mid(start, pos_ - start);
        bool hasParam = false;
        int param = 0;
        const int numberStart = pos_;
        if (pos_ < in_.size() && (in_.at(pos_) == '-' || QChar::isDigit(uchar(in_.at(pos_))))) {
            ++pos_;
            while (pos_ < in_.size() && QChar::isDigit(uchar(in_.at(pos_))))
                ++pos_;
            param = in_.mid(numberStart, pos_ - numberStart).toInt(&hasParam);
        }
        if (pos_ < in_.size() && in_.at(pos_) == ' ')
            ++pos_; // the delimiting space belongs to the control word
        if (word != "bin" && skipChars_ > 0) {
            // A control word stands for one character of the \uN fallback.
            --skipChars_;
            return;
        }
        handle(word, hasParam, param);
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            if (skipChars_ > 0) {
                --skipChars_;
                return;
            }
            pendingBytes_ += c;
            return;
        case '\'': {
            const QByteArray hex = in_.mid(pos_, 2);
            pos_ += int(hex.size());
            if (skipChars_ > 0) {
                --skipChars_;
                return;
            }
            bool ok = false;
            const int value = hex.toInt(&ok, 16);
            if (ok)
                pendingBytes_ += char(value);
            return;
        }
        case '*':
            top().skip = true; // an optional destination; handled below when we know it
            starred_ = true;
            return;
        case '~':
            flushBytes();
            text(QString(QChar(0x00A0)));
            return;
        case '_':
            flushBytes();
            text(QString(QChar(0x2011)));
            return;
        case '-':
            return; // optional hyphen
        case '\r':
        case '\n':
            flushBytes();
            if (top().dest == GroupState::Dest::Text && !top().skip)
                endParagraph();
            return;
        default:
            return;
        }
    }

    void handle(const QByteArray& w, bool hasParam, int p)
    {
        flushBytes();
        GroupState& g = top();
        const bool starred = starred_;
        starred_ = false;
        if (w == "u") {
            if (hasParam) {
                text(QString(QChar(char16_t(p < 0 ? p + 65536 : p))));
                skipChars_ = g.uc;
            }
            return;
        }
        if (g.dest == GroupState::Dest::Pn || (starred && w == "pn")) {
            g.dest = GroupState::Dest::Pn;
            g.skip = true;
            if (w == "pnlvlblt")
                para_.bullet = true;
            return;
        }
        if (starred) {
            // {\*\destination ...}: unknown to us, skipped whole.
            g.dest = GroupState::Dest::Other;
            g.skip = true;
            return;
        }
        static const QSet<QByteArray> skipped = {
            "colortbl", "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer",
            "footerl", "footerr", "footerf", "listtable", "listoverridetable", "pntext", "listtext",
            "object", "filetbl", "revtbl", "rsidtbl", "themedata", "colorschememapping", "latentstyles",
            "datastore", "xmlnstbl", "fldinst", "footnote", "annotation", "bkmkstart", "bkmkend",
            "generator", "shp", "nonshppict", "mmathPr", "pgdsctbl", "author", "operator", "title",
            "subject", "keywords", "comment", "doccomm", "company", "creatim", "revtim", "printim",
            "buptim", "ftnsep", "ftnsepc", "aftnsep", "aftnsepc", "template", "userprops",
        };
        if (skipped.contains(w)) {
            g.dest = GroupState::Dest::Other;
            g.skip = true;
            return;
        }
        if (w == "fonttbl") {
            g.dest = GroupState::Dest::FontTable;
            return;
        }
        if (g.dest == GroupState::Dest::Font || g.dest == GroupState::Dest::FontTable) {
            if (w == "f" && hasParam) {
                if (g.dest == GroupState::Dest::FontTable) {
                    // A font table without braces around each font.
                    g.dest = GroupState::Dest::Font;
                    fontName_.clear();
                }
                fontIndex_ = p;
                fontCharset_ = 0;
            } else if (w == "fcharset") {
                fontCharset_ = p;
            }
            return;
        }
        if (g.skip) {
            if (w == "bin")
                pos_ += std::max(0, p);
            return; // nothing of a skipped group changes the text or its paragraph
        }
        if (w == "ansicpg") {
            if (p > 0)
                ansiCodePage_ = p;
        } else if (w == "deff") {
            defaultFont_ = p;
        } else if (w == "uc") {
            g.uc = std::max(0, p);
        } else if (w == "par" || w == "sect") {
            if (g.dest == GroupState::Dest::Text && !g.skip)
                endParagraph();
        } else if (w == "line") {
            text(QString(QChar(0x2028)));
        } else if (w == "tab") {
            text(QStringLiteral("\t"));
        } else if (w == "pard") {
            para_ = ParagraphState();
        } else if (w == "plain") {
            g.chars = CharState();
        } else if (w == "b") {
            g.chars.bold = !hasParam || p != 0;
        } else if (w == "i") {
            g.chars.italic = !hasParam || p != 0;
        } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "ulth") {
            g.chars.underline = !hasParam || p != 0;
        } else if (w == "ulnone") {
            g.chars.underline = false;
        } else if (w == "f") {
            g.chars.font = p;
        } else if (w == "fs") {
            if (p > 0)
                g.chars.halfPoints = p;
        } else if (w == "ql") {
            para_.align = Qt::AlignLeft;
        } else if (w == "qc") {
            para_.align = Qt::AlignHCenter;
        } else if (w == "qr") {
            para_.align = Qt::AlignRight;
        } else if (w == "qj") {
            para_.align = Qt::AlignJustify;
        } else if (w == "fi") {
            para_.firstIndent = p;
        } else if (w == "li") {
            para_.leftIndent = p;
        } else if (w == "ri") {
            para_.rightIndent = p;
        } else if (w == "sb") {
            para_.spaceBefore = std::max(0, p);
        } else if (w == "sa") {
            para_.spaceAfter = std::max(0, p);
        } else if (w == "ls") {
            para_.bullet = true;
        } else if (w == "pn") {
            g.dest = GroupState::Dest::Pn;
            g.skip = true;
        } else if (w == "bullet") {
            text(QString(QChar(0x2022)));
        } else if (w == "emdash") {
            text(QString(QChar(0x2014)));
        } else if (w == "endash") {
            text(QString(QChar(0x2013)));
        } else if (w == "lquote") {
            text(QString(QChar(0x2018)));
        } else if (w == "rquote") {
            text(QString(QChar(0x2019)));
        } else if (w == "ldblquote") {
            text(QString(QChar(0x201C)));
        } else if (w == "rdblquote") {
            text(QString(QChar(0x201D)));
        } else if (w == "bin") {
            pos_ += std::max(0, p); // binary data (pictures) is skipped
        }
    }

    QTextDocument& doc_;
    const QByteArray& in_;
    QTextCursor cursor_;
    int pos_ = 0;
    std::vector<GroupState> stack_;
    QByteArray pendingBytes_;
    int skipChars_ = 0;
    bool starred_ = false;
    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
    QHash<int, QString> fonts_;
    QHash<int, int> fontCodePages_;
    QString fontName_;
    int fontIndex_ = -1;
    int fontCharset_ = 0;
    ParagraphState para_;
    QList<Run> runs_;
    bool firstBlock_ = true;
    QTextList* list_ = nullptr;
};

} // namespace

bool read(QTextDocument& document, const QByteArray& bytes)
{
    Reader reader(document, bytes);
    return reader.run();
}

QByteArray fromParagraphs(const QString& title, const QStringList& paragraphs, double pointSize)
{
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(pointSize);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    QTextCharFormat plain;
    plain.setFontPointSize(pointSize);
    bool first = true;
    auto block = [&](Qt::Alignment align) {
        QTextBlockFormat bf;
        bf.setAlignment(align);
        bf.setBottomMargin(6);
        if (first)
            cursor.setBlockFormat(bf);
        else
            cursor.insertBlock(bf, plain);
        first = false;
    };
    if (!title.isEmpty()) {
        block(Qt::AlignHCenter);
        QTextCharFormat bold = plain;
        bold.setFontWeight(QFont::Bold);
        bold.setFontPointSize(pointSize + 3);
        cursor.insertText(title, bold);
    }
    QTextList* list = nullptr;
    for (const QString& paragraph : paragraphs) {
        const bool bullet = paragraph.startsWith(QLatin1String("- "));
        block(Qt::AlignLeft);
        if (bullet) {
            if (list)
                list->add(cursor.block());
            else
                list = cursor.createList(QTextListFormat::ListDisc);
        } else {
            list = nullptr;
        }
        cursor.insertText(bullet ? paragraph.mid(2) : paragraph, plain);
    }
    return write(document);
}

bool save(const QTextDocument& document, const QString& path, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const QByteArray bytes = write(document);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("A fájl nem írható: %1 (%2)").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

bool load(QTextDocument& document, const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("A fájl nem olvasható: %1 (%2)").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    if (!read(document, file.readAll())) {
        if (error)
            *error = QStringLiteral("A fájl nem RTF formátumú: %1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

} // namespace zentar::platform::rtf
