#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

namespace arkivo::settings {

// Window storage: keeps a window's place and a list of its controls'
// properties in the registry store, under <key>\<section>.
//
// Each entry of `properties` is "Component.Property": the component is found
// by objectName among the window's children (or is the window itself), the
// property is the Qt property of that name (`Checked`, `Left`, `Caption`,
// `Font`, `Color`, `Lines` ...). The stored value is named
// "Component_Property". Text forms:
//   bool "True"/"False"; int and colours decimal ($00BBGGRR for QColor);
//   QString trimmed; enums by key name; QFont as the seven ...FontXxx values;
//   QStringList in the subkey "<section>.Component_Property" with Count and ItemN.
//
// Loading assigns only values that differ from the current one, so a changed
// value runs the control's change handling and an equal one runs nothing. A
// stored text that does not convert is ignored.
class FormStorage : public QObject {
    Q_OBJECT
public:
    FormStorage(QWidget* form, const QString& key, const QString& section, bool storePlace,
                const QStringList& properties, int version = 0);

    QString key() const { return m_key; }
    QString section() const { return m_section; }
    QStringList properties() const { return m_properties; }

    void load();
    void save();

    // Installs the load/save moments on the window: load now (creation) and at
    // each show; save when it closes and when it is destroyed if shown since the
    // last save.
    void attach();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    QObject* component(const QString& name) const;

    QPointer<QWidget> m_form;
    QString m_key;
    QString m_section;
    bool m_storePlace;
    QStringList m_properties;
    int m_version;
    bool m_shownSinceSave = false;
};

} // namespace arkivo::settings
