// The stand-in driver's device mode: its defaults, with the choices of a caller's device mode merged in
// where this printer supports them. Shared by the document properties and the device mode conversion.
#pragma once

#include <windows.h>

namespace standin {

// Writes a complete public device mode (kDevmodeSize bytes) for the named printer; `choices` may be null.
void FillDevmode(DEVMODEW& out, const wchar_t* printerName, const DEVMODEW* choices);

} // namespace standin
