// One more registration of the model's staged INF, as the setup program makes it, to see what the
// system's INF store answers when the INF is there already.
#pragma once

namespace client {

// Reports the step and answers the Win32 error (0 when the INF was copied).
int CopyInf();

} // namespace client
