#pragma once

#include <cstdint>

// What the system's version query answered, as far as the explore button cares.
struct OsVersionAnswer
{
    bool bQuerySucceeded;
    std::uint32_t dwPlatformId;
    std::uint32_t dwMajorVersion;
};

// Windows NT 3.x has no shell with an explorer, so the explore button leaves itself out there.
// Every other answer, a failed query too, keeps it.
bool IsExploreButtonWanted(const OsVersionAnswer& version);
