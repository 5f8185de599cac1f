#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>

// The settings tree that stands in for HKEY_CURRENT_USER. Keys are paths
// relative to the root, separated by backslashes ("Software\Arkivo\Kello").
// Key and value names compare case-insensitively; the spelling first written
// is kept. Values are strings; other kinds read from a file are kept verbatim
// and written back unchanged.
//
// Without a file path the store lives in memory only (the test double).
// With a path it reads and writes the registry-export text format:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Arkivo\WindowState\Paneeli\Koko]
//   "Panel1_Left"="520"
//
// The Run key ("Software\Microsoft\Windows\CurrentVersion\Run") is mapped to
// the XDG autostart entry ~/.config/autostart/arkivo.desktop: writing a value
// there writes the entry (its Exec is the value text), deleting it removes the
// entry, and reading it reads the entry. A file-backed store maps the Run key
// from the start; an in-memory store keeps it in its tree until
// setAutostartDir() is called, so that tests never touch the real autostart folder.
//
// A file exported by regedit in UTF-16 (with its byte-order mark) is read too;
// the store always writes UTF-8.

namespace arkivo::platform {

class RegistryStore {
public:
    RegistryStore();                                 // in memory
    explicit RegistryStore(const QString& filePath); // file backed; call load()
    ~RegistryStore();

    struct LoadResult {
        bool ok = true;
        QString message;      // Finnish text for the one message box, when !ok
        QString setAsidePath; // where a damaged file was moved
    };
    // Reads the file. A missing file is an empty tree. A damaged file is renamed
    // aside with a time stamp and the tree starts empty.
    LoadResult load();

    // Writes the whole tree atomically (mode 0600). Returns false when the file
    // could not be written. Writes are also gathered and flushed by
    // scheduleSave() at the end of the event-loop turn.
    bool save();
    void scheduleSave();
    QString filePath() const;

    bool keyExists(const QString& key) const;
    std::optional<QString> value(const QString& key, const QString& name) const;
    void setValue(const QString& key, const QString& name, const QString& text);
    bool deleteValue(const QString& key, const QString& name);
    bool deleteKey(const QString& key); // with its subkeys
    void clearKey(const QString& key);  // removes its values and subkeys, keeps the key
    QStringList valueNames(const QString& key) const;
    QStringList subKeys(const QString& key) const;

    // The string helper pair: missing gives "".
    QString readString(const QString& key, const QString& name) const;
    void writeString(const QString& key, const QString& name, const QString& text);
    // Ini-style switches: value `name` in subkey `section` of `key`, "1"/"0"; missing reads false.
    bool readBool(const QString& key, const QString& section, const QString& name) const;
    void writeBool(const QString& key, const QString& section, const QString& name, bool on);

    // The whole tree as registry-export text, and back (used by load/save and tests).
    QString toText() const;
    bool fromText(const QString& text, QString* error = nullptr);

    // Where the autostart entry for the Run key is written; defaults to
    // $XDG_CONFIG_HOME/autostart (or ~/.config/autostart).
    void setAutostartDir(const QString& dir);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The registry file's place: $ARKIVO_HOME/Arkivo.reg, else ~/.config/arkivo/Arkivo.reg.
QString defaultRegistryPath();

} // namespace arkivo::platform
