// tesvar-bench: measures Win32 programs from outside, under the same Wine (or Windows) as they run.
//
//   tesvar-bench.exe start RUNS CLASS EXE [CLASS EXE ...]
//       Starts each EXE (in its own folder) RUNS times, the programs taking turns, and times
//       from CreateProcess until a visible top-level window of that class belongs to the new
//       process; the process is then ended. One warm-up start of each comes first and is not
//       counted. Prints one line per program: {"class":…,"exe":…,"ms":[…]}.
// Exit code 0, or 1 with the reason on stderr.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Failure {
    std::string what;
};

double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct WindowSearch {
    const char* cls;
    DWORD pid;
    HWND found;
};

BOOL CALLBACK findShown(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && lstrcmpA(name, search->cls) == 0 && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// Milliseconds from CreateProcess until the program's window of class `cls` is visible.
double timeStart(const std::string& cls, const std::string& exe) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string commandLine = "\"" + exe + "\"";
    const std::string folder = folderOf(exe);
    const double start = nowMs();
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        throw Failure{"cannot start " + exe + ": error " + std::to_string(GetLastError())};
    WindowSearch search{cls.c_str(), pi.dwProcessId, nullptr};
    double shown = 0;
    for (;;) {
        EnumWindows(findShown, reinterpret_cast<LPARAM>(&search));
        shown = nowMs();
        if (search.found) break;
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) throw Failure{exe + " ended before showing a window"};
        if (shown - start > 30000) {
            TerminateProcess(pi.hProcess, 1);
            throw Failure{exe + " showed no " + cls + " window within 30 s"};
        }
        Sleep(1);
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // Let the system finish tearing the windows down before the next start.
    Sleep(150);
    return shown - start;
}

void start(const std::vector<std::string>& args) {
    if (args.size() < 3 || (args.size() - 1) % 2 != 0) throw Failure{"usage: start RUNS CLASS EXE [CLASS EXE ...]"};
    const int runs = std::atoi(args[0].c_str());
    if (runs < 1) throw Failure{"RUNS must be at least 1"};
    const size_t programs = (args.size() - 1) / 2;
    std::vector<std::vector<double>> times(programs);
    for (int run = -1; run < runs; ++run) {
        for (size_t p = 0; p < programs; ++p) {
            const double ms = timeStart(args[1 + 2 * p], args[2 + 2 * p]);
            if (run >= 0) times[p].push_back(ms);
        }
    }
    for (size_t p = 0; p < programs; ++p) {
        std::string line = "{\"class\":\"" + args[1 + 2 * p] + "\",\"ms\":[";
        for (size_t i = 0; i < times[p].size(); ++i) {
            char number[32];
            std::snprintf(number, sizeof number, "%s%.2f", i ? "," : "", times[p][i]);
            line += number;
        }
        std::printf("%s]}\n", line.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.empty()) throw Failure{"usage: tesvar-bench.exe start RUNS CLASS EXE ..."};
        const std::string mode = args[0];
        args.erase(args.begin());
        if (mode == "start")
            start(args);
        else
            throw Failure{"unknown mode " + mode};
    } catch (const Failure& failure) {
        std::fprintf(stderr, "tesvar-bench: %s\n", failure.what.c_str());
        return 1;
    }
    std::fflush(stdout);
    return 0;
}
