// The once-a-tick status decision: from the printer's inputs and what the last ticks left behind,
// the state to be in and what the window must do about it. A pure function; the window carries it out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace monitor {

enum class StatusSymbol { None, Error, Info };

struct StatusInputs {
    uint32_t queueStatus = 0;
    int32_t jobStatus = -1;
    std::string portKind;
    int parallelStatus = -1;
    bool usbPresent = false;
};

// What the machine keeps between ticks.
struct StatusMemory {
    int monitorState = 0; // code of the state last entered; 0 = none
    bool searching = false;
    int searchTicks = 0;
    int printingLinkTicks = 0;
    int idleLinkTicks = 0;
    int jobLinkTicks = 0;
    int autoHideTicks = 0;
    bool autoHidePending = false;
};

// Applied in this order: show, message, heading, symbol, then hide.
struct StatusActions {
    bool show = false;       // allow showing, then restore the window
    bool hide = false;       // hide the window
    bool forbidShow = false; // with hide: showing is not allowed again until the next show action
    std::optional<std::string> message;
    std::optional<std::string> heading;
    std::optional<StatusSymbol> symbol;
};

struct StatusStep {
    StatusMemory memory;
    StatusActions actions;
};

StatusStep StepStatus(const StatusInputs& inputs, const StatusMemory& previous, const std::string& displayName);

} // namespace monitor
