// Stands in for the programs that the shell starts for a document, a web address or a folder to
// explore: appends "<kind>|<what the shell passed>" to the file named by KFX_SHELL_RECORD and
// ends without a window. Registered for those verbs by the launch tests as
// "<this program>" <kind> "%1". The argument is taken from the raw command line: the usual
// argument rules would read the quote after a folder's closing backslash ("E:\") as a character.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kRecordPathSize = 1024;

// Skips one word of the command line, quoted or not, and the blanks after it.
const char* SkipWord(const char* p)
{
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t')
            ++p;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

std::string KindAndArgument(const char* pszCommandLine)
{
    const char* pKind = SkipWord(pszCommandLine);
    const char* pArgument = SkipWord(pKind);
    std::string kind(pKind, pArgument);
    while (!kind.empty() && (kind.back() == ' ' || kind.back() == '\t'))
        kind.pop_back();
    std::string argument(pArgument);
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
        argument = argument.substr(1, argument.size() - 2);
    return kind + "|" + argument;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char szRecord[kRecordPathSize] = {};
    const DWORD nLength = GetEnvironmentVariableA("KFX_SHELL_RECORD", szRecord, kRecordPathSize);
    if (nLength == 0 || nLength >= kRecordPathSize)
        return 2;
    std::string line = KindAndArgument(GetCommandLineA());
    line += "\r\n";
    FILE* pFile = std::fopen(szRecord, "ab");
    if (pFile == nullptr)
        return 3;
    std::fwrite(line.data(), 1, line.size(), pFile);
    std::fclose(pFile);
    return 0;
}
