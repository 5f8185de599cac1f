#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace arkivo::settings {

struct PropertyBinding;

// Window storage: keeps a window's place and a list of its controls'
// properties in the registry store, under <key>\<section>.
//
// Each entry of `properties` is "Component.Property": the component is found
// by objectName among the window's children, or is the window itself when the
// name is the window's objectName. The property is, in this order of lookup:
//   1. the Qt property of that exact name (`Checked`, `Left`, `Caption`, `Lines` ...);
//   2. for a plain QWidget, one of these stand-ins, so that windows need not
//      subclass every widget:
//        Left, Top, Width, Height   the widget's position and size (pos() and size())
//        Visible                    shown unless hidden itself (!isHidden())
//        Caption                    a window's title, else the widget's `text` or `title`
//        Text                       `text`, else `plainText`, else `currentText`
//        Lines                      a text edit's lines (`plainText` split at line ends)
//        Color                      the background (palette Window and Base)
//        Hint                       the tool tip
//        ItemIndex, PageIndex       `currentIndex`
//        Position                   `value` (sliders, spin boxes, progress bars)
//   3. the Qt property of that name with a small first letter (`Enabled` ->
//      `enabled`, `Font` -> `font`, `Checked` -> `checked`, `Value` -> `value`).
// A name that none of these finds is skipped.
//
// The stored value is named "Component_Property". Text forms:
//   bool "True"/"False"; integers decimal; floating point and dates in the
//   general number form (dates as day numbers); QString trimmed; QChar the
//   character; enums by key name and flags as a set "[a,b]"; QColor as its
//   $00BBGGRR number in decimal; QStringList in the subkey
//   "<section>.Component_Property" with Count and Item0, Item1 ... (emptied
//   before writing); QFont as the seven values ...FontCharset, ...FontColor,
//   ...FontHeight, ...FontName, ...FontPitch, ...FontSize, ...FontStyle.
//
// The font colour: a component with a Qt property `FontColor` (QColor or int)
// keeps it there; any other widget keeps it as its palette's text colours
// (WindowText, Text and ButtonText). A colour the program never set is
// written as clWindowText, and a stored system colour leaves such a palette
// alone.
//
// Place values ("Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos", "NormPos",
// "ActiveControl") are kept only when `storePlace`. NormPos is "left,top,
// right,bottom" of the window (position of its frame, size of its contents);
// ShowCmd 1 is normal, 2 minimised, 3 maximised (a minimised window comes
// back restored). A stored rectangle that lies on no screen is not applied.
//
// Loading assigns only values that differ from the current one, so a changed
// value runs the control's change handling and an equal one runs nothing.
// Properties load in list order. A stored text that does not convert is ignored.
class FormStorage : public QObject {
    Q_OBJECT
public:
    // The storage is a child of `form` and lives as long as it.
    FormStorage(QWidget* form, const QString& key, const QString& section, bool storePlace,
                const QStringList& properties, int version = 0);

    QString key() const { return m_key; }
    QString section() const { return m_section; }
    QStringList properties() const { return m_properties; }

    void load();
    void save();

    // Installs the load/save moments on the window: load now (creation) and at
    // each show; save when a close is accepted, and when the window is
    // destroyed unless it was saved and not shown again since (a window that
    // was never shown is saved, which keeps its values).
    void attach();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    QObject* component(const QString& name) const;
    // Runs `visit` for each listed property that exists on its component,
    // with the binding and the stored value name ("Panel1_Left").
    void forEachStored(const std::function<void(QObject* component, const PropertyBinding& binding,
                                                const QString& valueName)>& visit) const;
    void loadPlace();
    void savePlace();

    QPointer<QWidget> m_form;
    QString m_key;
    QString m_section;
    bool m_storePlace;
    QStringList m_properties;
    int m_version;
    bool m_needsSave = true;
    bool m_inClose = false;
    QPointer<QWidget> m_sentinel; // first child of the form, so it goes first when the form is destroyed
};

} // namespace arkivo::settings
