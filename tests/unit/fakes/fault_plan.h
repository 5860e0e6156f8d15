// Fault injection shared by the fakes: every platform call is recorded in order, and a plan says which
// fail: one call by its place in the run, every call of one kind, or the n-th call of one kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

struct PlatformCall {
    std::string kind;      // the interface's function
    std::string detail;    // what it was asked for, when that tells calls of one kind apart
    int occurrence = 0;    // 1 for the first call of its kind in the run
    bool fallible = false; // releases and calls with no result to fail are recorded only
    bool failed = false;

    std::string Label() const {
        return kind + "#" + std::to_string(occurrence) + (detail.empty() ? "" : " " + detail);
    }
};

class FaultPlan {
public:
    // What a failing call answers when it answers an error code (ERROR_ACCESS_DENIED unless told).
    uint32_t error = 5;

    void FailAt(size_t position) { m_positions.insert(position); }
    void FailEvery(const std::string& kind) { m_kinds.insert(kind); }
    void FailNth(const std::string& kind, int n) { m_nth.insert({kind, n}); }
    // Forgets plan and record alike, for a run with nothing failing.
    void Reset() { *this = FaultPlan(); }

    // Records a call that can fail; true when the plan makes it fail.
    bool Fails(const std::string& kind, const std::string& detail = std::string()) {
        return Record(kind, detail, true);
    }
    // Records a call that cannot fail.
    void Note(const std::string& kind, const std::string& detail = std::string()) {
        Record(kind, detail, false);
    }

    std::vector<PlatformCall> FailedCalls() const {
        std::vector<PlatformCall> failed;
        for (const PlatformCall& call : made) {
            if (call.failed)
                failed.push_back(call);
        }
        return failed;
    }
    bool Made(const std::string& kind) const {
        for (const PlatformCall& call : made) {
            if (call.kind == kind)
                return true;
        }
        return false;
    }

    std::vector<PlatformCall> made;

private:
    bool Record(const std::string& kind, const std::string& detail, bool fallible) {
        PlatformCall call;
        call.kind = kind;
        call.detail = detail;
        call.occurrence = ++m_counts[kind];
        call.fallible = fallible;
        call.failed = fallible && (m_positions.count(made.size()) != 0 || m_kinds.count(kind) != 0 ||
                                   m_nth.count({kind, call.occurrence}) != 0);
        made.push_back(call);
        return call.failed;
    }

    std::set<size_t> m_positions;
    std::set<std::string> m_kinds;
    std::set<std::pair<std::string, int>> m_nth;
    std::map<std::string, int> m_counts;
};
