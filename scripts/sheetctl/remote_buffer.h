#pragma once
#include <windows.h>
#include <cstddef>

// A block of memory inside the process that owns a window. Windows copies the
// pointed-to arguments of system messages between processes, but never those of
// common-control messages such as TCM_GETITEMW: their structures and text buffers
// have to live in the receiving process.
class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    explicit operator bool() const { return m_address != nullptr; }
    // Where the block lies in the owner's address space (meaningless here).
    char* address() const { return static_cast<char*>(m_address); }
    bool Write(size_t offset, const void* data, size_t size);
    bool Read(size_t offset, void* data, size_t size) const;

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    size_t m_size = 0;
};
