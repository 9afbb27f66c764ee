// tesvar-core-bench [RUNS]: the list operations of the program itself (handlers, list model, tray
// mirror, list-file reader and writer) on the in-memory platform, with lists of 300 and 3000
// entries. Each round clears all (the confirmation answered at once), loads the list file,
// sorts and reloads, each timed alone. Prints one JSON line per list size and operation:
//   {"entries":3000,"op":"load","medianMs":…,"minMs":…,"runs":…}

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "platform/sim/Sim.h"
#include "ui/Application.h"

namespace {

using namespace tesvar;

// Paths as users keep them, in a scrambled order so the sort has work to do.
std::string listFile(int entries) {
    std::vector<std::string> lines;
    for (int i = 0; i < entries; ++i)
        lines.push_back("D:\\资料\\项目" + std::to_string(i) + "\\文档" + (i % 3 ? "\\Drafts" : ""));
    unsigned seed = 12345;
    for (size_t i = lines.size(); i > 1; --i) {
        seed = seed * 1103515245u + 12345u;
        std::swap(lines[i - 1], lines[(seed >> 8) % i]);
    }
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

struct Figures {
    std::vector<double> clearAll, load, sort, reload;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Figures measure(int entries, int runs) {
    sim::Sim sim;
    ui::Application app(sim.dialogs);
    sim.files.putFile("C:\\Tesvar\\样例文件夹\\winxp.txt", listFile(entries));
    app.setTitle("Tesvar2.0");
    auto form = std::make_unique<TForm1>(sim.platform, app);
    app.dispatch([&] { form->show(); });
    if (form->CheckListBox1.count() != entries) {
        std::fprintf(stderr, "tesvar-core-bench: the start loaded %d entries, not %d\n", form->CheckListBox1.count(),
                     entries);
        std::exit(1);
    }
    const auto timed = [&](const char* item, std::vector<double>& into) {
        const auto start = std::chrono::steady_clock::now();
        app.dispatch([&] { form->menuItem(item).click(); });
        const auto end = std::chrono::steady_clock::now();
        into.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    };
    Figures figures;
    for (int run = 0; run < runs; ++run) {
        sim.dialogs.expectBox(mb::kIdOk);
        timed("qinkongliebiao", figures.clearAll);
        timed("mu_dakaiyangli", figures.load);
        timed("N42", figures.sort);
        timed("genxinzairu", figures.reload);
        sim.sound.played.clear();
    }
    if (form->CheckListBox1.count() != entries || !sim.dialogs.unexpected.empty()) {
        std::fprintf(stderr, "tesvar-core-bench: the rounds did not run as planned\n");
        std::exit(1);
    }
    return figures;
}

void print(int entries, const char* op, const std::vector<double>& ms) {
    std::printf("{\"entries\":%d,\"op\":\"%s\",\"medianMs\":%.4f,\"minMs\":%.4f,\"runs\":%zu}\n", entries, op,
                median(ms), *std::min_element(ms.begin(), ms.end()), ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 101;
    if (runs < 1) {
        std::fprintf(stderr, "usage: tesvar-core-bench [RUNS]\n");
        return 2;
    }
    for (int entries : {300, 3000}) {
        const Figures f = measure(entries, runs);
        print(entries, "clear-all", f.clearAll);
        print(entries, "load", f.load);
        print(entries, "sort", f.sort);
        print(entries, "reload", f.reload);
    }
    return 0;
}
