#pragma once
// Numbers of the test programs' own images (controls_test.rc): plain #defines for the resource
// compiler. The gaps in each numbering are the point.

// Buttons.
#define IDB_TEST_ONLY_NORMAL 2000            /* 2001 to 2003 missing */
#define IDB_TEST_NO_PRESSED_NO_DISABLED 2010 /* 2011 and 2013 missing, 2012 is the focused image */
#define IDB_TEST_NO_PRESSED_FOCUSED 2012
#define IDB_TEST_NO_NORMAL 2020              /* 2020 missing, 2021 to 2023 present */
// Labels.
#define IDB_TEST_LABEL_ONLY_ENABLED 2100     /* 2101 missing */
#define IDB_TEST_LABEL_NO_ENABLED 2110       /* 2110 missing, 2111 present */
