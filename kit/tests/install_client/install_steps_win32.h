// The setup program's installation calls, one function per step, with the model's names from the
// catalogue: what Setup.exe will do, so that the kit's files and Uninstall.exe can be tested first.
#pragma once

#include <string>

namespace client {

// Every step in the setup program's order; answers the number of failed steps.
int Install(const std::string& kitFolder, const std::string& port);
// Single steps, for repeating one: answers 0 when it succeeded, CopyInf the Win32 error.
int AddPrinterNamed(const std::string& name, const std::string& port);
int CopyInf();

} // namespace client
