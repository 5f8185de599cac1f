#pragma once

#include <QMetaEnum>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

// How the form storage reaches one stored property of a component, and the
// text form of its value. See form_storage.h for the lookup rules.

namespace arkivo::settings {

struct PropertyBinding {
    enum class Kind { Bool, Integer, Real, String, Char, Color, Font, StringList, Enum, Flags, Date, Time, DateTime };

    Kind kind = Kind::String;
    QMetaEnum metaEnum; // Enum and Flags
    std::function<QVariant()> get;
    std::function<void(const QVariant&)> set;
};

// Nothing when the component has no such property or its type has no text form.
std::optional<PropertyBinding> bindProperty(QObject* component, const QString& property);

QString valueText(const PropertyBinding& binding, const QVariant& value);
// Nothing when the text does not convert to the property's type.
std::optional<QVariant> parseValueText(const PropertyBinding& binding, const QString& text);
bool sameValue(const PropertyBinding& binding, const QVariant& a, const QVariant& b);

// The font colour of a component (see form_storage.h): nothing for an object
// that has neither a FontColor property nor a palette; `explicitColour` tells
// whether the program has set it.
std::optional<QColor> fontColour(QObject* component, bool* explicitColour = nullptr);
void setFontColour(QObject* component, const QColor& colour);

} // namespace arkivo::settings
