// The catalogue row of the model this build serves, in the form the installation engine takes.
// The one place where the setup program reads the catalogue for its engine.
#pragma once

#include "installer.h"

namespace setup {

ModelNames CurrentModel();

} // namespace setup
