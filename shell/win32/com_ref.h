#pragma once
// Owners for COM: an apartment entered for a while, and an interface reference.
#include <windows.h>
#include <objbase.h>

namespace corvane::win32 {

// COM on the calling thread while this lives. Entering may find the thread in
// another apartment already; then COM was not started here and must not be
// ended here either, or the caller's COM would go.
class ComApartment {
public:
    // entered: what CoInitialize or CoInitializeEx answered.
    ComApartment(HRESULT entered, decltype(&CoUninitialize) uninitialize)
        : uninitialize_(uninitialize), started_(SUCCEEDED(entered)) {}
    ~ComApartment() {
        if (started_)
            uninitialize_();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    decltype(&CoUninitialize) uninitialize_;
    bool started_;
};

// Owns one interface reference.
template <typename Interface> class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (ref_)
            ref_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* operator->() const { return ref_; }
    Interface* get() const { return ref_; }
    explicit operator bool() const { return ref_ != nullptr; }
    // Where a call that hands out a reference puts it.
    void** Out() { return reinterpret_cast<void**>(&ref_); }
    Interface** Put() { return &ref_; }

private:
    Interface* ref_ = nullptr;
};

} // namespace corvane::win32
