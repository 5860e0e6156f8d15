// The state table, tried strictly in order; the first row whose condition holds decides.
// Fault rows that pop the window up act only on entry, so a user who hides it is not pestered again.
#include "status_machine.h"

#include "monitor/port/job_scan.h"
#include "monitor/port/parallel_decode.h"
#include "status_texts.h"

namespace monitor {

namespace {

constexpr uint32_t kQueuePausedOnly = 0x1;
constexpr int32_t kJobPrinting = 0x10;
constexpr int32_t kJobPrintingError = 0x12;
constexpr int32_t kJobPrintingOffline = 0x30;
constexpr int32_t kJobPrintingPaperOut = 0x50;
constexpr int kSearchPhaseTicks = 3;
constexpr int kPrintingLinkThreshold = 5;
constexpr int kIdleLinkThreshold = 8;
constexpr int kJobLinkThreshold = 5;
constexpr int kAutoHideAfterTicks = 3;

struct StateEntry {
    int code;
    const char* heading;
    const char* message; // null: the pause message, composed from the model's name
    StatusSymbol symbol;
    bool shows;
};

const StateEntry kStatePaused{1, kHeadingCommunicatonError, nullptr, StatusSymbol::Error, true};
const StateEntry kStatePrintingPaperOut{3001, kHeadingPaperOut, kTextPaper, StatusSymbol::Error, true};
const StateEntry kStatePrintingOffline{4001, kHeadingOffline, kTextOffline, StatusSymbol::Error, true};
const StateEntry kStatePrintingNoLink{1001, kHeadingCommunicationError, kTextLink, StatusSymbol::Error, true};
const StateEntry kStatePrinting{16, kHeadingPrinting, kTextPrinting, StatusSymbol::Info, false};
const StateEntry kStateJobError{18, kHeadingCommunicatonError, kTextLinkOneLine, StatusSymbol::Error, true};
const StateEntry kStateIdlePaperOut{3000, kHeadingPaperOut, kTextPaper, StatusSymbol::Error, false};
const StateEntry kStateIdleOffline{4000, kHeadingOffline, kTextOffline, StatusSymbol::Error, false};
const StateEntry kStateIdleNoLink{1000, kHeadingCommunicatonError, kTextLink, StatusSymbol::Error, false};
const StateEntry kStatePaperOutJob{3011, kHeadingPaperOut, kTextPaper, StatusSymbol::Error, true};
const StateEntry kStateJobPaperOut{3010, kHeadingPaperOut, kTextPaper, StatusSymbol::Error, false};
const StateEntry kStateOfflineJob{4011, kHeadingOffline, kTextOffline, StatusSymbol::Error, true};
const StateEntry kStateJobOffline{4010, kHeadingOffline, kTextOffline, StatusSymbol::Error, false};
const StateEntry kStateJobNoLink{1010, kHeadingCommunicatonError, kTextLink, StatusSymbol::Error, false};
const StateEntry kStateUsbAbsent{20, kHeadingCommunicationError, kTextUsb, StatusSymbol::Error, false};
const StateEntry kStateParallelReady{2000, kHeadingReady, kTextReadyHiding, StatusSymbol::Info, false};
const StateEntry kStateReady{-1, kHeadingReady, kTextReady, StatusSymbol::Info, false};

class Tick {
public:
    Tick(const StatusMemory& previous, const std::string& displayName)
        : m_memory(previous), m_displayName(displayName) {}

    // Entry: only when the state differs; true when it was entered.
    bool Enter(const StateEntry& state) {
        if (m_memory.monitorState == state.code)
            return false;
        m_actions.show = state.shows;
        m_actions.message = state.message ? std::string(state.message) : PauseMessage(m_displayName);
        m_actions.heading = std::string(state.heading);
        m_actions.symbol = state.symbol;
        m_memory.monitorState = state.code;
        return true;
    }

    // Rows 3, 8 and 13: entry only once the fault has been seen on enough matching ticks.
    void EnterAfter(const StateEntry& state, int& counter, int threshold) {
        counter += 1;
        if (counter == threshold && m_memory.monitorState != state.code) {
            Enter(state);
            counter = 0;
        }
        if (counter > threshold)
            counter = 0;
    }

