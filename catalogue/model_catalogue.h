// The per-model table that both programs compile in: names, USB identity and driver file names.
// Every row is present in every build; a program reads only row ModelIndex (model_index.h).
#pragma once

namespace catalogue {

constexpr int kModelCount = 15;

extern const char* const DisplayName[kModelCount];
extern const char* const UsbInstanceId[kModelCount];
extern const char* const HardwareId[kModelCount];
extern const char* const ShareName[kModelCount];
extern const char* const ModelId[kModelCount];
extern const char* const InfFileName[kModelCount];
extern const char* const GpdFileName[kModelCount];

} // namespace catalogue
