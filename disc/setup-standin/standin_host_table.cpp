#include "standin_host_table.h"

#include <cstddef>

namespace {

const StandinHost kHosts[] = {
    {"Premiere", "FindPremiere", "Adobe Premiere 4.2"},
    {"Razor", "FindRazor", "In:Sync Speed-Razor 3.5"},
    {"MCXpress", "FindMCXpress", "Avid MCXpress 1.5"},
    {"OnLINE", "FindOnLINE", "D-Vision OnLINE 3.0"},
    // The limited version installs into Premiere and hosts that read Premiere's plug-ins.
    {"Ltd", "FindPremiere", "Adobe Premiere 4.2 and compatible hosts (limited version)"},
    {"FAST", "FindFAST", "FAST VM-Studio Plus 3.3"},
    {"AE", "FindAE", "Adobe After Effects 3.1"},
};

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(const char* a, const char* b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (AsciiLower(*a) != AsciiLower(*b))
            return false;
    }
    return *a == *b;
}

}  // namespace

const StandinHost* FindStandinHost(const char* folderName)
{
    if (folderName == nullptr)
        return nullptr;
    for (const StandinHost& host : kHosts) {
        if (EqualIgnoringAsciiCase(host.folderName, folderName))
            return &host;
    }
    return nullptr;
}

const StandinHost* StandinHostsBegin()
{
    return kHosts;
}

const StandinHost* StandinHostsEnd()
{
    return kHosts + sizeof(kHosts) / sizeof(kHosts[0]);
}
