// The state table driven through sequences of ticks: each row's entry, the thresholds of the link
// rows, the automatic hide, the Searching phase, the paused word, and pop-ups only on entry.
#include "monitor/app/status_machine.h"
#include "monitor/app/status_texts.h"

#include <gtest/gtest.h>

#include <vector>

using namespace monitor;

namespace {

const std::string kName = "QRV KDP 225 Voyager";

StatusInputs Lpt(int32_t job, int parallel) { return {0, job, "LPT", parallel, false}; }
StatusInputs Usb(int32_t job, bool present) { return {0, job, "USB", -1, present}; }
StatusInputs Com(int32_t job) { return {0, job, "COM", -1, false}; }

// Runs the ticks from a memory and keeps every step.
struct TickRun {
    explicit TickRun(StatusMemory start = {}) : memory(start) {}
    const StatusStep& Tick(const StatusInputs& in) {
        steps.push_back(StepStatus(in, memory, kName));
        memory = steps.back().memory;
        return steps.back();
    }
    void Ticks(const StatusInputs& in, int count) {
        for (int i = 0; i < count; ++i)
            Tick(in);
    }
    std::vector<int> HideTicks() const { // 1-based tick numbers on which the window was hidden
        std::vector<int> ticks;
        for (size_t i = 0; i < steps.size(); ++i)
            if (steps[i].actions.hide)
                ticks.push_back(static_cast<int>(i) + 1);
        return ticks;
    }
    StatusMemory memory;
    std::vector<StatusStep> steps;
};

bool Entered(const StatusStep& step) { return step.actions.heading.has_value(); }

} // namespace

TEST(StatusMachine, EachRowOnItsFirstTick) {
    struct Case {
        const char* what;
        StatusInputs in;
        int state;
        const char* heading;
        const char* message;
        StatusSymbol symbol;
        bool shows;
    } const cases[] = {
        {"printing, paper out", Lpt(0x10, 3), 3001, "Paper-Out Error", kTextPaper, StatusSymbol::Error, true},
        {"printing, off line", Lpt(0x10, 4), 4001, "Printer OFFLINE Error", kTextOffline, StatusSymbol::Error, true},
        {"printing, ready", Lpt(0x10, 2), 16, "Printing", kTextPrinting, StatusSymbol::Info, false},
        {"printing, undetermined", Lpt(0x10, -1), 16, "Printing", kTextPrinting, StatusSymbol::Info, false},
        {"printing on USB unplugged", Usb(0x10, false), 16, "Printing", kTextPrinting, StatusSymbol::Info, false},
        {"job error on COM", Com(0x12), 18, "Communicaton Error", kTextLinkOneLine, StatusSymbol::Error, true},
        {"job error on LPT", Lpt(0x12, 3), 18, "Communicaton Error", kTextLinkOneLine, StatusSymbol::Error, true},
        {"idle, paper out", Lpt(-1, 3), 3000, "Paper-Out Error", kTextPaper, StatusSymbol::Error, false},
        {"idle, off line", Lpt(-1, 4), 4000, "Printer OFFLINE Error", kTextOffline, StatusSymbol::Error, false},
        {"paper-out job, paper out", Lpt(0x50, 3), 3011, "Paper-Out Error", kTextPaper, StatusSymbol::Error, true},
        {"other job, paper out", Lpt(0x30, 3), 3010, "Paper-Out Error", kTextPaper, StatusSymbol::Error, false},
        {"offline job, off line", Lpt(0x30, 4), 4011, "Printer OFFLINE Error", kTextOffline, StatusSymbol::Error,
         true},
        {"other job, off line", Lpt(0x50, 4), 4010, "Printer OFFLINE Error", kTextOffline, StatusSymbol::Error,
         false},
        {"USB unplugged", Usb(-1, false), 20, "Communication Error", kTextUsb, StatusSymbol::Error, false},
        {"parallel ready", Lpt(-1, 2), 2000, "Ready", kTextReadyHiding, StatusSymbol::Info, false},
        {"other job, parallel ready", Lpt(0x30, 2), 2000, "Ready", kTextReadyHiding, StatusSymbol::Info, false},
        {"USB attached", Usb(-1, true), -1, "Ready", kTextReady, StatusSymbol::Info, false},
        {"serial port", Com(-1), -1, "Ready", kTextReady, StatusSymbol::Info, false},
        {"file port", {0, -1, "FILE:", -1, false}, -1, "Ready", kTextReady, StatusSymbol::Info, false},
    };
    for (const Case& c : cases) {
        const StatusStep step = StepStatus(c.in, StatusMemory{}, kName);
        EXPECT_EQ(step.memory.monitorState, c.state) << c.what;
        EXPECT_EQ(step.actions.heading, std::string(c.heading)) << c.what;
        EXPECT_EQ(step.actions.message, std::string(c.message)) << c.what;
        EXPECT_EQ(step.actions.symbol, c.symbol) << c.what;
        EXPECT_EQ(step.actions.show, c.shows) << c.what;
    }
}

