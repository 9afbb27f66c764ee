#pragma once
// A fresh program on the sim platform for every test. The window is created on demand,
// so a test can lay out files first; any message box the test did not expect fails it.

#include <gtest/gtest.h>

#include <memory>

#include "app/Form1.h"
#include "platform/sim/SimPlatform.h"
#include "ui/Application.h"

namespace tesvar::testing {

class ProgramTest : public ::testing::Test {
protected:
    sim::SimPlatform sim;
    ui::Application app{sim.dialogs};
    std::unique_ptr<TForm1> form;

    // What the program entry does: title, main window (FormCreate), then the first show.
    TForm1& start() {
        app.setTitle("Tesvar2.0");
        form = std::make_unique<TForm1>(sim.platform, app);
        app.dispatch([this] { form->show(); });
        return *form;
    }

    // A user's click on a menu item, through the toolkit's dispatch.
    void click(const std::string& item) {
        app.dispatch([&] { form->menuItem(item).click(); });
    }

    void TearDown() override {
        for (const auto& box : sim.dialogs.unexpected)
            ADD_FAILURE() << "unexpected message box: [" << box.caption << "] " << box.text;
    }
};

}  // namespace tesvar::testing
