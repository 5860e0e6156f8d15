// The local spooler's ports for the manual port dialog, in the spooler's order.
#pragma once

#include <vector>

#include "setup/app/port_list.h"

namespace setup {

// False when the list cannot be read; an empty list is a list.
bool EnumerateSpoolerPorts(std::vector<SpoolerPort>& ports);

} // namespace setup
