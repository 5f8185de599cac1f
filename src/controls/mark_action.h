#pragma once

#include <QAction>

namespace arkivo::controls {

// A menu item with the stored names `Checked`, `Visible`, `Enabled` and
// `Caption`. Hidden marks are checkable items that are never shown; only
// their check state matters.
class MarkAction : public QAction {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    MarkAction(const QString& name, const QString& caption, QObject* parent, bool checkable = false,
               bool checked = false);
};

} // namespace arkivo::controls
