// The state machine's headings and messages, exactly as the user reads them (misspellings included:
// two of the headings really are spelt "Communicaton").
#pragma once

#include <string>

namespace monitor {

constexpr char kTextSearch[] = "Searching the printer...";
constexpr char kTextPaper[] = "Please insert the Paper.";
constexpr char kTextOffline[] = "Press the Online button once to make the printer ONLINE.";
constexpr char kTextLink[] = "Check all connections and make sure all device is turned ON.\n"
                             "If the power was turned off during printing, cancel the print job.";
constexpr char kTextLinkOneLine[] = "Check all connections and make sure all device is turned ON. "
                                    "If the power was turned off during printing, cancel the print job.";
constexpr char kTextPrinting[] = "Printing...\n(Window will minimize in 2sec...)";
constexpr char kTextUsb[] = "Printer is not connected or switched OFF.\n"
                            "Ensure USB cable is connected properly and the printer is switched ON.";
constexpr char kTextReadyHiding[] = "Ready to print.\n(Window will minimize in 2sec...)";
constexpr char kTextReady[] = "Ready to print.";

constexpr char kHeadingSearching[] = "Searching";
constexpr char kHeadingCommunicatonError[] = "Communicaton Error";
constexpr char kHeadingCommunicationError[] = "Communication Error";
constexpr char kHeadingPaperOut[] = "Paper-Out Error";
constexpr char kHeadingOffline[] = "Printer OFFLINE Error";
constexpr char kHeadingPrinting[] = "Printing";
constexpr char kHeadingReady[] = "Ready";

std::string PauseMessage(const std::string& displayName);

} // namespace monitor
