#include "settings/form_storage.h"

#include "common/colors.h"
#include "common/font_value.h"
#include "platform/registry_store.h"
#include "platform/services.h"
#include "settings/property_binding.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <functional>

namespace arkivo::settings {

namespace {

using Kind = PropertyBinding::Kind;

platform::RegistryStore* store() {
    return platform::services().registry;
}

// "Panel1.Left" -> ("Panel1", "Left"); a name without a full stop is a property of the window.
std::pair<QString, QString> splitEntry(const QString& entry) {
    const int dot = entry.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {QString(), entry.trimmed()};
    return {entry.left(dot).trimmed(), entry.mid(dot + 1).trimmed()};
}

std::optional<int> readInt(const QString& key, const QString& name) {
    const auto text = store()->value(key, name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int n = text->trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

std::optional<QList<int>> readFour(const QString& key, const QString& name) {
    const auto text = store()->value(key, name);
    if (!text)
        return std::nullopt;
    const QStringList parts = text->split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    QList<int> out;
    for (const QString& p : parts) {
        bool ok = false;
        out << p.trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return out;
}

int screenPpi(const QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

bool onSomeScreen(const QRect& rect) {
    const auto screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return true;
    for (const QScreen* s : screens)
        if (s->geometry().intersects(rect))
            return true;
    return false;
}

// Each stored font value that converts changes that one attribute of the
// current font; the charset is kept for the file's sake only.
void loadFont(QObject* component, const PropertyBinding& b, const QString& key, const QString& stem) {
    const QFont current = b.get().value<QFont>();
    QFont font = current;
    if (auto name = store()->value(key, stem + QStringLiteral("Name")); name && !name->trimmed().isEmpty())
        font.setFamily(name->trimmed());
    if (auto size = readInt(key, stem + QStringLiteral("Size")); size && *size > 0) {
        font.setPointSize(*size);
    } else if (auto height = readInt(key, stem + QStringLiteral("Height")); height && *height != 0) {
        FontValue v;
        v.size = 0;
        v.height = *height;
        font.setPointSize(v.toQFont().pointSize());
    }
    if (auto pitch = store()->value(key, stem + QStringLiteral("Pitch"))) {
        if (*pitch == QLatin1String("fpFixed"))
            font.setFixedPitch(true);
        else if (*pitch == QLatin1String("fpVariable") || *pitch == QLatin1String("fpDefault"))
            font.setFixedPitch(false);
    }
    if (auto style = store()->value(key, stem + QStringLiteral("Style"))) {
        QFont styled = font;
        if (applyFontStyle(styled, *style))
            font = styled;
    }
    if (!(font == current))
        b.set(QVariant(font));

    bool colourSet = true;
    const auto colour = fontColour(component, &colourSet);
    if (!colour)
        return;
    if (auto n = readInt(key, stem + QStringLiteral("Color"))) {
        const bool system = (quint32(*n) & 0xFF000000u) == 0x80000000u;
        if (system && !colourSet)
            return; // the palette already follows the desktop
        const QColor stored = colors::toQColor(*n);
        if (stored.rgba() != colour->rgba())
            setFontColour(component, stored);
    }
}

void saveFont(QObject* component, const PropertyBinding& b, const QString& key, const QString& stem) {
    bool colourSet = true;
    const auto colour = fontColour(component, &colourSet);
    const qint32 colourValue = colour && colourSet ? colors::fromQColor(*colour) : colors::clWindowText;
    const FontValue v = FontValue::fromQFont(b.get().value<QFont>(), colourValue);
    platform::RegistryStore& r = *store();
    r.setValue(key, stem + QStringLiteral("Charset"), QString::number(v.charset));
    r.setValue(key, stem + QStringLiteral("Color"), QString::number(v.color));
    r.setValue(key, stem + QStringLiteral("Height"), QString::number(v.height));
    r.setValue(key, stem + QStringLiteral("Name"), v.name);
    r.setValue(key, stem + QStringLiteral("Pitch"), v.pitch);
    r.setValue(key, stem + QStringLiteral("Size"), QString::number(v.size));
    r.setValue(key, stem + QStringLiteral("Style"), v.style);
}

} // namespace

FormStorage::FormStorage(QWidget* form, const QString& key, const QString& section, bool storePlace,
                         const QStringList& properties, int version)
    : QObject(form), m_form(form), m_key(key), m_section(section), m_storePlace(storePlace), m_properties(properties),
      m_version(version) {}

QObject* FormStorage::component(const QString& name) const {
    if (!m_form)
        return nullptr;
    if (name.isEmpty() || name == m_form->objectName())
        return m_form;
    // While the form is being destroyed its children list holds null entries
    // for the children already deleted, which QObject::findChild does not skip.
    const std::function<QObject*(QObject*)> find = [&](QObject* parent) -> QObject* {
        const QObjectList children = parent->children();
        for (QObject* child : children)
            if (child && child->objectName() == name)
                return child;
        for (QObject* child : children)
            if (child)
                if (QObject* found = find(child))
                    return found;
        return nullptr;
    };
    return find(m_form);
}

void FormStorage::forEachStored(
    const std::function<void(QObject*, const PropertyBinding&, const QString&)>& visit) const {
    for (const QString& entry : m_properties) {
        const auto [componentName, property] = splitEntry(entry);
        QObject* c = component(componentName);
        const auto b = c ? bindProperty(c, property) : std::nullopt;
        if (!b)
            continue;
        visit(c, *b, (componentName.isEmpty() ? m_form->objectName() : componentName) + QLatin1Char('_') + property);
    }
}

void FormStorage::load() {
    if (!m_form || !store())
        return;
    const QString sectionKey = m_key + QLatin1Char('\\') + m_section;
    if (readInt(sectionKey, QStringLiteral("FormVersion")).value_or(0) < m_version)
        return;
    if (m_storePlace)
        loadPlace();

    forEachStored([&](QObject* c, const PropertyBinding& b, const QString& valueName) {
        if (b.kind == Kind::Font) {
            loadFont(c, b, sectionKey, valueName);
            return;
        }
        std::optional<QVariant> stored;
        if (b.kind == Kind::StringList) {
            const QString listKey = m_key + QLatin1Char('\\') + m_section + QLatin1Char('.') + valueName;
            const auto count = readInt(listKey, QStringLiteral("Count"));
            if (!count || *count < 0)
                return;
            QStringList lines;
            for (int i = 0; i < *count; ++i)
                lines << store()->readString(listKey, QStringLiteral("Item%1").arg(i));
            stored = QVariant(lines);
        } else {
            const auto text = store()->value(sectionKey, valueName);
            if (!text)
                return;
            stored = parseValueText(b, *text);
        }
        if (stored && !sameValue(b, b.get(), *stored))
            b.set(*stored);
    });

    if (m_storePlace) {
        const QString active = store()->readString(sectionKey, QStringLiteral("ActiveControl"));
        if (!active.isEmpty())
            if (auto* w = m_form->findChild<QWidget*>(active))
                if (w->focusPolicy() != Qt::NoFocus && w->isEnabled())
                    w->setFocus();
    }
}

void FormStorage::loadPlace() {
    const QString sectionKey = m_key + QLatin1Char('\\') + m_section;
    const auto norm = readFour(sectionKey, QStringLiteral("NormPos"));
    if (norm) {
        QRect rect(QPoint((*norm)[0], (*norm)[1]), QPoint((*norm)[2] - 1, (*norm)[3] - 1));
        const int storedPpi = readInt(sectionKey, QStringLiteral("PixelsPerInch")).value_or(0);
        const int ppi = screenPpi(m_form);
        if (storedPpi > 0 && storedPpi != ppi)
            rect = QRect(rect.left() * ppi / storedPpi, rect.top() * ppi / storedPpi, rect.width() * ppi / storedPpi,
                         rect.height() * ppi / storedPpi);
        if (rect.width() > 0 && rect.height() > 0 && onSomeScreen(rect)) {
            m_form->move(rect.topLeft());
            m_form->resize(rect.size());
        }
    }
    if (const auto show = readInt(sectionKey, QStringLiteral("ShowCmd"))) {
        Qt::WindowStates state = m_form->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        if (*show == 3)
            state |= Qt::WindowMaximized;
        if (state != m_form->windowState())
            m_form->setWindowState(state);
    }
}

void FormStorage::savePlace() {
    const QString sectionKey = m_key + QLatin1Char('\\') + m_section;
    platform::RegistryStore& r = *store();
    const Qt::WindowStates state = m_form->windowState();
    const int showCmd = state & Qt::WindowMinimized ? 2 : state & Qt::WindowMaximized ? 3 : 1;
    // Qt keeps the restored geometry of a maximised window apart.
    const QRect geometry = (state & (Qt::WindowMinimized | Qt::WindowMaximized)) && m_form->normalGeometry().isValid()
                               ? m_form->normalGeometry()
                               : QRect(m_form->pos(), m_form->size());
    r.setValue(sectionKey, QStringLiteral("Flags"), QStringLiteral("0"));
    r.setValue(sectionKey, QStringLiteral("ShowCmd"), QString::number(showCmd));
    r.setValue(sectionKey, QStringLiteral("PixelsPerInch"), QString::number(screenPpi(m_form)));
    r.setValue(sectionKey, QStringLiteral("MinMaxPos"), QStringLiteral("-1,-1,-1,-1"));
    r.setValue(sectionKey, QStringLiteral("NormPos"),
               QStringLiteral("%1,%2,%3,%4")
                   .arg(geometry.left())
                   .arg(geometry.top())
                   .arg(geometry.left() + geometry.width())
                   .arg(geometry.top() + geometry.height()));
}

void FormStorage::save() {
    if (!m_form || !store())
        return;
    const QString sectionKey = m_key + QLatin1Char('\\') + m_section;
    platform::RegistryStore& r = *store();
    r.setValue(sectionKey, QStringLiteral("FormVersion"), QString::number(m_version));
    if (m_storePlace) {
        savePlace();
        QWidget* focus = m_form->focusWidget();
        if (focus && focus != m_form && m_form->isAncestorOf(focus) && !focus->objectName().isEmpty())
            r.setValue(sectionKey, QStringLiteral("ActiveControl"), focus->objectName());
    }
    forEachStored([&](QObject* c, const PropertyBinding& b, const QString& valueName) {
        if (b.kind == Kind::Font) {
            saveFont(c, b, sectionKey, valueName);
        } else if (b.kind == Kind::StringList) {
            const QString listKey = m_key + QLatin1Char('\\') + m_section + QLatin1Char('.') + valueName;
            const QStringList lines = b.get().toStringList();
            r.clearKey(listKey);
            r.setValue(listKey, QStringLiteral("Count"), QString::number(lines.size()));
            for (int i = 0; i < lines.size(); ++i)
                r.setValue(listKey, QStringLiteral("Item%1").arg(i), lines[i]);
        } else {
            r.setValue(sectionKey, valueName, valueText(b, b.get()));
        }
    });
    m_needsSave = false;
}

void FormStorage::attach() {
    if (!m_form)
        return;
    m_form->installEventFilter(this);
    // A hidden child placed first among the form's children: it is deleted
    // first when the form is destroyed, while every control still exists.
    if (!m_sentinel) {
        m_sentinel = new QWidget(m_form);
        m_sentinel->setObjectName(QStringLiteral("FormStorageSentinel"));
        m_sentinel->setAttribute(Qt::WA_DontShowOnScreen);
        m_sentinel->setFocusPolicy(Qt::NoFocus);
        m_sentinel->hide();
        m_sentinel->lower();
        connect(m_sentinel, &QObject::destroyed, this, [this] {
            if (m_needsSave)
                save();
        });
    }
    load();
}

bool FormStorage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_form)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        load();
        m_needsSave = true;
        break;
    case QEvent::Close:
        if (!m_inClose) {
            // Let the window decide first; save only a close it accepts.
            m_inClose = true;
            static_cast<QObject*>(m_form.data())->event(event); // QObject::event is public
            m_inClose = false;
            if (event->isAccepted())
                save();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace arkivo::settings