TEST(StatusMachine, RowsThatMatchNothingChangeNothing) {
    // On other ports only 0x10 and 0x12 count; a parallel reading outside 1..4 with a job matches nothing.
    for (const StatusInputs& in : {Com(0x50), Usb(0x30, true), Lpt(0x50, -1), Lpt(0x30, 7)}) {
        const StatusStep step = StepStatus(in, StatusMemory{}, kName);
        EXPECT_EQ(step.memory.monitorState, 0);
        EXPECT_FALSE(Entered(step));
        EXPECT_FALSE(step.actions.show || step.actions.hide);
    }
}

TEST(StatusMachine, PausedMeansExactlyThePausedWord) {
    const StatusStep paused = StepStatus({1, -1, "USB", -1, true}, StatusMemory{}, kName);
    EXPECT_EQ(paused.memory.monitorState, 1);
    EXPECT_TRUE(paused.actions.show);
    EXPECT_EQ(paused.actions.heading, std::string("Communicaton Error"));
    EXPECT_EQ(paused.actions.message, "\"Pause Printing\" is selected in QRV KDP 225 Voyager driver.\n"
                                      "Goto \"Printer and Faxes\" folder, right click and choose \"Resume Printing\"");

    StatusMemory inPause;
    inPause.monitorState = 1;
    EXPECT_FALSE(Entered(StepStatus({1, -1, "USB", -1, true}, inPause, kName))); // no second pop-up

    // Paused plus another bit: not state 1; the job scan then gave -1, so the table decides.
    EXPECT_EQ(StepStatus({0x81, -1, "USB", -1, true}, StatusMemory{}, kName).memory.monitorState, -1);
}

TEST(StatusMachine, IdleNoLinkOnTheEighthTick) {
    TickRun run;
    run.Ticks(Lpt(-1, 1), 7);
    for (const StatusStep& step : run.steps)
        EXPECT_FALSE(Entered(step));
    const StatusStep& eighth = run.Tick(Lpt(-1, 1));
    EXPECT_EQ(eighth.memory.monitorState, 1000);
    EXPECT_EQ(eighth.actions.heading, std::string("Communicaton Error"));
    EXPECT_EQ(eighth.actions.message, std::string(kTextLink));
    EXPECT_FALSE(eighth.actions.show);
    run.Ticks(Lpt(-1, 1), 20); // staying in the fault enters nothing again
    for (size_t i = 8; i < run.steps.size(); ++i)
        EXPECT_FALSE(Entered(run.steps[i])) << i;
}

TEST(StatusMachine, UndeterminedCountsAsNoLinkUntilReadyClearsTheCount) {
    TickRun run;
    run.Ticks(Lpt(-1, -1), 5); // right after start, before the first timer reading
    EXPECT_EQ(run.memory.idleLinkTicks, 5);
    EXPECT_EQ(run.Tick(Lpt(-1, 2)).memory.monitorState, 2000);
    EXPECT_EQ(run.memory.idleLinkTicks, 0);
    run.Ticks(Lpt(-1, 1), 7);
    EXPECT_EQ(run.memory.monitorState, 2000);
    EXPECT_EQ(run.Tick(Lpt(-1, 1)).memory.monitorState, 1000);
}

TEST(StatusMachine, LinkCountsNeedNotBeConsecutive) {
    TickRun run;
    run.Ticks(Lpt(-1, 1), 4);
    EXPECT_EQ(run.Tick(Lpt(-1, 3)).memory.monitorState, 3000); // paper out does not reset the count
    run.Ticks(Lpt(-1, 1), 3);
    EXPECT_EQ(run.memory.monitorState, 3000);
    EXPECT_EQ(run.Tick(Lpt(-1, 1)).memory.monitorState, 1000);
}

