#include "platform/win32/WinShellLinks.h"

#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "platform/Errors.h"

namespace tesvar::win32 {

namespace {

// The system's own text for a COM failure, or the code in hex when it has none.
std::string comErrorText(HRESULT hr) {
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length && text ? std::string(text, length) : std::string();
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    if (message.empty()) {
        char code[32];
        wsprintfA(code, "OLE error %08X", static_cast<unsigned>(hr));
        message = code;
    }
    return message;
}

// Owns one interface pointer and releases it.
template <class T>
struct Released {
    void operator()(T* p) const { p->Release(); }
};
template <class T>
using ComPtr = std::unique_ptr<T, Released<T>>;

class WinShellLink : public ShellLink {
public:
    WinShellLink(ComPtr<IShellLinkA> link, ComPtr<IPersistFile> file)
        : link_(std::move(link)), file_(std::move(file)) {}

    // The path reaches IPersistFile as UTF-16, converted from the ANSI code page the program
    // holds it in.
    bool load(const std::string& path) override {
        const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
        if (length <= 0) return false;
        std::vector<wchar_t> wide(static_cast<size_t>(length));
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
        return SUCCEEDED(file_->Load(wide.data(), STGM_READ));
    }
    bool resolve(WindowHandle owner, unsigned flags) override {
        return SUCCEEDED(link_->Resolve(reinterpret_cast<HWND>(owner), flags));
    }
    bool getPath(std::string& path, unsigned flags) override {
        char buffer[MAX_PATH + 1] = {};
        WIN32_FIND_DATAA found{};
        if (FAILED(link_->GetPath(buffer, sizeof buffer, &found, flags))) return false;
        buffer[MAX_PATH] = '\0';
        path = buffer;
        return true;
    }

private:
    // Declared in this order so that IPersistFile is released first.
    ComPtr<IShellLinkA> link_;
    ComPtr<IPersistFile> file_;
};

}  // namespace

std::unique_ptr<ShellLink> WinShellLinks::create() {
    IShellLinkA* rawLink = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&rawLink));
    if (FAILED(hr) || !rawLink) throw ComError(comErrorText(hr));
    ComPtr<IShellLinkA> link(rawLink);
    IPersistFile* rawFile = nullptr;
    hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile));
    if (FAILED(hr) || !rawFile) throw ComError(comErrorText(hr));
    ComPtr<IPersistFile> file(rawFile);
    return std::make_unique<WinShellLink>(std::move(link), std::move(file));
}

}  // namespace tesvar::win32
