#include "welcome/launch/explore_version.h"

namespace {

constexpr std::uint32_t kPlatformWin32Nt = 2;  // VER_PLATFORM_WIN32_NT
constexpr std::uint32_t kNt3MajorVersion = 3;

} // namespace

bool IsExploreButtonWanted(const OsVersionAnswer& version)
{
    return !(version.bQuerySucceeded && version.dwPlatformId == kPlatformWin32Nt &&
             version.dwMajorVersion == kNt3MajorVersion);
}
