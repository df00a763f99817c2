#include "host_table.h"

const HOSTDEF g_aHostDefs[kHostCount] = {
    {"Premiere.exe", "C:\\Win32App\\Premiere\\", "Plugins\\", 101},
    {"Razor??.exe", "C:\\Win32App\\Razor\\", "TRANS\\", 102},
    {"mcx.exe", "C:\\Avid_MCX\\", "Plugins\\", 103},
    {"vm.exe", "C:\\VMSTUDIO\\", "VFX_PLUG\\", 105},
    {"AfterFX.exe", "C:\\Adobe\\After Effects 3.1\\", "Plug-ins\\KelvaneFX\\", 106},
    {"AfterFX.exe", "C:\\Adobe\\After Effects 3.1\\", "Plug-ins\\KelvaneFX Demo\\", 106},
    {"DVEdit.exe", "C:\\DVision\\", "Plugins\\", 104},
};
