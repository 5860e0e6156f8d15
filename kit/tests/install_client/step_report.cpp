// Lines of the install client's report; flushed at once so that nothing is lost if a later call of the
// system under test ends the process.
#include "step_report.h"

#include <cstdio>

namespace client {

void Report(const std::string& step, const std::string& result, const std::string& detail) {
    std::string line = step + "\t" + result;
    if (!detail.empty())
        line += "\t" + detail;
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

bool ReportResult(const std::string& step, bool ok, uint32_t error, const std::string& detail) {
    Report(step, ok ? "ok" : "error " + std::to_string(error), detail);
    return ok;
}

} // namespace client
