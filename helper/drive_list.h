#pragma once

// The roots of every drive in use, as one block of NUL-ended roots ended by one more NUL. The block
// comes from the heap and goes back to it when the list goes out of scope.
template <class TPlatform>
class CDriveList {
public:
    explicit CDriveList(TPlatform& platform) : m_platform(platform) { Fetch(); }

    ~CDriveList()
    {
        if (m_pBlock != nullptr)
            m_platform.ReleaseBlock(m_pBlock);
    }

    CDriveList(const CDriveList&) = delete;
    CDriveList& operator=(const CDriveList&) = delete;

    // The first root, or null when there is no list (no drives, no memory).
    const char* First() const { return m_pBlock; }

private:
    // A drive added between the size query and the fetch makes the fetch answer the larger size;
    // asking again at that size, a few times at most, means the scan only ever reads a whole list.
    static constexpr int kFetchAttempts = 4;

    void Fetch()
    {
        unsigned size = m_platform.QueryDriveStrings(0, nullptr);
        for (int attempt = 0; attempt < kFetchAttempts && size != 0; ++attempt) {
            char* block = m_platform.AllocateBlock(size);
            if (block == nullptr)
                return;
            const unsigned filled = m_platform.QueryDriveStrings(size, block);
            if (filled != 0 && filled < size) {
                m_pBlock = block;
                return;
            }
            m_platform.ReleaseBlock(block);
            size = filled;
        }
    }

    TPlatform& m_platform;
    char* m_pBlock = nullptr;
};
