#include "welcome/launch/failure_text.h"

std::string ComposeFailureText(const char* target, const char* message)
{
    std::string text(target);
    text += '\n';
    text += message;
    return text;
}
