#include "common/rich_text.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <vector>

namespace arkivo::rtf {

namespace {

// Code page 1252 in the range 0x80..0x9F; the rest of the page is Latin-1.
constexpr char16_t kCp1252High[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                      0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QChar cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kCp1252High[byte - 0x80]);
    return QChar(byte);
}

// The cp1252 byte of a character, or -1 when the page has none.
int unicodeToCp1252(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == ch && ch != 0xFFFD)
            return 0x80 + i;
    return -1;
}

// ---------------------------------------------------------------- writing

QString fontFamilyOf(const QTextCharFormat& format, const QFont& fallback) {
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return fallback.family();
}

// Half-points, as \fsN wants them; a pixel size counts at 96 ppi.
int halfPointsOf(const QTextCharFormat& format, const QFont& fallback) {
    double points = format.fontPointSize();
    if (points <= 0 && format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96.0;
    if (points <= 0)
        points = fallback.pointSizeF() > 0 ? fallback.pointSizeF() : fallback.pixelSize() * 72.0 / 96.0;
    if (points <= 0)
        points = 10;
    return int(std::lround(points * 2));
}

class Writer {
public:
    explicit Writer(const QFont& defaultFont) : m_defaultFont(defaultFont) { fontIndex(defaultFont.family()); }

    int fontIndex(const QString& family) {
        int i = int(m_fonts.indexOf(family));
        if (i < 0) {
            m_fonts << family;
            i = int(m_fonts.size()) - 1;
        }
        return i;
    }
    // 0 is the automatic colour; table entries start at 1.
    int colorIndex(const QColor& color) {
        const QRgb rgb = color.rgb() & 0xFFFFFF;
        int i = int(m_colors.indexOf(rgb));
        if (i < 0) {
            m_colors << rgb;
            i = int(m_colors.size()) - 1;
        }
        return i + 1;
    }

    void text(const QString& s) {
        for (int i = 0; i < s.size(); ++i) {
            const char16_t ch = s.at(i).unicode();
            switch (ch) {
            case u'\\':
                m_body += "\\\\";
                break;
            case u'{':
                m_body += "\\{";
                break;
            case u'}':
                m_body += "\\}";
                break;
            case u'\t':
                m_body += "\\tab ";
                break;
            case 0x2028:
            case u'\n':
                m_body += "\\line ";
                break;
            case 0x00A0:
                m_body += "\\~";
                break;
            case 0xFFFC:
                break; // an embedded object has no text
            default:
                if (ch >= 0x20 && ch < 0x80) {
                    m_body += char(ch);
                } else if (ch < 0x20) {
                    // other control characters have no place in the text
                } else {
                    // \uN with a cp1252 byte (or '?') for readers without Unicode
                    m_body += "\\u" + QByteArray::number(qint16(ch));
                    const int b = unicodeToCp1252(ch);
                    if (b >= 0)
                        m_body += "\\'" + QByteArray::number(b, 16).rightJustified(2, '0');
                    else
                        m_body += '?';
                }
            }
        }
    }

    void run(const QTextCharFormat& f, const QString& s) {
        m_body += "{\\f" + QByteArray::number(fontIndex(fontFamilyOf(f, m_defaultFont)));
        m_body += "\\fs" + QByteArray::number(halfPointsOf(f, m_defaultFont));
        if (f.fontWeight() >= QFont::DemiBold)
            m_body += "\\b";
        if (f.fontItalic())
            m_body += "\\i";
        if (f.fontUnderline() || f.underlineStyle() != QTextCharFormat::NoUnderline)
            m_body += "\\ul";
        if (f.fontStrikeOut())
            m_body += "\\strike";
        if (f.foreground().style() != Qt::NoBrush)
            m_body += "\\cf" + QByteArray::number(colorIndex(f.foreground().color()));
        if (f.background().style() != Qt::NoBrush)
            m_body += "\\highlight" + QByteArray::number(colorIndex(f.background().color()));
        m_body += ' ';
        text(s);
        m_body += '}';
    }

    void paragraphStart(Qt::Alignment a) {
        m_body += "\\pard";
        if (a & Qt::AlignHCenter)
            m_body += "\\qc";
        else if (a & Qt::AlignRight)
            m_body += "\\qr";
        else if (a & Qt::AlignJustify)
            m_body += "\\qj";
        else
            m_body += "\\ql";
        m_body += ' ';
    }
    void paragraphEnd() { m_body += "\\par\r\n"; }

    QByteArray finish() const {
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i) {
            QByteArray name;
            Writer w(m_defaultFont);
            w.text(m_fonts.at(i));
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + w.m_body + ";}";
        }
        out += "}\r\n{\\colortbl ;";
        for (QRgb c : m_colors)
            out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue" +
                   QByteArray::number(qBlue(c)) + ';';
        out += "}\r\n";
        out += m_body;
        out += "}\r\n";
        return out;
    }

private:
    QFont m_defaultFont;
    QStringList m_fonts;
    QList<QRgb> m_colors;
    QByteArray m_body;
};

