// The question every setup dialog asks before it lets the user quit. Only Yes quits.
#pragma once

#include <windows.h>

#include "framework/message_box.h"
#include "setup/install/install_layout.h"

namespace setup {

constexpr char kTextExitSetup[] =
    "Setup is not complete. If you quit now, the program will not be installed.\nExit Setup?";

inline bool ConfirmExit(HWND owner) {
    return ShowMessageBox(owner, kTextExitSetup, layout::kSetupCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

} // namespace setup
