// The Enter/Space decisions of the welcome window, message by message, without a window system.

#include "welcome/controls/key_activation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

// Readable names in failure output.
void PrintTo(KeyActivation action, std::ostream* os)
{
    static const char* const kNames[] = {"None", "Press", "Click"};
    *os << kNames[static_cast<int>(action)];
}

namespace {

constexpr unsigned kKeyDown = 0x0100, kKeyUp = 0x0101, kChar = 0x0102, kDeadChar = 0x0103,
                   kSysKeyDown = 0x0104, kSysKeyUp = 0x0105, kSysChar = 0x0106, kSysDeadChar = 0x0107,
                   kUniChar = 0x0109, kImeStartComposition = 0x010D, kBelowKeys = 0x00FF,
                   kAfterKeys = 0x0108;
constexpr std::uintptr_t kEnter = 0x0D, kSpace = 0x20, kTab = 0x09, kEscape = 0x1B, kLetterA = 0x41;

struct TakenRow
{
    const char* what;
    unsigned message;
    std::uintptr_t key;
    bool taken;
};

const TakenRow kTakenRows[] = {
    {"Enter key-down", kKeyDown, kEnter, true},
    {"Space key-down", kKeyDown, kSpace, true},
    {"Enter key-up", kKeyUp, kEnter, true},
    {"Space key-up", kKeyUp, kSpace, true},
    {"carriage return character", kChar, kEnter, true},
    {"space character", kChar, kSpace, true},
    {"dead character of Enter", kDeadChar, kEnter, true},
    {"Alt+Enter down", kSysKeyDown, kEnter, true},
    {"Alt+Space up", kSysKeyUp, kSpace, true},
    {"Alt+Enter character", kSysChar, kEnter, true},
    {"system dead character of Space", kSysDeadChar, kSpace, true},
    {"Tab key-down goes on to the dialog manager", kKeyDown, kTab, false},
    {"Escape key-down goes on to the dialog manager", kKeyDown, kEscape, false},
    {"letter key-down goes on", kKeyDown, kLetterA, false},
    {"message just after the key range", kAfterKeys, kEnter, false},
    {"Unicode character message", kUniChar, kSpace, false},
    {"IME message", kImeStartComposition, kEnter, false},
    {"message just before the key range", kBelowKeys, kEnter, false},
};

class TakenMessages : public ::testing::TestWithParam<TakenRow> {};

TEST_P(TakenMessages, OnlyKeyMessagesOfEnterAndSpaceAreTaken)
{
    const TakenRow& row = GetParam();
    EXPECT_EQ(IsActivationKeyMessage(row.message, row.key), row.taken) << row.what;
}

INSTANTIATE_TEST_SUITE_P(KeyActivation, TakenMessages, ::testing::ValuesIn(kTakenRows));

struct LatchRow
{
    const char* what;
    unsigned message;
    int latchBefore;
    KeyActivation action;
    int latchAfter;
};

const LatchRow kLatchRows[] = {
    {"key-down with the latch clear presses", kKeyDown, 0, KeyActivation::Press, 1},
    {"key-down with the latch set presses again", kKeyDown, 1, KeyActivation::Press, 1},
    {"key-up with the latch set clicks", kKeyUp, 1, KeyActivation::Click, 0},
    {"key-up with the latch clear does nothing", kKeyUp, 0, KeyActivation::None, 0},
    {"character with the latch set", kChar, 1, KeyActivation::None, 1},
    {"character with the latch clear", kChar, 0, KeyActivation::None, 0},
    {"dead character", kDeadChar, 1, KeyActivation::None, 1},
    {"Alt key-down does not press", kSysKeyDown, 0, KeyActivation::None, 0},
    {"Alt key-up does not click", kSysKeyUp, 1, KeyActivation::None, 1},
    {"system character", kSysChar, 1, KeyActivation::None, 1},
    {"system dead character", kSysDeadChar, 0, KeyActivation::None, 0},
};

class LatchTable : public ::testing::TestWithParam<LatchRow> {};

TEST_P(LatchTable, ActionAndLatchFollowTheTable)
{
    const LatchRow& row = GetParam();
    g_bKeyPressed = row.latchBefore;
    EXPECT_EQ(TakeActivationKey(row.message), row.action) << row.what;
    EXPECT_EQ(g_bKeyPressed, row.latchAfter) << row.what;
}

INSTANTIATE_TEST_SUITE_P(KeyActivation, LatchTable, ::testing::ValuesIn(kLatchRows));

// A sequence of key messages as a keyboard produces them (character messages included), with the
// actions they give in order.
struct SequenceRow
{
    const char* what;
    std::vector<unsigned> messages;
    std::vector<KeyActivation> actions;
};

std::vector<KeyActivation> ActionsOf(const std::vector<unsigned>& messages)
{
    std::vector<KeyActivation> actions;
    for (unsigned message : messages) {
        KeyActivation action = TakeActivationKey(message);
        if (action != KeyActivation::None)
            actions.push_back(action);
    }
    return actions;
}

const SequenceRow kSequences[] = {
    {"one press and release clicks once",
     {kKeyDown, kChar, kKeyUp},
     {KeyActivation::Press, KeyActivation::Click}},
    {"auto-repeat presses again but clicks once, at the release",
     {kKeyDown, kChar, kKeyDown, kChar, kKeyDown, kChar, kKeyUp},
     {KeyActivation::Press, KeyActivation::Press, KeyActivation::Press, KeyActivation::Click}},
    {"Space down, Enter down, Enter up, Space up clicks once at the first release",
     {kKeyDown, kChar, kKeyDown, kChar, kKeyUp, kKeyUp},
     {KeyActivation::Press, KeyActivation::Press, KeyActivation::Click}},
    {"Alt+Enter neither presses nor clicks",
     {kSysKeyDown, kSysChar, kSysKeyUp},
     {}},
    {"a key-up without a key-down does nothing",
     {kKeyUp},
     {}},
};

class Sequences : public ::testing::TestWithParam<SequenceRow> {};

TEST_P(Sequences, GiveTheActionsInOrder)
{
    const SequenceRow& row = GetParam();
    g_bKeyPressed = 0;
    EXPECT_EQ(ActionsOf(row.messages), row.actions) << row.what;
    EXPECT_EQ(g_bKeyPressed, 0) << row.what << ": the latch is left set";
}

INSTANTIATE_TEST_SUITE_P(KeyActivation, Sequences, ::testing::ValuesIn(kSequences));

TEST(KeyActivation, ForgottenKeyDownDoesNotClickAtTheNextKeyUp)
{
    g_bKeyPressed = 0;
    EXPECT_EQ(TakeActivationKey(kKeyDown), KeyActivation::Press);
    ForgetActivationKey();
    EXPECT_EQ(g_bKeyPressed, 0);
    EXPECT_EQ(TakeActivationKey(kKeyUp), KeyActivation::None);
}

}  // namespace
