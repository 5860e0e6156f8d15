// The column only the setup program carries: its own version text.
// Kept apart so that the monitor's lock names and tips never reach the setup program.
#pragma once

#include "model_catalogue.h"

namespace catalogue::setup {

extern const char VersionText[];

} // namespace catalogue::setup
