#pragma once
// A fresh program on the sim platform for every test. The window is created on demand,
// so a test can lay out files first; any message box the test did not expect fails it.

#include <gtest/gtest.h>

#include <memory>

#include "app/Form1.h"
#include "help/AboutBox.h"
#include "platform/sim/Sim.h"
#include "ui/Application.h"

namespace tesvar::testing {

class ProgramTest : public ::testing::Test {
protected:
    sim::Sim sim;
    ui::Application app{sim.dialogs};
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TAboutBox> aboutBox;

    // The start folder as shipped: the three sample sets below C:\Tesvar.
    ProgramTest() {
        sim.files.putFile("C:\\Tesvar\\样例文件夹\\winxp.txt", "我的电脑\r\nC:\\WINDOWS\r\nC:\\Program Files\r\n");
        sim.files.putFile("C:\\Tesvar\\样例文件夹\\vista.txt", "计算机\r\nC:\\Users\r\n");
        sim.files.putFile("C:\\Tesvar\\样例文件夹\\win7.txt", "计算机\r\nC:\\Users\\Public\r\n");
    }

    // The list's texts, in order.
    std::vector<std::string> entries() const {
        std::vector<std::string> texts;
        for (int i = 0; i < form->CheckListBox1.count(); ++i) texts.push_back(form->CheckListBox1.text(i));
        return texts;
    }
    // The tray mirror's captions, in order.
    std::vector<std::string> mirrorCaptions() const {
        std::vector<std::string> captions;
        ui::MenuItem& top = form->PopupMenu2.items();
        for (int i = form->state.trayFirstIndex; i < top.count(); ++i) captions.push_back(top.item(i).caption());
        return captions;
    }

    // What the program entry does: title, main window (FormCreate), about box, then the first show.
    TForm1& start() {
        app.setTitle("Tesvar2.0");
        form = std::make_unique<TForm1>(sim.platform, app);
        aboutBox = std::make_unique<TAboutBox>(sim.platform);
        form->AboutBox = aboutBox.get();
        app.dispatch([this] { form->show(); });
        return *form;
    }

    // A user's click on a menu item, through the toolkit's dispatch.
    void click(const std::string& item) {
        app.dispatch([&] { form->menuItem(item).click(); });
    }

    void TearDown() override {
        for (const auto& box : sim.dialogs.unexpected) ADD_FAILURE() << "unexpected " << box;
    }
};

}  // namespace tesvar::testing
