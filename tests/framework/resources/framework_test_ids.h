#pragma once

// Resource ids of the framework tests.
#define IDD_PROBE_DIALOG 200
#define IDD_MISSING_DIALOG 299
#define IDC_PROBE_EDIT 201
#define IDC_PROBE_CHECK 202

#define IDB_RED_BLUE 300
#define IDB_MISSING 399
#define RED_BLUE_WIDTH 16
#define RED_BLUE_HEIGHT 8

#define IDS_PLAIN 400
#define IDS_FORMAT 401
#define IDS_MISSING 499
