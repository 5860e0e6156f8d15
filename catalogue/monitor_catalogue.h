// The columns only the status monitor carries: its version text, lock names and tips of the day.
// Compiled into the monitor and the host tests, never into the setup program.
#pragma once

#include "model_catalogue.h"

namespace catalogue::monitor {

constexpr int kTipCount = 11;

extern const char VersionText[];
extern const char* const MonitorMutexName[kModelCount];
extern const char* const Tips[kTipCount];

} // namespace catalogue::monitor
