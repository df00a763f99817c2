#pragma once

#include <string>

// A launch target from its format string and the program's folder: each "%s" receives the
// folder, "%%" stands for one percent sign, every other character (a backslash too) is itself.
// The format comes from the resources, so it is never handed to printf: a stray conversion in
// it cannot read arguments that were never passed.
std::string FormatLaunchTarget(const char* format, const char* folder);
