#include "path_text.h"

unsigned TextLength(const char* text)
{
    unsigned length = 0;
    while (text[length] != '\0')
        ++length;
    return length;
}

static char* CopyText(char* out, const char* text, unsigned length)
{
    for (unsigned i = 0; i < length; ++i)
        out[i] = text[i];
    return out + length;
}

unsigned ComposePath(char* out, const char* head, unsigned headLength, const char* tail1,
                     const char* tail2)
{
    const unsigned tail1Length = TextLength(tail1);
    const unsigned tail2Length = TextLength(tail2);
    if (headLength > kMaxPathLength || tail1Length > kMaxPathLength - headLength ||
        tail2Length > kMaxPathLength - headLength - tail1Length)
        return 0;
    char* end = CopyText(out, head, headLength);
    end = CopyText(end, tail1, tail1Length);
    end = CopyText(end, tail2, tail2Length);
    *end = '\0';
    return headLength + tail1Length + tail2Length;
}

bool TextEquals(const char* left, const char* right)
{
    while (*left != '\0' && *left == *right) {
        ++left;
        ++right;
    }
    return *left == *right;
}
