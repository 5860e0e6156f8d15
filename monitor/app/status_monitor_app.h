// CStatusMonitorApp: the monitor's application object. One monitor per model runs machine-wide;
// a second one ends at once, silently.
#pragma once

#include "framework/win_app.h"

class CStatusMonitorApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
