#pragma once

#include "settings/app_link.h"

#include <QSet>
#include <QStringList>

namespace arkivo::test {

// The control panel as the tools see it: marks to set, indicators recorded.
// Installs itself for its lifetime.
class FakePanel final : public PanelLink {
public:
    FakePanel() { setPanelLink(this); }
    ~FakePanel() override { setPanelLink(nullptr); }

    bool markChecked(const QString& name) const override { return marks.contains(name); }
    void setMarkChecked(const QString& name, bool on) override {
        if (on)
            marks.insert(name);
        else
            marks.remove(name);
    }
    void setAlarmIndicator(int image, bool visible) override {
        indicators << QStringLiteral("Image%1:%2").arg(image).arg(visible ? 1 : 0);
    }
    void setHandleGrey() override { ++greys; }
    void setHandleNavy() override {}
    QPixmap backgroundPicture() const override { return picture; }
    QWidget* panelWindow() const override { return nullptr; }

    QSet<QString> marks;
    QStringList indicators;
    QPixmap picture;
    int greys = 0;
};

} // namespace arkivo::test
