#include "platform/registry_text.h"

#include <QStringList>

namespace arkivo::platform::registry_text {

namespace {

QString fold(const QString& name) {
    return name.toCaseFolded();
}

QString quote(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\');
        out += c;
    }
    out += QLatin1Char('"');
    return out;
}

void writeKey(const Key& key, const QString& path, QString& out) {
    // Keys with values are written, and empty leaves so that an emptied key
    // (a string list with no lines) survives; intermediate keys are implied.
    if (!key.values.empty() || key.children.empty()) {
        out += QStringLiteral("\n[") + path + QStringLiteral("]\n");
        for (const Value& v : key.values) {
            out += v.name.isEmpty() ? QStringLiteral("@") : quote(v.name);
            out += QLatin1Char('=');
            out += v.isString ? quote(v.text) : v.text;
            out += QLatin1Char('\n');
        }
    }
    for (const auto& [folded, child] : key.children)
        writeKey(*child, path + QLatin1Char('\\') + child->name, out);
}

// A reader over the whole text; quoted strings may run over line ends, since
// a value may hold several lines.
class Parser {
public:
    Parser(const QString& text, Key& root) : m_text(text), m_root(root) {}

    bool run(QString* error) {
        skipBlankLines();
        const QString header = restOfLine().trimmed();
        if (header != kHeader && header != QLatin1String("REGEDIT4"))
            return fail(error, QStringLiteral("tiedosto ei ala otsikolla \"%1\"").arg(kHeader));
        Key* current = nullptr;
        while (true) {
            skipBlankLines();
            if (atEnd())
                return true;
            const QChar c = m_text[m_pos];
            if (c == QLatin1Char(';')) {
                restOfLine();
            } else if (c == QLatin1Char('[')) {
                const QString line = restOfLine().trimmed();
                if (!line.endsWith(QLatin1Char(']')))
                    return fail(error, QStringLiteral("avaimen nimestä puuttuu ]"));
                const QString path = line.mid(1, line.size() - 2);
                QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
                if (parts.isEmpty() || parts.first().compare(kRoot, Qt::CaseInsensitive) != 0)
                    return fail(error, QStringLiteral("avain \"%1\" ei ole HKEY_CURRENT_USER-haarassa").arg(path));
                current = &m_root;
                for (int i = 1; i < parts.size(); ++i)
                    current = &current->makeChild(parts[i]);
            } else if (c == QLatin1Char('"') || c == QLatin1Char('@')) {
                if (!current)
                    return fail(error, QStringLiteral("arvo ennen ensimmäistä avainta"));
                if (!readValue(*current, error))
                    return false;
            } else {
                return fail(error, QStringLiteral("tuntematon rivi"));
            }
        }
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }

    void skipBlankLines() {
        while (!atEnd() && m_text[m_pos].isSpace()) {
            if (m_text[m_pos] == QLatin1Char('\n'))
                ++m_line;
            ++m_pos;
        }
    }

    QString restOfLine() {
        const int end = m_text.indexOf(QLatin1Char('\n'), m_pos);
        const int stop = end < 0 ? int(m_text.size()) : end;
        QString line = m_text.mid(m_pos, stop - m_pos);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        m_pos = end < 0 ? int(m_text.size()) : end + 1;
        if (end >= 0)
            ++m_line;
        return line;
    }

    bool readQuoted(QString& out) {
        ++m_pos; // opening quote
        while (!atEnd()) {
            const QChar c = m_text[m_pos++];
            if (c == QLatin1Char('"'))
                return true;
            if (c == QLatin1Char('\\') && !atEnd()) {
                out += m_text[m_pos++];
                continue;
            }
            if (c == QLatin1Char('\n')) {
                ++m_line;
                // A value that holds several lines is written with its line ends
                // as they are; a file edited on Windows may carry \r\n.
                if (out.endsWith(QLatin1Char('\r')))
                    out.chop(1);
            }
            out += c;
        }
        return false;
    }

