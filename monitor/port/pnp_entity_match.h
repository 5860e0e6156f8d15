// The WMI walk's matching rule: an entity whose Name contains the current device key (at first the
// "(LPTn)" tag) gives the new key, its PNPDeviceID. Later entities are tested against the new key.
#pragma once

#include <string>

namespace monitor {

void ApplyPnpEntity(std::string& lptDeviceKey, const std::string& name, const std::string& pnpDeviceId);

} // namespace monitor
