// The manual port dialog's list: one text per spooler port, in the spooler's order, and which entry is
// pre-selected. Pure so that the texts and the rule are tested on the host.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace setup {

struct SpoolerPort {
    std::string name;
    std::optional<std::string> description; // the spooler may give none
};

// "name (description)"; a missing description gives "name ()".
std::string PortListText(const SpoolerPort& port);

// The index of the port named exactly "LPT1:", or nothing.
std::optional<size_t> PreselectedPort(const std::vector<SpoolerPort>& ports);

} // namespace setup
