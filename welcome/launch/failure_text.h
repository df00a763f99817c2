#pragma once

#include <string>

// The text of a failed launch's message box: the target on the first line, then the message.
std::string ComposeFailureText(const char* target, const char* message);
