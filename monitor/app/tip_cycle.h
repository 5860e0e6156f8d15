// The running index of the tip of the day: the window's start shows tip 0, each show from the tray the
// next one, wrapping to 0 after the last. Plain state so the cycle is tested on the host.
#pragma once

namespace monitor {

class TipCycle {
public:
    explicit TipCycle(int tipCount) : m_tipCount(tipCount) {}

    // At start-up: the current index, unchecked (it is 0 then), and advance.
    int TakeFirst() { return m_tipIndex++; }
    // On each show: wrap once the end was passed, then take and advance.
    int TakeNext() {
        if (m_tipIndex >= m_tipCount)
            m_tipIndex = 0;
        return m_tipIndex++;
    }

private:
    int m_tipCount;
    int m_tipIndex = 0; // index of the next tip to show
};

} // namespace monitor