// ---------------------------------------------------------------- reading

enum class Destination { Text, FontTable, ColorTable, Skip };

struct GroupState {
    Destination destination = Destination::Text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int font = -1;
    int halfPoints = 24;
    int color = 0;
    int highlight = 0;
    int unicodeSkip = 1;
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct FontEntry {
    QString name;
    int charset = 0;
};

class Reader {
public:
    Reader(const QByteArray& data, QTextDocument* document) : m_data(data), m_cursor(document) {}

    void run() {
        std::vector<GroupState> stack;
        GroupState state;
        while (m_pos < m_data.size()) {
            const char c = m_data.at(m_pos++);
            if (c == '{') {
                flushBytes(state);
                stack.push_back(state);
                continue;
            }
            if (c == '}') {
                flushBytes(state);
                m_pendingSkip = 0;
                if (stack.empty())
                    break; // the document's own group has ended
                state = stack.back();
                stack.pop_back();
                continue;
            }
            if (c == '\\') {
                controlWord(state);
                continue;
            }
            if (c == '\r' || c == '\n')
                continue;
            if (m_pendingSkip > 0) {
                --m_pendingSkip;
                continue;
            }
            m_bytes += c;
        }
        flushBytes(state);
    }

private:
    void controlWord(GroupState& state) {
        if (m_pos >= m_data.size())
            return;
        const char c = m_data.at(m_pos);
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_pos;
            controlSymbol(c, state);
            return;
        }
        QByteArray word;
        while (m_pos < m_data.size() && std::isalpha(static_cast<unsigned char>(m_data.at(m_pos))) && word.size() < 32)
            word += m_data.at(m_pos++);
        bool hasParam = false;
        int param = 0;
        QByteArray digits;
        if (m_pos < m_data.size() &&
            (m_data.at(m_pos) == '-' || std::isdigit(static_cast<unsigned char>(m_data.at(m_pos))))) {
            digits += m_data.at(m_pos++);
            while (m_pos < m_data.size() && std::isdigit(static_cast<unsigned char>(m_data.at(m_pos))))
                digits += m_data.at(m_pos++);
            bool ok = false;
            param = digits.toInt(&ok);
            hasParam = ok;
        }
        if (m_pos < m_data.size() && m_data.at(m_pos) == ' ')
            ++m_pos;
        handleWord(word, hasParam, param, state);
    }