    bool readValue(Key& key, QString* error) {
        const int valueLine = m_line;
        QString name;
        if (m_text[m_pos] == QLatin1Char('@')) {
            ++m_pos;
        } else if (!readQuoted(name)) {
            m_line = valueLine;
            return fail(error, QStringLiteral("arvon nimen lainausmerkki jää auki"));
        }
        if (atEnd() || m_text[m_pos] != QLatin1Char('='))
            return fail(error, QStringLiteral("arvon nimen jälkeen puuttuu ="));
        ++m_pos;
        if (!atEnd() && m_text[m_pos] == QLatin1Char('"')) {
            QString text;
            if (!readQuoted(text)) {
                m_line = valueLine;
                return fail(error, QStringLiteral("arvon lainausmerkki jää auki"));
            }
            if (!restOfLine().trimmed().isEmpty())
                return fail(error, QStringLiteral("ylimääräistä tekstiä arvon jälkeen"));
            key.setString(name, text);
            return true;
        }
        // dword:, hex(..):, a deletion mark "-" ...: kept as written, with the
        // continuation lines of a long hex value.
        QString raw = restOfLine();
        while (raw.endsWith(QLatin1Char('\\')) && !atEnd())
            raw += QLatin1Char('\n') + restOfLine();
        if (raw.trimmed().isEmpty())
            return fail(error, QStringLiteral("arvo puuttuu"));
        key.setRaw(name, raw);
        return true;
    }

    bool fail(QString* error, const QString& what) {
        if (error)
            *error = QStringLiteral("rivi %1: %2").arg(m_line).arg(what);
        return false;
    }

    const QString& m_text;
    Key& m_root;
    int m_pos = 0;
    int m_line = 1;
};

} // namespace

Value* Key::value(const QString& valueName) {
    for (Value& v : values)
        if (v.name.compare(valueName, Qt::CaseInsensitive) == 0)
            return &v;
    return nullptr;
}

const Value* Key::value(const QString& valueName) const {
    return const_cast<Key*>(this)->value(valueName);
}

void Key::setString(const QString& valueName, const QString& text) {
    if (Value* v = value(valueName)) {
        v->isString = true;
        v->text = text;
    } else {
        values.push_back({valueName, true, text});
    }
}

void Key::setRaw(const QString& valueName, const QString& raw) {
    if (Value* v = value(valueName)) {
        v->isString = false;
        v->text = raw;
    } else {
        values.push_back({valueName, false, raw});
    }
}

bool Key::removeValue(const QString& valueName) {
    for (auto it = values.begin(); it != values.end(); ++it)
        if (it->name.compare(valueName, Qt::CaseInsensitive) == 0) {
            values.erase(it);
            return true;
        }
    return false;
}

Key* Key::child(const QString& childName) {
    auto it = children.find(fold(childName));
    return it == children.end() ? nullptr : it->second.get();
}

const Key* Key::child(const QString& childName) const {
    return const_cast<Key*>(this)->child(childName);
}

Key& Key::makeChild(const QString& childName) {
    auto& slot = children[fold(childName)];
    if (!slot) {
        slot = std::make_unique<Key>();
        slot->name = childName;
    }
    return *slot;
}

bool Key::removeChild(const QString& childName) {
    return children.erase(fold(childName)) > 0;
}

QString write(const Key& root) {
    QString out = kHeader + QLatin1Char('\n');
    if (!root.values.empty()) {
        Key top;
        for (const Value& v : root.values)
            top.values.push_back(v);
        writeKey(top, kRoot, out);
    }
    for (const auto& [folded, child] : root.children)
        writeKey(*child, kRoot + QLatin1Char('\\') + child->name, out);
    return out;
}

bool parse(const QString& text, Key& root, QString* error) {
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    return Parser(body, root).run(error);
}

} // namespace arkivo::platform::registry_text
