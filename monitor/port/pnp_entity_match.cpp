// The entity match, a case-sensitive substring search.
// An empty key is contained in every name, so the first entity wins; that is the documented behaviour.
#include "pnp_entity_match.h"

namespace monitor {

void ApplyPnpEntity(std::string& lptDeviceKey, const std::string& name, const std::string& pnpDeviceId) {
    if (name.find(lptDeviceKey) != std::string::npos)
        lptDeviceKey = pnpDeviceId;
}

} // namespace monitor
