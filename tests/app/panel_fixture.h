#pragma once

#include "app/control_panel.h"
#include "fakes.h"
#include "qt_application.h"

#include <gtest/gtest.h>

#include <memory>

namespace arkivo::test {

// A control panel over test doubles, with plain windows for the tools it shows.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { ensureApplication(); }
    void TearDown() override {
        panel.reset();
        for (QWidget* w : made)
            delete w;
    }

    TForm1& makePanel() {
        panel = std::make_unique<TForm1>();
        auto tool = [this](const char* name) {
            auto* w = new QWidget;
            w->setObjectName(QString::fromLatin1(name));
            made << w;
            return w;
        };
        app::ToolWindows tools;
        tools.note1 = tool("Muistilappua");
        tools.note2 = tool("Muistilappub");
        tools.alarmClock = tool("Kello");
        tools.calendar = tool("KalenteriAlarm");
        tools.tape = tool("Nauhalaskukone");
        tools.timeCheck = tool("TimeForm");
        tools.locker = tool("Lukitsin");
        tools.settings = tool("Form3");
        tools.reminder = tool("Muistuttaja");
        tools.makeEuro = [this] {
            ++eurosMade;
            return new QWidget;
        };
        panel->setTools(tools);
        return *panel;
    }

    TestServices services;
    std::unique_ptr<TForm1> panel;
    QList<QWidget*> made;
    int eurosMade = 0;
};

} // namespace arkivo::test
