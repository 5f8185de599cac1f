#include "controls/mark_action.h"

namespace arkivo::controls {

MarkAction::MarkAction(const QString& name, const QString& caption, QObject* parent, bool checkable, bool checked)
    : QAction(caption, parent)
{
    setObjectName(name);
    setCheckable(checkable);
    if (checkable)
        setChecked(checked);
}

} // namespace arkivo::controls