TEST(StatusMachine, PrintingNoLinkOnTheFifthTickWithPopUp) {
    struct Case {
        int32_t job;
        int state;
        bool shows;
        const char* heading;
    } const cases[] = {
        {0x10, 1001, true, "Communication Error"},
        {0x50, 1010, false, "Communicaton Error"},
        {0x30, 1010, false, "Communicaton Error"},
    };
    for (const Case& c : cases) {
        TickRun run;
        run.Ticks(Lpt(c.job, 1), 4);
        EXPECT_EQ(run.memory.monitorState, 0) << c.job;
        const StatusStep& fifth = run.Tick(Lpt(c.job, 1));
        EXPECT_EQ(fifth.memory.monitorState, c.state) << c.job;
        EXPECT_EQ(fifth.actions.show, c.shows) << c.job;
        EXPECT_EQ(fifth.actions.heading, std::string(c.heading)) << c.job;
    }
}

TEST(StatusMachine, AutomaticHideOnTheFourthTickOncePerEntry) {
    struct Case {
        const char* what;
        StatusInputs in;
        bool forbidsShow;
    } const cases[] = {
        {"parallel ready", Lpt(-1, 2), false},
        {"printing on USB", Usb(0x10, true), true},
        {"printing on LPT", Lpt(0x10, 2), true},
    };
    for (const Case& c : cases) {
        TickRun run;
        run.Ticks(c.in, 12);
        EXPECT_EQ(run.HideTicks(), std::vector<int>{4}) << c.what;
        EXPECT_EQ(run.steps[3].actions.forbidShow, c.forbidsShow) << c.what;
    }
}

TEST(StatusMachine, AttachedUsbIsReadyWithoutHide) {
    TickRun run;
    EXPECT_EQ(run.Tick(Usb(-1, false)).memory.monitorState, 20);
    const StatusStep& plugged = run.Tick(Usb(-1, true));
    EXPECT_EQ(plugged.memory.monitorState, -1);
    EXPECT_EQ(plugged.actions.message, std::string("Ready to print."));
    run.Ticks(Usb(-1, true), 10);
    EXPECT_TRUE(run.HideTicks().empty());
}

TEST(StatusMachine, SearchingPhaseThenReentry) {
    StatusMemory inReady;
    inReady.monitorState = 2000;
    inReady.searching = true; // a show from the tray
    TickRun run(inReady);
    for (int i = 0; i < 3; ++i) {
        const StatusStep& step = run.Tick(Lpt(-1, 2));
        EXPECT_EQ(step.actions.heading, std::string("Searching")) << i;
        EXPECT_EQ(step.actions.message, std::string("Searching the printer...")) << i;
        EXPECT_EQ(step.actions.symbol, StatusSymbol::None) << i;
    }
    EXPECT_FALSE(run.memory.searching);
    EXPECT_EQ(run.memory.monitorState, 0);
    const StatusStep& back = run.Tick(Lpt(-1, 2));
    EXPECT_EQ(back.memory.monitorState, 2000);
    EXPECT_EQ(back.actions.heading, std::string("Ready"));
    run.Ticks(Lpt(-1, 2), 5);
    EXPECT_EQ(run.HideTicks(), std::vector<int>{7}); // three ticks after re-entry
}

TEST(StatusMachine, SearchingOverridesEvenThePausedQueue) {
    StatusMemory searching;
    searching.searching = true;
    const StatusStep step = StepStatus({1, -1, "LPT", 3, false}, searching, kName);
    EXPECT_EQ(step.actions.heading, std::string("Searching"));
    EXPECT_FALSE(step.actions.show);
}

TEST(StatusMachine, HiddenFaultDoesNotPopUpAgain) {
    TickRun run;
    EXPECT_TRUE(run.Tick(Lpt(0x10, 3)).actions.show);
    run.Ticks(Lpt(0x10, 3), 10); // the user hid the window; the fault goes on
    for (size_t i = 1; i < run.steps.size(); ++i) {
        EXPECT_FALSE(run.steps[i].actions.show) << i;
        EXPECT_FALSE(Entered(run.steps[i])) << i;
    }
    EXPECT_EQ(run.Tick(Lpt(0x10, 2)).memory.monitorState, 16); // paper inserted
    EXPECT_TRUE(run.Tick(Lpt(0x10, 3)).actions.show);          // and out again: a new entry
}
