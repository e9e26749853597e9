#pragma once
// Owners for Win32 handles and COM pointers: each releases what it holds when it
// goes out of scope, so a routine frees what it obtained on every path out of it.
#include <windows.h>
#include <utility>

template <class Traits>
class unique_handle {
public:
    using pointer = typename Traits::type;

    unique_handle() = default;
    explicit unique_handle(pointer h) : m_h(h) {}
    unique_handle(unique_handle&& other) noexcept : m_h(other.release()) {}
    unique_handle& operator=(unique_handle&& other) noexcept { reset(other.release()); return *this; }
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    ~unique_handle() { reset(); }

    pointer get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::invalid(); }
    pointer release() { return std::exchange(m_h, Traits::invalid()); }
    void reset(pointer h = Traits::invalid()) {
        pointer old = std::exchange(m_h, h);
        if (old != Traits::invalid()) Traits::close(old);
    }
    // For out-parameters: frees what was held and hands out the slot.
    pointer* put() { reset(); return &m_h; }

private:
    pointer m_h = Traits::invalid();
};

struct RegKeyTraits {
    using type = HKEY;
    static type invalid() { return nullptr; }
    static void close(type h) { ::RegCloseKey(h); }
};
struct ModuleTraits {
    using type = HMODULE;
    static type invalid() { return nullptr; }
    static void close(type h) { ::FreeLibrary(h); }
};
struct FileTraits {
    using type = HANDLE;
    static type invalid() { return INVALID_HANDLE_VALUE; }
    static void close(type h) { ::CloseHandle(h); }
};
struct FindTraits {
    using type = HANDLE;
    static type invalid() { return INVALID_HANDLE_VALUE; }
    static void close(type h) { ::FindClose(h); }
};
struct IconTraits {
    using type = HICON;
    static type invalid() { return nullptr; }
    static void close(type h) { ::DestroyIcon(h); }
};
struct HookTraits {
    using type = HHOOK;
    static type invalid() { return nullptr; }
    static void close(type h) { ::UnhookWindowsHookEx(h); }
};

using unique_hkey = unique_handle<RegKeyTraits>;
using unique_hmodule = unique_handle<ModuleTraits>;
using unique_hfile = unique_handle<FileTraits>;
using unique_hfind = unique_handle<FindTraits>;
using unique_hicon = unique_handle<IconTraits>;
using unique_hhook = unique_handle<HookTraits>;

// A COM interface pointer that is released when it goes out of scope. Declare it
// after the owner of the library that made it, so it is released first.
template <class T>
class com_ptr {
public:
    com_ptr() = default;
    com_ptr(const com_ptr&) = delete;
    com_ptr& operator=(const com_ptr&) = delete;
    ~com_ptr() { reset(); }

    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    void reset() {
        if (T* old = std::exchange(m_p, nullptr)) old->Release();
    }
    T** put() { reset(); return &m_p; }
    void** put_void() { return reinterpret_cast<void**>(put()); }

private:
    T* m_p = nullptr;
};
