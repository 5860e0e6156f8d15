// EnumJobsA of the spooler double: level 2 records of the jobs the test has queued, so that the status
// monitor can be shown a queue with jobs in any state.
#include "api_result.h"
#include "handle_table.h"
#include "output_buffer.h"
#include "spooler_settings.h"

#include <winspool.h>

#include <cstring>
#include <vector>

namespace {

const char kDocumentName[] = "Test page";

BOOL fill_level_2(const std::string& name, const std::vector<DWORD>& words, DWORD first, DWORD count,
                  BYTE* buffer, DWORD size, DWORD* needed, DWORD* returned) {
    const DWORD record_bytes = count * sizeof(JOB_INFO_2A);
    const DWORD text_per_job = output_buffer::text_bytes(name) + output_buffer::text_bytes(kDocumentName);
    if (!output_buffer::holds(buffer, size, record_bytes + count * text_per_job, needed)) {
        return FALSE;
    }
    output_buffer::StringArea strings(buffer + record_bytes);
    for (DWORD index = 0; index < count; ++index) {
        JOB_INFO_2A job{};
        job.JobId = first + index + 1;
        job.pPrinterName = strings.put(name);
        job.pDocument = strings.put(kDocumentName);
        job.Status = words[first + index];
        std::memcpy(buffer + index * sizeof job, &job, sizeof job);
    }
    *returned = count;
    return TRUE;
}

} // namespace

extern "C" BOOL WINAPI EnumJobsA(HANDLE hPrinter, DWORD FirstJob, DWORD NoJobs, DWORD Level, LPBYTE pJob,
                                 DWORD cbBuf, LPDWORD pcbNeeded, LPDWORD pcReturned) {
    std::string name;
    std::vector<DWORD> words;
    if (spooler_settings::call_refused("EnumJobsA")) {
        return FALSE;
    }
    if (!handle_table::find(hPrinter, name)) {
        return fail_with(ERROR_INVALID_HANDLE);
    }
    if (pcbNeeded == nullptr || pcReturned == nullptr) {
        return fail_with(ERROR_INVALID_PARAMETER);
    }
    *pcReturned = 0;
    if (Level != 2) {
        return fail_with(ERROR_INVALID_LEVEL);
    }
    if (!spooler_settings::job_words(words)) {
        return fail_with(ERROR_INVALID_DATA);
    }
    const DWORD queued = static_cast<DWORD>(words.size());
    const DWORD first = FirstJob < queued ? FirstJob : queued;
    const DWORD count = NoJobs < queued - first ? NoJobs : queued - first;
    return fill_level_2(name, words, first, count, pJob, cbBuf, pcbNeeded, pcReturned);
}
