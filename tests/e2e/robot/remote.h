// Memory and calls inside another process, for messages and APIs whose pointers must point there.
// List-view messages are not marshalled between processes, and menus and fonts belong to their owner.
#pragma once

#include "owners.h"

#include <windows.h>

#include <cstddef>
#include <vector>

class RemoteProcess {
public:
    bool open(DWORD pid);
    HANDLE handle() const { return process_.get(); }
    DWORD pid() const { return pid_; }

private:
    HandleOwner process_;
    DWORD pid_ = 0;
};

class RemoteMemory {
public:
    RemoteMemory(HANDLE process, size_t size, DWORD protect = PAGE_READWRITE);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool ok() const { return address_ != nullptr; }
    char* address(size_t offset = 0) const { return address_ + offset; }
    // The value of a pointer to address(offset) as seen inside the target process.
    DWORD pointer(size_t offset = 0) const;
    bool write(const void* data, size_t size, size_t offset = 0) const;
    bool read(void* data, size_t size, size_t offset = 0) const;
    // Keeps the block alive for a target thread that did not finish with it.
    void abandon() { address_ = nullptr; }

private:
    HANDLE process_;
    char* address_ = nullptr;
};

// Runs the stdcall export module!function(arguments...) on a new thread in the target process
// and hands back its return value. Fails with the last error set.
bool remote_call(const RemoteProcess& process, const char* module, const char* function,
                 const std::vector<DWORD>& arguments, DWORD& result);
// SendMessageA from a thread inside the window's own process, for messages Wine will not send
// between processes (WM_GETFONT, WM_NOTIFY); pointers in lparam must point into that process.
bool remote_send(const RemoteProcess& process, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                 DWORD& result);
