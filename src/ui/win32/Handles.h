#pragma once
// Owners of Win32 handles: each frees its handle once and cannot be copied.

#include <windows.h>

#include <utility>

namespace tesvar::win32 {

template <typename H, BOOL(WINAPI* Free)(H)>
class Owned {
public:
    Owned() = default;
    explicit Owned(H h) : h_(h) {}
    ~Owned() { reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    H get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset(H h = nullptr) {
        if (h_) Free(h_);
        h_ = h;
    }
    H release() { return std::exchange(h_, nullptr); }

private:
    H h_ = nullptr;
};

inline BOOL WINAPI deleteFont(HFONT f) { return DeleteObject(f); }
inline BOOL WINAPI deleteBitmap(HBITMAP b) { return DeleteObject(b); }

using OwnedWindow = Owned<HWND, DestroyWindow>;
using OwnedMenu = Owned<HMENU, DestroyMenu>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedFont = Owned<HFONT, deleteFont>;
using OwnedBitmap = Owned<HBITMAP, deleteBitmap>;

}  // namespace tesvar::win32
