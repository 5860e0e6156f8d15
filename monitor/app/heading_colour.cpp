// The heading colour rule.
// Exact comparison on purpose: "Ready to print." in the message box is not a heading.
#include "heading_colour.h"

namespace monitor {

uint32_t HeadingTextColour(const std::string& heading) {
    return (heading == "Ready" || heading == "Printing") ? kGoodHeadingColour : kOtherHeadingColour;
}

} // namespace monitor