    void ResetLinkCounters() {
        m_memory.printingLinkTicks = 0;
        m_memory.idleLinkTicks = 0;
        m_memory.jobLinkTicks = 0;
    }

    void ArmAutoHide() {
        m_memory.autoHideTicks = 0;
        m_memory.autoHidePending = true;
    }

    // Ready and Printing hide the window once, on the fourth tick counted from entry.
    void CountTowardsAutoHide(bool forbidShow) {
        m_memory.autoHideTicks += 1;
        if (m_memory.autoHidePending && m_memory.autoHideTicks > kAutoHideAfterTicks) {
            m_memory.autoHidePending = false;
            m_memory.autoHideTicks = 0;
            m_actions.hide = true;
            m_actions.forbidShow = forbidShow;
        }
    }

    void Searching() {
        m_memory.searchTicks += 1;
        m_actions.message = std::string(kTextSearch);
        m_actions.heading = std::string(kHeadingSearching);
        m_actions.symbol = StatusSymbol::None;
        if (m_memory.searchTicks >= kSearchPhaseTicks) {
            m_memory.searching = false;
            m_memory.searchTicks = 0;
            m_memory.monitorState = 0;
        }
    }

    void RunTable(const StatusInputs& in);

    StatusStep Result() const { return {m_memory, m_actions}; }

private:
    StatusMemory m_memory;
    StatusActions m_actions;
    const std::string& m_displayName;
};

void Tick::RunTable(const StatusInputs& in) {
    const int32_t job = in.jobStatus;
    const int port = in.parallelStatus;
    const bool lpt = in.portKind == "LPT";
    const bool usb = in.portKind == "USB";
    const bool noJob = job == kNoJob;

    if (job == kJobPrinting && lpt && port == kParallelPaperOut) {
        Enter(kStatePrintingPaperOut);
    } else if (job == kJobPrinting && lpt && port == kParallelOffLine) {
        Enter(kStatePrintingOffline);
    } else if (job == kJobPrinting && lpt && port == kParallelNoLink) {
        EnterAfter(kStatePrintingNoLink, m_memory.printingLinkTicks, kPrintingLinkThreshold);
    } else if (job == kJobPrinting) {
        if (Enter(kStatePrinting))
            ArmAutoHide();
        CountTowardsAutoHide(true);
    } else if (job == kJobPrintingError) {
        Enter(kStateJobError);
    } else if (noJob && lpt && port == kParallelPaperOut) {
        Enter(kStateIdlePaperOut);
    } else if (noJob && lpt && port == kParallelOffLine) {
        Enter(kStateIdleOffline);
    } else if (noJob && lpt && (port == kParallelNoLink || port == kParallelUndetermined)) {
        EnterAfter(kStateIdleNoLink, m_memory.idleLinkTicks, kIdleLinkThreshold);
    } else if (job == kJobPrintingPaperOut && lpt && port == kParallelPaperOut) {
        Enter(kStatePaperOutJob);
    } else if (!noJob && lpt && port == kParallelPaperOut) {
        Enter(kStateJobPaperOut);
    } else if (job == kJobPrintingOffline && lpt && port == kParallelOffLine) {
        Enter(kStateOfflineJob);
    } else if (!noJob && lpt && port == kParallelOffLine) {
        Enter(kStateJobOffline);
    } else if (!noJob && lpt && port == kParallelNoLink) {
        EnterAfter(kStateJobNoLink, m_memory.jobLinkTicks, kJobLinkThreshold);
    } else if (!in.usbPresent && usb) {
        if (Enter(kStateUsbAbsent))
            ResetLinkCounters();
    } else if (lpt && port == kParallelReady) {
        if (Enter(kStateParallelReady)) {
            ResetLinkCounters();
            ArmAutoHide();
        }
        CountTowardsAutoHide(false);
    } else if (noJob) {
        if (Enter(kStateReady))
            ResetLinkCounters();
    }
}

} // namespace

StatusStep StepStatus(const StatusInputs& inputs, const StatusMemory& previous, const std::string& displayName) {
    Tick tick(previous, displayName);
    if (previous.searching)
        tick.Searching();
    else if (inputs.queueStatus == kQueuePausedOnly)
        tick.Enter(kStatePaused);
    else
        tick.RunTable(inputs);
    return tick.Result();
}

} // namespace monitor
