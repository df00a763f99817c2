#pragma once

// Fixed-size path text for the host search. The library runs without a C runtime, so these few
// string operations are its own; none of them ever writes past a kPathChars buffer.

constexpr unsigned kPathChars = 260;                 // a path buffer, the NUL included
constexpr unsigned kMaxPathLength = kPathChars - 1;  // the longest path that fits

unsigned TextLength(const char* text);

// Writes head (of headLength characters) + tail1 + tail2 and a NUL into out when the whole path is
// at most kMaxPathLength characters and answers its length; otherwise leaves out untouched and
// answers 0. The search only composes paths that are not empty.
unsigned ComposePath(char* out, const char* head, unsigned headLength, const char* tail1,
                     const char* tail2);

// Exact comparison, as used for the "." and ".." entries.
bool TextEquals(const char* left, const char* right);
