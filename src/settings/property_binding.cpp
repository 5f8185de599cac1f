#include "settings/property_binding.h"

#include "common/colors.h"
#include "common/day_number.h"
#include "common/finnish_format.h"

#include <QColor>
#include <QFont>
#include <QMetaProperty>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include <cmath>

namespace arkivo::settings {

namespace {

using Kind = PropertyBinding::Kind;

std::optional<Kind> kindOf(QMetaType type) {
    switch (type.id()) {
    case QMetaType::Bool:
        return Kind::Bool;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return Kind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return Kind::Real;
    case QMetaType::QString:
        return Kind::String;
    case QMetaType::QChar:
    case QMetaType::Char:
        return Kind::Char;
    case QMetaType::QColor:
        return Kind::Color;
    case QMetaType::QFont:
        return Kind::Font;
    case QMetaType::QStringList:
        return Kind::StringList;
    case QMetaType::QDate:
        return Kind::Date;
    case QMetaType::QTime:
        return Kind::Time;
    case QMetaType::QDateTime:
        return Kind::DateTime;
    default:
        return std::nullopt;
    }
}

std::optional<PropertyBinding> bindQtProperty(QObject* object, const QByteArray& name) {
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfProperty(name.constData());
    PropertyBinding b;
    if (index >= 0) {
        const QMetaProperty prop = meta->property(index);
        if (!prop.isReadable() || !prop.isWritable())
            return std::nullopt;
        if (prop.isEnumType()) {
            b.metaEnum = prop.enumerator();
            b.kind = b.metaEnum.isFlag() ? Kind::Flags : Kind::Enum;
        } else if (auto kind = kindOf(prop.metaType())) {
            b.kind = *kind;
        } else {
            return std::nullopt;
        }
    } else if (object->dynamicPropertyNames().contains(name)) {
        auto kind = kindOf(object->property(name.constData()).metaType());
        if (!kind)
            return std::nullopt;
        b.kind = *kind;
    } else {
        return std::nullopt;
    }
    QPointer<QObject> guard(object);
    b.get = [guard, name] { return guard ? guard->property(name.constData()) : QVariant(); };
    b.set = [guard, name](const QVariant& v) {
        if (guard)
            guard->setProperty(name.constData(), v);
    };
    return b;
}

QColor backgroundOf(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

// The stand-ins for names a plain widget has no Qt property for.
std::optional<PropertyBinding> bindWidgetStandIn(QWidget* w, const QString& property) {
    QPointer<QWidget> g(w);
    PropertyBinding b;
    auto integer = [&](std::function<int(QWidget*)> get, std::function<void(QWidget*, int)> set) {
        b.kind = Kind::Integer;
        b.get = [g, get] { return g ? QVariant(get(g)) : QVariant(); };
        b.set = [g, set](const QVariant& v) {
            if (g)
                set(g, v.toInt());
        };
        return b;
    };
    if (property == QLatin1String("Left"))
        return integer([](QWidget* x) { return x->x(); }, [](QWidget* x, int v) { x->move(v, x->y()); });
    if (property == QLatin1String("Top"))
        return integer([](QWidget* x) { return x->y(); }, [](QWidget* x, int v) { x->move(x->x(), v); });
    if (property == QLatin1String("Width"))
        return integer([](QWidget* x) { return x->width(); }, [](QWidget* x, int v) { x->resize(v, x->height()); });
    if (property == QLatin1String("Height"))
        return integer([](QWidget* x) { return x->height(); }, [](QWidget* x, int v) { x->resize(x->width(), v); });
    if (property == QLatin1String("Visible")) {
        b.kind = Kind::Bool;
        b.get = [g] { return g ? QVariant(!g->isHidden()) : QVariant(); };
        b.set = [g](const QVariant& v) {
            if (g)
                g->setVisible(v.toBool());
        };
        return b;
    }
    if (property == QLatin1String("Caption")) {
        if (w->isWindow()) {
            b.kind = Kind::String;
            b.get = [g] { return g ? QVariant(g->windowTitle()) : QVariant(); };
            b.set = [g](const QVariant& v) {
                if (g)
                    g->setWindowTitle(v.toString());
            };
            return b;
        }
        if (auto text = bindQtProperty(w, "text"))
            return text;
        return bindQtProperty(w, "title");
    }
    if (property == QLatin1String("Text")) {
        for (const char* name : {"text", "plainText", "currentText"})
            if (auto text = bindQtProperty(w, name))
                return text;
        return std::nullopt;
    }
    if (property == QLatin1String("Lines")) {
        if (w->metaObject()->indexOfProperty("plainText") < 0)
            return std::nullopt;
        b.kind = Kind::StringList;
        b.get = [g] {
            if (!g)
                return QVariant();
            const QString text = g->property("plainText").toString();
            return QVariant(text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')));
        };
        b.set = [g](const QVariant& v) {
            if (g)
                g->setProperty("plainText", v.toStringList().join(QLatin1Char('\n')));
        };
        return b;
    }
    if (property == QLatin1String("Color")) {
        b.kind = Kind::Color;
        b.get = [g] { return g ? QVariant(backgroundOf(g)) : QVariant(); };
        b.set = [g](const QVariant& v) {
            if (!g)
                return;
            QPalette p = g->palette();
            p.setColor(QPalette::Window, v.value<QColor>());
            p.setColor(QPalette::Base, v.value<QColor>());
            g->setPalette(p);
            g->setAutoFillBackground(true);
        };
        return b;
    }
    if (property == QLatin1String("Hint"))
        return bindQtProperty(w, "toolTip");
    if (property == QLatin1String("ItemIndex") || property == QLatin1String("PageIndex"))
        return bindQtProperty(w, "currentIndex");
    if (property == QLatin1String("Position"))
        return bindQtProperty(w, "value");
    return std::nullopt;
}

QString realText(double v) {
    return fi::formatGeneral(v);
}

} // namespace

std::optional<PropertyBinding> bindProperty(QObject* component, const QString& property) {
    if (!component || property.isEmpty())
        return std::nullopt;
    if (auto b = bindQtProperty(component, property.toUtf8()))
        return b;
    if (auto* w = qobject_cast<QWidget*>(component))
        if (auto b = bindWidgetStandIn(w, property))
            return b;
    QString lower = property;
    lower[0] = lower[0].toLower();
    if (lower != property)
        return bindQtProperty(component, lower.toUtf8());
    return std::nullopt;
}

QString valueText(const PropertyBinding& b, const QVariant& v) {
    switch (b.kind) {
    case Kind::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Integer:
        return QString::number(v.toLongLong());
    case Kind::Real:
        return realText(v.toDouble());
    case Kind::String:
        return v.toString().trimmed();
    case Kind::Char:
        return v.toString().left(1);
    case Kind::Color:
        return QString::number(colors::fromQColor(v.value<QColor>()));
    case Kind::Enum: {
        const char* key = b.metaEnum.valueToKey(v.toInt());
        return key ? QString::fromLatin1(key) : QString::number(v.toInt());
    }
    case Kind::Flags: {
        QStringList members;
        const int value = v.toInt();
        // Set members are the single-bit keys, each value once (AlignRight, not also AlignTrailing).
        int seen = 0;
        for (int i = 0; i < b.metaEnum.keyCount(); ++i) {
            const int k = b.metaEnum.value(i);
            const bool singleBit = k != 0 && (k & (k - 1)) == 0;
            if (singleBit && (value & k) && !(seen & k)) {
                members << QString::fromLatin1(b.metaEnum.key(i));
                seen |= k;
            }
        }
        return QLatin1Char('[') + members.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    case Kind::Date:
        return realText(toDayNumber(v.toDate()));
    case Kind::Time:
        return realText(v.toTime().msecsSinceStartOfDay() / 86400000.0);
    case Kind::DateTime:
        return realText(toDayNumber(v.toDateTime()));
    case Kind::Font:
    case Kind::StringList:
        break; // several values; the storage writes them
    }
    return {};
}

std::optional<QVariant> parseValueText(const PropertyBinding& b, const QString& text) {
    const QString t = text.trimmed();
    switch (b.kind) {
    case Kind::Bool:
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return QVariant(false);
        return std::nullopt;
    case Kind::Integer:
    case Kind::Color: {
        bool ok = false;
        const qlonglong n = t.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        if (b.kind == Kind::Color)
            return QVariant(colors::toQColor(qint32(n)));
        return QVariant(n);
    }
    case Kind::Real: {
        const auto n = fi::parseNumber(t);
        return n ? std::optional<QVariant>(QVariant(double(*n))) : std::nullopt;
    }
    case Kind::String:
        return QVariant(t);
    case Kind::Char:
        if (text.size() != 1)
            return std::nullopt;
        return QVariant(text.at(0));
    case Kind::Enum: {
        bool ok = false;
        const int value = b.metaEnum.keyToValue(t.toLatin1().constData(), &ok);
        return ok ? std::optional<QVariant>(QVariant(value)) : std::nullopt;
    }
    case Kind::Flags: {
        if (!t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']')))
            return std::nullopt;
        int value = 0;
        for (const QString& member : t.mid(1, t.size() - 2).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            value |= b.metaEnum.keyToValue(member.trimmed().toLatin1().constData(), &ok);
            if (!ok)
                return std::nullopt;
        }
        return QVariant(value);
    }
    case Kind::Date:
    case Kind::Time:
    case Kind::DateTime: {
        const auto n = fi::parseNumber(t);
        if (!n)
            return std::nullopt;
        const QDateTime dt = fromDayNumber(double(*n));
        if (!dt.isValid())
            return std::nullopt;
        if (b.kind == Kind::Date)
            return QVariant(dt.date());
        if (b.kind == Kind::Time)
            return QVariant(dt.time());
        return QVariant(dt);
    }
    case Kind::Font:
    case Kind::StringList:
        break;
    }
    return std::nullopt;
}

bool sameValue(const PropertyBinding& b, const QVariant& a, const QVariant& c) {
    switch (b.kind) {
    case Kind::Color:
        return a.value<QColor>().rgba() == c.value<QColor>().rgba();
    case Kind::Integer:
        return a.toLongLong() == c.toLongLong();
    case Kind::Real:
        return a.toDouble() == c.toDouble();
    case Kind::Enum:
    case Kind::Flags:
        return a.toInt() == c.toInt();
    case Kind::Bool:
        return a.toBool() == c.toBool();
    case Kind::String:
        return a.toString() == c.toString();
    case Kind::StringList:
        return a.toStringList() == c.toStringList();
    case Kind::Font:
        return a.value<QFont>() == c.value<QFont>();
    default:
        return a == c;
    }
}

std::optional<QColor> fontColour(QObject* component, bool* explicitColour) {
    if (explicitColour)
        *explicitColour = true;
    const int index = component->metaObject()->indexOfProperty("FontColor");
    if (index >= 0) {
        const QVariant v = component->property("FontColor");
        if (v.metaType().id() == QMetaType::QColor)
            return v.value<QColor>();
        return colors::toQColor(qint32(v.toLongLong()));
    }
    if (auto* w = qobject_cast<QWidget*>(component)) {
        if (explicitColour)
            *explicitColour = w->palette().isBrushSet(QPalette::Active, w->foregroundRole());
        return w->palette().color(w->foregroundRole());
    }
    return std::nullopt;
}

void setFontColour(QObject* component, const QColor& colour) {
    const int index = component->metaObject()->indexOfProperty("FontColor");
    if (index >= 0) {
        const QMetaProperty prop = component->metaObject()->property(index);
        if (prop.metaType().id() == QMetaType::QColor)
            component->setProperty("FontColor", colour);
        else
            component->setProperty("FontColor", colors::fromQColor(colour));
        return;
    }
    if (auto* w = qobject_cast<QWidget*>(component)) {
        QPalette p = w->palette();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(role, colour);
        w->setPalette(p);
    }
}

} // namespace arkivo::settings
