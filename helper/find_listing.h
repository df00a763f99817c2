#pragma once

// One open listing of a folder: closed exactly once, on every way out of the scope that opened it.
template <class TPlatform>
class CFindListing {
public:
    using Entry = typename TPlatform::Entry;

    CFindListing(TPlatform& platform, const char* pattern, Entry& entry)
        : m_platform(platform), m_entry(entry), m_bOpen(platform.FindFirst(pattern, entry, m_handle))
    {
    }

    ~CFindListing()
    {
        if (m_bOpen)
            m_platform.FindClose(m_handle);
    }

    CFindListing(const CFindListing&) = delete;
    CFindListing& operator=(const CFindListing&) = delete;

    bool IsOpen() const { return m_bOpen; }
    bool Next() { return m_platform.FindNext(m_handle, m_entry); }

private:
    TPlatform& m_platform;
    Entry& m_entry;
    typename TPlatform::FindHandle m_handle;
    bool m_bOpen;
};
