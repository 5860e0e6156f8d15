// String ids of the stand-in resource DLL; stdnames.gpd gives the same numbers to its names.
// Change both together.
#pragma once

#define IDS_ORIENTATION 10001
#define IDS_PORTRAIT 10002
#define IDS_LANDSCAPE 10003
#define IDS_PAPER_SIZE 10010
#define IDS_LETTER 10011
#define IDS_A4 10012
#define IDS_FANFOLD_GERMAN 10013
#define IDS_PAPER_SOURCE 10020
#define IDS_TRACTOR 10021
#define IDS_MANUAL_FEED 10022
#define IDS_RESOLUTION 10030
#define IDS_DRAFT 10031
#define IDS_LETTER_QUALITY 10032
