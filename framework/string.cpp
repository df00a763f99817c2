#include "framework/string.h"

#include "framework/win_app.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Longest string resource: a string table entry holds at most 65535 characters.
const int kMaxResourceString = 65535;

}  // namespace

CString::CString(const char* psz) : m_text(psz != nullptr ? psz : "")
{
}

CString::CString(const char* pch, int nLength)
{
    if (pch != nullptr && nLength > 0)
        m_text.assign(pch, static_cast<size_t>(nLength));
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_text.assign(static_cast<size_t>(nRepeat), ch);
}

CString& CString::operator=(const char* psz)
{
    m_text = psz != nullptr ? psz : "";
    return *this;
}

CString& CString::operator=(char ch)
{
    m_text.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    if (psz != nullptr)
        m_text += psz;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_text += ch;
    return *this;
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        return '\0';
    return m_text[static_cast<size_t>(nIndex)];
}

int CString::Compare(const char* psz) const
{
    return std::strcmp(m_text.c_str(), psz != nullptr ? psz : "");
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    const size_t found = m_text.find(ch, static_cast<size_t>(nStart));
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::Find(const char* pszSub, int nStart) const
{
    if (pszSub == nullptr || nStart < 0 || nStart > GetLength())
        return -1;
    const size_t found = m_text.find(pszSub, static_cast<size_t>(nStart));
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::ReverseFind(char ch) const
{
    const size_t found = m_text.rfind(ch);
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

CString CString::Left(int nCount) const
{
    if (nCount <= 0)
        return CString();
    return CString(m_text.substr(0, static_cast<size_t>(nCount)).c_str());
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return CString();
    if (nCount >= GetLength())
        return *this;
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(nCount)).c_str());
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst >= GetLength() || nCount <= 0)
        return CString();
    return CString(m_text.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)).c_str());
}

char* CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_text.resize(static_cast<size_t>(nMinBufLength));
    return &m_text[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0 || nNewLength > GetLength())
        nNewLength = static_cast<int>(std::strlen(m_text.c_str()));
    m_text.resize(static_cast<size_t>(nNewLength));
}

BOOL CString::LoadString(UINT nID)
{
    // Asked for a zero-size buffer, LoadStringW answers a read-only pointer to the resource text
    // and its length, so no fixed-size buffer limits the string.
    const wchar_t* pText = nullptr;
    const int nWide = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&pText), 0);
    if (nWide <= 0 || pText == nullptr || nWide > kMaxResourceString)
        return FALSE;
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pText, nWide, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return FALSE;
    std::string text(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, pText, nWide, &text[0], nBytes, nullptr, nullptr);
    m_text.swap(text);
    return TRUE;
}

void CString::FormatRaw(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args)
{
    if (pszFormat == nullptr) {
        Empty();
        return;
    }
    va_list measure;
    va_copy(measure, args);
    const int nLength = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (nLength < 0) {
        Empty();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), pszFormat, args);
    m_text.assign(buffer.data(), static_cast<size_t>(nLength));
}

CString operator+(const CString& a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, const char* b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(const char* a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, char b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(char a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const CString& b) { return !(a == b); }
