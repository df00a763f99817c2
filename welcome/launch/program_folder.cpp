#include "welcome/launch/program_folder.h"

std::string ProgramFolderOf(const char* path, LeadByteTest isLeadByte)
{
    std::size_t length = 0;
    std::size_t lastBackslash = std::string::npos;
    while (path[length] != '\0') {
        const unsigned char byte = static_cast<unsigned char>(path[length]);
        // A lead byte right before the terminator has no trail byte to swallow.
        if (isLeadByte(byte) && path[length + 1] != '\0') {
            length += 2;
            continue;
        }
        if (byte == '\\')
            lastBackslash = length;
        ++length;
    }
    if (lastBackslash == std::string::npos)
        return std::string(path, length);
    return std::string(path, lastBackslash);
}

bool TerminateModulePath(char* buffer, std::size_t size, std::size_t copied)
{
    if (size == 0)
        return false;
    if (copied == 0) {
        buffer[0] = '\0';
        return false;
    }
    if (copied >= size) {
        buffer[size - 1] = '\0';
        return false;
    }
    buffer[copied] = '\0';
    return true;
}
