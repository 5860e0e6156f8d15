// The poller thread's body and its start and stop.
// The parameter block lives in the Poller, which outlives the thread because Stop waits for it.
#include "poller_win32.h"

namespace {
constexpr DWORD kTickMilliseconds = 1000;
}

Poller::Poller() : m_wake(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

bool Poller::Start(HWND window, UINT message) {
    Stop();
    if (!m_wake)
        return false;
    ::ResetEvent(m_wake.Get());
    PollerStopFlag = 0;
    m_params = {window, message, &PollerStopFlag, m_wake.Get()};
    return m_thread.Start(PollerProc, &m_params);
}

void Poller::Stop() {
    if (!m_thread.IsStarted())
        return;
    PollerStopFlag = 1;
    ::SetEvent(m_wake.Get());
    m_thread.Wait(INFINITE);
}

DWORD WINAPI Poller::PollerProc(void* parameter) {
    auto* params = static_cast<PollerParams*>(parameter);
    while (*params->stopFlag == 0) {
        ::PostMessageA(params->window, params->message, 0, 0);
        ::WaitForSingleObject(params->wake, kTickMilliseconds);
    }
    *params->stopFlag = 0;
    return 0;
}