    void controlSymbol(char c, GroupState& state) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            addByte(c, state);
            break;
        case '\'': {
            if (m_pos + 2 <= m_data.size()) {
                bool ok = false;
                const int b = m_data.mid(m_pos, 2).toInt(&ok, 16);
                m_pos += 2;
                if (ok)
                    addByte(char(b), state);
            } else {
                m_pos = m_data.size();
            }
            break;
        }
        case '~':
            addChar(QChar(0x00A0), state);
            break;
        case '_':
            addChar(QChar(0x2011), state);
            break;
        case '-':
            break; // optional hyphen
        case '*':
            // {\* ...}: an optional destination this reader does not know
            state.destination = Destination::Skip;
            break;
        case '\n':
        case '\r':
            paragraph(state);
            break;
        case '\t':
            addChar(QChar(u'\t'), state);
            break;
        default:
            break;
        }
    }

    void handleWord(const QByteArray& w, bool hasParam, int param, GroupState& state) {
        static const std::map<QByteArray, char16_t> symbols = {
            {"tab", u'\t'},      {"emdash", 0x2014},    {"endash", 0x2013},    {"bullet", 0x2022}, {"lquote", 0x2018},
            {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"line", 0x2028},   {"emspace", 0x2003},
            {"enspace", 0x2002}, {"qmspace", 0x2005},   {"cell", u'\t'}};
        static const QList<QByteArray> skipped = {"stylesheet",
                                                  "info",
                                                  "pict",
                                                  "header",
                                                  "footer",
                                                  "headerl",
                                                  "headerr",
                                                  "headerf",
                                                  "footerl",
                                                  "footerr",
                                                  "footerf",
                                                  "object",
                                                  "field",
                                                  "fldinst",
                                                  "themedata",
                                                  "colorschememapping",
                                                  "latentstyles",
                                                  "datastore",
                                                  "xmlnstbl",
                                                  "listtable",
                                                  "listoverridetable",
                                                  "rsidtbl",
                                                  "generator",
                                                  "footnote",
                                                  "filetbl",
                                                  "revtbl",
                                                  "pgdsctbl",
                                                  "nonshppict",
                                                  "shp",
                                                  "mmathPr"};
        const bool on = !hasParam || param != 0;
        flushBytes(state);

        if (w == "fonttbl") {
            flushBytes(state);
            state.destination = Destination::FontTable;
            return;
        }
        if (w == "colortbl") {
            flushBytes(state);
            state.destination = Destination::ColorTable;
            return;
        }
        if (skipped.contains(w)) {
            flushBytes(state);
            state.destination = Destination::Skip;
            return;
        }
        if (w == "bin" && hasParam && param > 0) {
            m_pos = std::min<qsizetype>(m_data.size(), m_pos + param);
            return;
        }
        if (w == "fldrslt") {
            // the shown result of a field is ordinary text
            state.destination = Destination::Text;
            return;
        }

        if (state.destination == Destination::FontTable) {
            if (w == "f" && hasParam) {
                flushBytes(state);
                m_tableFont = param;
                m_fonts[param];
            } else if (w == "fcharset" && hasParam) {
                m_fonts[m_tableFont].charset = param;
            }
            return;
        }
        if (state.destination == Destination::ColorTable) {
            if (w == "red")
                m_red = param;
            else if (w == "green")
                m_green = param;
            else if (w == "blue")
                m_blue = param;
            return;
        }
        if (state.destination == Destination::Skip)
            return;

        auto sym = symbols.find(w);
        if (sym != symbols.end()) {
            addChar(QChar(sym->second), state);
            return;
        }
        if (w == "par" || w == "sect" || w == "page" || w == "row") {
            paragraph(state);
        } else if (w == "u" && hasParam && param >= -32768 && param <= 65535) {
            flushBytes(state);
            addChar(QChar(char16_t(param < 0 ? param + 65536 : param)), state);
            m_pendingSkip = state.unicodeSkip;
        } else if (w == "uc" && hasParam) {
            state.unicodeSkip = std::max(0, param);
        } else if (w == "ansicpg" && hasParam) {
            m_codePage = param;
        } else if (w == "deff" && hasParam) {
            m_defaultFontIndex = param;
        } else {
            flushBytes(state);
            if (w == "plain") {
                const GroupState keep = state;
                state = GroupState();
                state.destination = keep.destination;
                state.unicodeSkip = keep.unicodeSkip;
                state.alignment = keep.alignment;
            } else if (w == "pard") {
                state.alignment = Qt::AlignLeft;
            } else if (w == "b") {
                state.bold = on;
            } else if (w == "i") {
                state.italic = on;
            } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw") {
                state.underline = on;
            } else if (w == "ulnone") {
                state.underline = false;
            } else if (w == "strike") {
                state.strike = on;
            } else if (w == "f" && hasParam) {
                state.font = param;
            } else if (w == "fs" && hasParam && param > 0) {
                state.halfPoints = std::min(param, 3276);
            } else if (w == "cf" && hasParam) {
                state.color = param;
            } else if ((w == "highlight" || w == "cb") && hasParam) {
                state.highlight = param;
            } else if (w == "ql") {
                state.alignment = Qt::AlignLeft;
            } else if (w == "qc") {
                state.alignment = Qt::AlignHCenter;
            } else if (w == "qr") {
                state.alignment = Qt::AlignRight;
            } else if (w == "qj") {
                state.alignment = Qt::AlignJustify;
            }
        }
    }

    void addByte(char b, GroupState& state) {
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        m_bytes += b;
        (void)state;
    }

    void addChar(QChar ch, GroupState& state) {
        flushBytes(state);
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        if (state.destination == Destination::Text)
            insert(QString(ch), state);
    }

    QString decode(const QByteArray& bytes, const GroupState& state) const {
        int codePage = m_codePage;
        const int fontIndex = state.font >= 0 ? state.font : m_defaultFontIndex;
        auto font = m_fonts.find(fontIndex);
        if (font != m_fonts.end()) {
            // a few charsets name their code page (\fcharset204 Cyrillic, 238 Central European)
            switch (font->second.charset) {
            case 238:
                codePage = 1250;
                break;
            case 204:
                codePage = 1251;
                break;
            case 161:
                codePage = 1253;
                break;
            case 162:
                codePage = 1254;
                break;
            case 186:
                codePage = 1257;
                break;
            default:
                break;
            }
        }
        if (codePage != 1252 && codePage > 0) {
            QStringDecoder decoder(QByteArray("windows-" + QByteArray::number(codePage)).constData());
            if (decoder.isValid()) {
                const QString s = decoder.decode(bytes);
                if (!decoder.hasError())
                    return s;
            }
        }
        QString s;
        s.reserve(bytes.size());
        for (char b : bytes)
            s += cp1252ToUnicode(static_cast<unsigned char>(b));
        return s;
    }

    void flushBytes(GroupState& state) {
        if (m_bytes.isEmpty())
            return;
        const QByteArray bytes = m_bytes;
        m_bytes.clear();
        const QString text = decode(bytes, state);
        switch (state.destination) {
        case Destination::Text:
            insert(text, state);
            break;
        case Destination::FontTable: {
            QString name = m_fontName + text;
            const int semicolon = int(name.indexOf(u';'));
            if (semicolon >= 0) {
                m_fonts[m_tableFont].name = name.left(semicolon).trimmed();
                m_fontName.clear();
            } else {
                m_fontName = name;
            }
            break;
        }
        case Destination::ColorTable:
            for (QChar ch : text) {
                if (ch != u';')
                    continue;
                if (m_red < 0 && m_green < 0 && m_blue < 0)
                    m_colors << QColor(); // the automatic colour
                else
                    m_colors << QColor(std::clamp(m_red, 0, 255), std::clamp(m_green, 0, 255),
                                       std::clamp(m_blue, 0, 255));
                m_red = m_green = m_blue = -1;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    QColor tableColor(int index) const {
        if (index <= 0 || index >= m_colors.size())
            return QColor();
        return m_colors.at(index);
    }

    void insert(const QString& text, const GroupState& state) {
        if (text.isEmpty())
            return;
        startPendingParagraph(state);
        if (!m_alignmentSet) {
            QTextBlockFormat block = m_cursor.blockFormat();
            block.setAlignment(state.alignment);
            m_cursor.setBlockFormat(block);
            m_alignmentSet = true;
        }
        QTextCharFormat f;
        const int fontIndex = state.font >= 0 ? state.font : m_defaultFontIndex;
        auto font = m_fonts.find(fontIndex);
        if (font != m_fonts.end() && !font->second.name.isEmpty())
            f.setFontFamilies({font->second.name});
        f.setFontPointSize(state.halfPoints / 2.0);
        f.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(state.italic);
        f.setFontUnderline(state.underline);
        f.setFontStrikeOut(state.strike);
        const QColor color = tableColor(state.color);
        if (color.isValid())
            f.setForeground(color);
        const QColor back = tableColor(state.highlight);
        if (back.isValid())
            f.setBackground(back);
        m_cursor.insertText(text, f);
    }

    // A paragraph mark ends its paragraph; the next one is opened only when
    // something follows, so a file's closing \par adds no empty line.
    void paragraph(GroupState& state) {
        if (state.destination != Destination::Text)
            return;
        flushBytes(state);
        startPendingParagraph(state);
        if (!m_alignmentSet) {
            QTextBlockFormat block = m_cursor.blockFormat();
            block.setAlignment(state.alignment);
            m_cursor.setBlockFormat(block);
        }
        m_pendingParagraph = true;
    }

    void startPendingParagraph(const GroupState& state) {
        if (!m_pendingParagraph)
            return;
        QTextBlockFormat block;
        block.setAlignment(state.alignment);
        m_cursor.insertBlock(block);
        m_pendingParagraph = false;
        m_alignmentSet = true;
    }

    const QByteArray& m_data;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    QByteArray m_bytes;
    int m_pendingSkip = 0;
    bool m_pendingParagraph = false;
    bool m_alignmentSet = false;
    int m_codePage = 1252;
    int m_defaultFontIndex = 0;
    std::map<int, FontEntry> m_fonts;
    int m_tableFont = 0;
    QString m_fontName;
    QList<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;
};

} // namespace

QByteArray write(const QTextDocument& document) {
    Writer writer(document.defaultFont());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        writer.paragraphStart(block.blockFormat().alignment());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                writer.run(fragment.charFormat(), fragment.text());
        }
        writer.paragraphEnd();
    }
    return writer.finish();
}

QByteArray fromPlainText(const QString& text, const QString& fontName, int pointSize) {
    QFont font(fontName);
    font.setPointSize(pointSize);
    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(text);
    return write(document);
}

bool looksLikeRtf(const QByteArray& data) {
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() && (data.at(i) == ' ' || data.at(i) == '\r' || data.at(i) == '\n' || data.at(i) == '\t'))
        ++i;
    return data.mid(i, 5) == "{\\rtf";
}

bool read(const QByteArray& data, QTextDocument* document) {
    if (!document || !looksLikeRtf(data))
        return false;
    document->clear();
    const qsizetype start = data.indexOf('{') + 1;
    // The reader starts inside the document's own group.
    const QByteArray body = data.mid(start);
    Reader reader(body, document);
    reader.run();
    return true;
}

} // namespace arkivo::rtf
