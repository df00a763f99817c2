#include "welcome/launch/launch_result.h"

namespace {

// Any result above this one means the shell started the target.
constexpr std::uint32_t kHighestErrorResult = 32;

struct ResultMessage
{
    std::uint32_t result;
    unsigned messageId;
};

// Results that have a message of their own; every other error gets the generic one.
const ResultMessage kResultMessages[] = {
    {0, kMsgOutOfResources},   // out of memory or resources
    {2, kMsgFileNotFound},     // ERROR_FILE_NOT_FOUND
    {3, kMsgPathNotFound},     // ERROR_PATH_NOT_FOUND
    {8, kMsgOutOfResources},   // ERROR_NOT_ENOUGH_MEMORY
    {11, kMsgInvalidExe},      // ERROR_BAD_FORMAT
    {26, kMsgSharingViolation},
    {28, kMsgDdeTimeout},
    {29, kMsgDdeFailed},
    {30, kMsgDdeBusy},
    {31, kMsgNoAssociation},
    {32, kMsgDllNotFound},
};

} // namespace

unsigned FailureMessageFor(std::uint32_t launchResult)
{
    if (launchResult > kHighestErrorResult)
        return kNoFailureMessage;
    for (const ResultMessage& row : kResultMessages) {
        if (row.result == launchResult)
            return row.messageId;
    }
    return kMsgGenericFailure;
}
