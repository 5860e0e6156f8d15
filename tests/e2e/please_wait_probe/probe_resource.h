// Ids of the probe's own resources, shared by its resource script and its code.
// They stay clear of the setup program's ids, whose resources are linked in beside them.
#pragma once

#define IDD_PROBE_HOST 200
