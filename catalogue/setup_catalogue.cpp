// Value of the setup program's version text.
// Shown in the model dialog's version label.
#include "setup_catalogue.h"

namespace catalogue::setup {

const char VersionText[] = "Version 2.01 (9W)";

} // namespace catalogue::setup
