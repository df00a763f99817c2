#pragma once

// What the host search needs of the platform, and nothing more. A platform class provides:
//
//   typename Entry, typename FindHandle
//   bool FindFirst(const char* pattern, Entry& entry, FindHandle& handle)  a listing, or false
//   bool FindNext(FindHandle handle, Entry& entry)        false at the end or on an error
//   void FindClose(FindHandle handle)
//   unsigned QueryDriveStrings(unsigned size, char* block)  as GetLogicalDriveStringsA
//   unsigned QueryDriveType(const char* root)               as GetDriveTypeA
//   char* AllocateBlock(unsigned chars)                   null when out of memory
//   void ReleaseBlock(char* block)
//   bool ShouldStop()                                     the cancellation check
//   static unsigned EntryAttributes(const Entry& entry)
//   static const char* EntryName(const Entry& entry)
//
// The Win32 side forwards each to the call of the same meaning; the unit tests use a fake file
// system. The walk is a template over it, so it costs nothing over calling the platform directly.

constexpr unsigned kAttributeDirectory = 0x10;
constexpr unsigned kAttributeReparsePoint = 0x400;
constexpr unsigned kDriveFixed = 3;
