// The one message composed from the model's name.
// Concatenated, never formatted, so that any name stays intact.
#include "status_texts.h"

namespace monitor {

std::string PauseMessage(const std::string& displayName) {
    return "\"Pause Printing\" is selected in " + displayName +
           " driver.\nGoto \"Printer and Faxes\" folder, right click and choose \"Resume Printing\"";
}

} // namespace monitor
