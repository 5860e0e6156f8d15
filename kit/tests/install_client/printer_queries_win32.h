// Queries of an installed printer through the spooler, which reach the stand-in configuration DLL:
// the printer's record with its default device mode, capabilities, and a device mode with choices.
#pragma once

#include <string>

namespace client {

int PrinterRecord(const std::string& name);
int Capabilities(const std::string& name);
// DocumentProperties with paper size and resolution chosen: the device mode the driver makes of them.
int ChosenDevmode(const std::string& name, short paper, short quality, short yResolution);

} // namespace client
