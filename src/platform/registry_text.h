#pragma once

#include <QString>

#include <map>
#include <memory>
#include <vector>

// The tree behind RegistryStore and its registry-export text form. Names are
// matched case-insensitively and keep the spelling they were created with.

namespace arkivo::platform::registry_text {

struct Value {
    QString name; // "" is the key's default value, written as @
    bool isString = true;
    QString text; // the string, or for other kinds the verbatim text after '='
};

struct Key {
    QString name;
    std::vector<Value> values;                        // in the order first written
    std::map<QString, std::unique_ptr<Key>> children; // by case-folded name

    Key() = default;
    Key(Key&&) = default;
    Key& operator=(Key&&) = default;

    Value* value(const QString& valueName);
    const Value* value(const QString& valueName) const;
    void setString(const QString& valueName, const QString& text);
    void setRaw(const QString& valueName, const QString& raw);
    bool removeValue(const QString& valueName);

    Key* child(const QString& childName);
    const Key* child(const QString& childName) const;
    Key& makeChild(const QString& childName);
    bool removeChild(const QString& childName);
};

inline const QString kHeader = QStringLiteral("Windows Registry Editor Version 5.00");
inline const QString kRoot = QStringLiteral("HKEY_CURRENT_USER");

// The whole tree: the header line, then one section per key in sorted order.
QString write(const Key& root);
// Reads a whole text into `root`. On failure `error` says which line ("rivi 7: ...").
bool parse(const QString& text, Key& root, QString* error);

} // namespace arkivo::platform::registry_text
