#pragma once

#include <cstddef>
#include <string>

// Answers whether a byte opens a double-byte character in the code page that the path is written
// in. Windows passes IsDBCSLeadByte (the system's ANSI code page); tests pass a fixed code page.
using LeadByteTest = bool (*)(unsigned char byte);

// The folder that holds the program at `path`: everything before its last backslash, or the whole
// path when it has none. A 0x5C byte that is the second half of a double-byte character is no
// backslash.
std::string ProgramFolderOf(const char* path, LeadByteTest isLeadByte);

// GetModuleFileNameA leaves the buffer unterminated when the path fills it. Terminates `buffer`
// (of `size` characters, of which the call reported `copied`) in every case and answers whether it
// now holds the whole path: false when the call failed (0) or the path was cut off.
bool TerminateModulePath(char* buffer, std::size_t size, std::size_t copied);
