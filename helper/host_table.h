#pragma once

// The hosts that the exports search for: one row per export.
struct HOSTDEF {
    const char* pszExeName;          // executable name or '?' pattern
    const char* pszDefaultFolder;    // ends with a backslash
    const char* pszPluginSubfolder;  // ends with a backslash
    unsigned short nTemplateId;      // the search window's dialog template
};

enum HostRow {
    kHostPremiere,
    kHostRazor,
    kHostMCXpress,
    kHostFAST,
    kHostAE,
    kHostAEDemo,
    kHostOnLINE,
    kHostCount
};

extern const HOSTDEF g_aHostDefs[kHostCount];
