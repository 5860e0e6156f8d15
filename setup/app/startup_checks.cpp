// The start-up refusal order. Only 6.0 is accepted: Vista and Server 2008, nothing newer.
// The order matters: a second copy on an unsupported system names only the second copy.
#include "startup_checks.h"

namespace setup {

std::optional<std::string> StartupRefusal(const StartupFacts& facts) {
    if (facts.anotherCopyRunning)
        return std::string(kTextAlreadyRunning);
    if (facts.majorVersion != 6 || facts.minorVersion != 0)
        return std::string(kTextVistaOnly);
    if (facts.wow64)
        return std::string(kTextVista32Only);
    if (!facts.administrator)
        return std::string(kTextAdministrator);
    return std::nullopt;
}

} // namespace setup
