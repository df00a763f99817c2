#pragma once

// Resource numbers of Welcome. Read by the resource compiler too: plain #defines only.
// The control images are numbered after the control ids of the layout table.
#define IDD_WELCOME 102
#define IDR_MAINFRAME 128
#define IDB_BACKGROUND 130
