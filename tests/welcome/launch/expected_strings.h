#pragma once
// The texts that the string table of Welcome must hold, written out independently of it.

struct ExpectedString
{
    unsigned id;
    const char* text;
};

constexpr const char* kFailureCaption = "Kelvane Effects Installer Problem";
constexpr const char* kWebAddress = "www.kelvane-effects.com";

inline constexpr ExpectedString kExpectedMessages[] = {
    {1, "Could not complete the command.\nThe operating system is out of memory or resources."},
    {3, "Sorry, but for some reason I could not perform the command."},
    {6, "Could not execute the program.\nThe .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
    {7, "The specified file was not found.\nPlease make sure you are installing from the original CD-ROM."},
    {8, "The specified path was not found.\nPlease make sure you are installing from the original CD-ROM."},
    {11, "Could not complete the command.\nThe DDE transaction could not be completed because other DDE "
         "transactions were being processed.\nPlease try again."},
    {12, "Could not complete the command.\nThe DDE transaction failed."},
    {13, "Could not complete the command.\nThe DDE transaction could not be completed because the request "
         "timed out."},
    {14, "Could not complete the command.\nThe specified dynamic-link library was not found."},
    {15, "Could not view the file.\nThere is no application associated with the given filename extension."},
    {16, "Could not complete the command.\nA sharing violation occurred."},
};

inline constexpr ExpectedString kExpectedFormats[] = {
    {140, "%s\\Premiere\\setup.exe"},
    {144, "%s\\Razor\\setup.exe"},
    {148, "%s\\MCXpress\\setup.exe"},
    {160, "%s\\OnLINE\\setup.exe"},
    {164, "%s\\Ltd\\setup.exe"},
    {168, "%s\\FAST\\setup.exe"},
    {172, "%s\\AE\\setup.exe"},
    {152, "%s\\Manual\\MainTOC.pdf"},
    {155, kWebAddress},
    {134, "%s\\"},
};

inline const char* ExpectedMessage(unsigned id)
{
    for (const ExpectedString& s : kExpectedMessages)
        if (s.id == id)
            return s.text;
    return nullptr;
}
