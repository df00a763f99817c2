// Where the stand-in runs: the name of its own folder (the host folder) and the disc root above it.
#pragma once

#include <string>

struct StandinLocation {
    std::string folderName;  // "Premiere" for E:\Premiere\setup.exe
    std::string discRoot;    // "E:\" for E:\Premiere\setup.exe, always ending with a backslash
};

// Tells whether a byte starts a double-byte character in the system's ANSI code page, so that a
// 0x5C trail byte is not taken for a backslash.
using LeadBytePredicate = bool (*)(unsigned char);

// Splits the stand-in's own full path. False when the path has fewer than two backslashes, i.e.
// the program does not sit in a folder below some root.
bool LocateStandin(const std::string& ownPath, LeadBytePredicate isLeadByte, StandinLocation& location);

// The full path of helper.dll on the disc that holds the stand-in.
std::string HelperPathOnDisc(const StandinLocation& location);
