// Defaults of the stand-in driver's device mode, and the merge of a caller's choices into them.
// A choice is taken only when this printer offers it, so a stored device mode never asks for more.
#include "devmode_win32.h"

#include "printer_features_win32.h"

#include <cstddef>

namespace standin {

namespace {

template <typename Item, size_t N, typename Match> const Item* Find(const Item (&items)[N], Match match) {
    for (const Item& item : items) {
        if (match(item))
            return &item;
    }
    return nullptr;
}

void MergeResolution(DEVMODEW& out, const DEVMODEW& in) {
    // A caller may give the horizontal resolution alone; the first pair with it is meant then.
    const bool withY = (in.dmFields & DM_YRESOLUTION) != 0;
    const Resolution* match = Find(kResolutions, [&](const Resolution& resolution) {
        return resolution.x == in.dmPrintQuality && (!withY || resolution.y == in.dmYResolution);
    });
    if (match) {
        out.dmPrintQuality = match->x;
        out.dmYResolution = match->y;
    }
}

void MergeChoices(DEVMODEW& out, const DEVMODEW& in) {
    // An older, shorter device mode ends before the last field read here; it keeps the defaults.
    if (in.dmSize < offsetof(DEVMODEW, dmTTOption))
        return;
    const DWORD fields = in.dmFields;
    if ((fields & DM_ORIENTATION) &&
        (in.dmOrientation == DMORIENT_PORTRAIT || in.dmOrientation == DMORIENT_LANDSCAPE))
        out.dmOrientation = in.dmOrientation;
    if ((fields & DM_PAPERSIZE) &&
        Find(kPapers, [&](const Paper& paper) { return paper.id == in.dmPaperSize; }))
        out.dmPaperSize = in.dmPaperSize;
    if ((fields & DM_COPIES) && in.dmCopies >= 1)
        out.dmCopies = in.dmCopies < kMaxCopies ? in.dmCopies : kMaxCopies;
    if ((fields & DM_DEFAULTSOURCE) &&
        Find(kSources, [&](const Source& source) { return source.id == in.dmDefaultSource; }))
        out.dmDefaultSource = in.dmDefaultSource;
    if (fields & DM_PRINTQUALITY)
        MergeResolution(out, in);
}

} // namespace

void FillDevmode(DEVMODEW& out, const wchar_t* printerName, const DEVMODEW* choices) {
    // Callers often pass one buffer as both input and output: the choices are read from a copy.
    DEVMODEW chosen{};
    if (choices)
        ::CopyMemory(&chosen, choices, choices->dmSize < sizeof chosen ? choices->dmSize : sizeof chosen);
        // The header fields by position: name, layout version, driver version, public and private size,
        // fields; everything after them starts as zero.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
    out = DEVMODEW{{}, kDevmodeVersion, kDriverVersion, static_cast<WORD>(kDevmodeSize), 0, kDevmodeFields};
#pragma GCC diagnostic pop
    if (printerName)
        ::lstrcpynW(out.dmDeviceName, printerName, CCHDEVICENAME);
    out.dmOrientation = DMORIENT_PORTRAIT;
    out.dmPaperSize = kDefaultPaper;
    out.dmCopies = 1;
    out.dmDefaultSource = kDefaultSource;
    out.dmPrintQuality = kDefaultResolution.x;
    out.dmYResolution = kDefaultResolution.y;
    if (choices)
        MergeChoices(out, chosen);
}

} // namespace standin
