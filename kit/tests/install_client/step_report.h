// How the install client reports: one line per step on standard output, "step<TAB>result[<TAB>detail]",
// so that a scenario can grep for exactly the answer it expects.
#pragma once

#include <cstdint>
#include <string>

namespace client {

void Report(const std::string& step, const std::string& result, const std::string& detail = "");
// "ok" when `ok`, else "error N" with the given code; answers `ok`.
bool ReportResult(const std::string& step, bool ok, uint32_t error, const std::string& detail = "");

} // namespace client
