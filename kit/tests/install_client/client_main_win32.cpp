// Entry point of kit_install_client.exe: runs one command (see kUsage) and reports on standard output.
// The exit code is the number of failed steps (copy-inf: the Win32 error), 0 when all succeeded.
#include "catalogue/model_catalogue.h"
#include "inf_store_win32.h"
#include "model_index.h"
#include "printer_queries_win32.h"
#include "step_report.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kUsage[] = "usage: kit_install_client names\n"
                      "       kit_install_client copy-inf\n"
                      "       kit_install_client printer NAME\n"
                      "       kit_install_client caps NAME\n"
                      "       kit_install_client devmode NAME PAPER QUALITY YRES\n";

short Number(const char* text) {
    return static_cast<short>(std::atoi(text));
}

// The row of the model table this build serves, so that scripts need not know the model.
int ModelNames() {
    client::Report("display-name", catalogue::DisplayName[ModelIndex]);
    client::Report("model-id", catalogue::ModelId[ModelIndex]);
    client::Report("inf", catalogue::InfFileName[ModelIndex]);
    client::Report("gpd", catalogue::GpdFileName[ModelIndex]);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "names" && argc == 2)
        return ModelNames();
    if (command == "copy-inf" && argc == 2)
        return client::CopyInf();
    if (command == "printer" && argc == 3)
        return client::PrinterRecord(argv[2]);
    if (command == "caps" && argc == 3)
        return client::Capabilities(argv[2]);
    if (command == "devmode" && argc == 6)
        return client::ChosenDevmode(argv[2], Number(argv[3]), Number(argv[4]), Number(argv[5]));
    std::fputs(kUsage, stderr);
    return 64;
}
