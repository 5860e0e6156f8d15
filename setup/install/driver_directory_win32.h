// The spooler's printer driver directory of the local machine, as the stager and the installer ask
// for it: one query, shared, so that both name the same folder and write the same traces.
#pragma once

#include <memory>

namespace setup {

// Fills out with the directory as a NUL-terminated ANSI string; on failure out is left empty.
// Writes the spooler query's two traces ("Allocating a buffer of size %d", and the out-of-memory one).
bool QueryDriverDirectory(std::unique_ptr<char[]>& out);

} // namespace setup
