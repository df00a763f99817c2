#include "welcome/launch/launch_target.h"

std::string FormatLaunchTarget(const char* format, const char* folder)
{
    std::string target;
    for (const char* p = format; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            target += folder;
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            target += '%';
            ++p;
        } else {
            target += *p;
        }
    }
    return target;
}
