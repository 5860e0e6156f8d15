// The poller: a worker thread that posts the tick message to the main window once a second until it
// is told to stop. Stopping sets the flag, wakes the sleep and waits, so the thread is gone afterwards.
#pragma once

#include <windows.h>

#include <atomic>

#include "framework/handles.h"
#include "framework/worker_thread.h"

class Poller {
public:
    Poller();
    ~Poller() { Stop(); }
    Poller(const Poller&) = delete;
    Poller& operator=(const Poller&) = delete;

    // Starts posting message to window; an earlier poller is stopped first, so at most one runs.
    bool Start(HWND window, UINT message);
    void Stop();
    bool IsRunning() const { return m_thread.IsStarted(); }

private:
    struct PollerParams {
        HWND window;
        UINT message;
        std::atomic<LONG>* stopFlag;
        HANDLE wake;
    };
    static DWORD WINAPI PollerProc(void* parameter);

    std::atomic<LONG> PollerStopFlag{0};
    fw::KernelHandle m_wake; // manual-reset event: set to end the one-second sleep at once
    PollerParams m_params = {};
    WorkerThread m_thread;
};
