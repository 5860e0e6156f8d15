// WorkerThread: owns one Win32 thread (normal priority, default stack, running at once).
// The owner stops the thread by its own signal and waits here; the handle is closed on every path.
#pragma once

#include "handles.h"

class WorkerThread {
public:
    using Procedure = DWORD(WINAPI*)(void* parameter);

    bool Start(Procedure procedure, void* parameter) {
        if (m_thread)
            return false; // at most one thread per owner
        m_thread.Reset(::CreateThread(nullptr, 0, procedure, parameter, 0, nullptr));
        return static_cast<bool>(m_thread);
    }

    // True once the thread has ended (or none was running); the handle is then released.
    bool Wait(DWORD milliseconds) {
        if (!m_thread)
            return true;
        if (::WaitForSingleObject(m_thread.Get(), milliseconds) != WAIT_OBJECT_0)
            return false;
        m_thread.Reset();
        return true;
    }

    bool IsStarted() const { return static_cast<bool>(m_thread); }

private:
    fw::KernelHandle m_thread;
};
