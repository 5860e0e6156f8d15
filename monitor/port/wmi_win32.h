// Finding the parallel port's Plug and Play device through WMI: the entity whose Name contains the
// current device key (the "(LPTn)" tag) gives its PNPDeviceID as the new key.
#pragma once

#include <string>

namespace monitor {

// False when COM or WMI could not be reached; true after a complete walk, match or not.
bool FindParallelDeviceId(std::string& lptDeviceKey);

} // namespace monitor
