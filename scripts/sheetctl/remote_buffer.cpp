#include "scripts/sheetctl/remote_buffer.h"

RemoteBuffer::RemoteBuffer(HWND owner, size_t size) {
    DWORD pid = 0;
    if (!GetWindowThreadProcessId(owner, &pid)) return;
    m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!m_process) return;
    m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (m_address) m_size = size;
}

RemoteBuffer::~RemoteBuffer() {
    if (m_address) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    if (m_process) CloseHandle(m_process);
}

bool RemoteBuffer::Write(size_t offset, const void* data, size_t size) {
    if (!m_address || offset > m_size || size > m_size - offset) return false;
    SIZE_T done = 0;
    return WriteProcessMemory(m_process, address() + offset, data, size, &done) && done == size;
}

bool RemoteBuffer::Read(size_t offset, void* data, size_t size) const {
    if (!m_address || offset > m_size || size > m_size - offset) return false;
    SIZE_T done = 0;
    return ReadProcessMemory(m_process, address() + offset, data, size, &done) && done == size;
}
