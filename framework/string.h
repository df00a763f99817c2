#pragma once

#include "framework/win_headers.h"

#include <cstdarg>
#include <string>

// An 8-bit string of the ANSI code page.
class CString
{
public:
    CString() = default;
    CString(const char* psz);
    CString(const char* pch, int nLength);
    CString(char ch, int nRepeat = 1);
    CString(const CString& other) = default;
    CString(CString&& other) noexcept = default;
    ~CString() = default;

    CString& operator=(const CString& other) = default;
    CString& operator=(CString&& other) noexcept = default;
    CString& operator=(const char* psz);
    CString& operator=(char ch);

    CString& operator+=(const CString& other);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    operator const char*() const { return m_text.c_str(); }
    const char* GetString() const { return m_text.c_str(); }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }

    int Compare(const char* psz) const;

    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;

    // A writable buffer of at least nMinBufLength characters plus the NUL; ReleaseBuffer takes the
    // length from the NUL (nNewLength -1) or from the argument.
    char* GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

    // The string resource nID of AfxGetResourceHandle(); FALSE (and the string unchanged) when it
    // is missing or empty.
    BOOL LoadString(UINT nID);

    // printf-style formatting; the result replaces the string. CString arguments are passed on as
    // their text, so Format("%s", str) works as it reads.
    template <typename... Args>
    void Format(const char* pszFormat, const Args&... args);
    void FormatV(const char* pszFormat, va_list args);
    void FormatRaw(const char* pszFormat, ...);

private:
    std::string m_text;
};

namespace framework_detail {
inline const char* FormatArg(const CString& s) { return s; }
template <typename T>
inline T FormatArg(T value) { return value; }
}  // namespace framework_detail

template <typename... Args>
void CString::Format(const char* pszFormat, const Args&... args)
{
    FormatRaw(pszFormat, framework_detail::FormatArg(args)...);
}

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator!=(const char* a, const CString& b);
