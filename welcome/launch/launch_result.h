#pragma once

#include <cstdint>

// String ids of the failure messages in the string table.
constexpr unsigned kMsgOutOfResources = 1;
constexpr unsigned kMsgGenericFailure = 3;
constexpr unsigned kMsgInvalidExe = 6;
constexpr unsigned kMsgFileNotFound = 7;
constexpr unsigned kMsgPathNotFound = 8;
constexpr unsigned kMsgDdeBusy = 11;
constexpr unsigned kMsgDdeFailed = 12;
constexpr unsigned kMsgDdeTimeout = 13;
constexpr unsigned kMsgDllNotFound = 14;
constexpr unsigned kMsgNoAssociation = 15;
constexpr unsigned kMsgSharingViolation = 16;

constexpr unsigned kNoFailureMessage = 0;

// The result that stands when no launch was tried (access denied): the target did not resolve.
constexpr std::uint32_t kUnresolvedLaunchResult = 5;

// The failure message for what the shell's launch answered, read as an unsigned 32-bit number:
// kNoFailureMessage above 32 (started), otherwise the string id of the message to show.
unsigned FailureMessageFor(std::uint32_t launchResult);
