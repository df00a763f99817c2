#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

// A file system for the host search that records every call it receives. Folders form a tree per
// drive; a folder link is an entry that leads to another folder node (anywhere, also up the tree).
// Listings come in the order the entries were added, "." and ".." first, as a real volume gives them.
class CFakeFileSystem {
public:
    struct Entry {
        unsigned attributes = 0;
        std::string name;
    };
    using FindHandle = int;

    static constexpr unsigned kDirectory = 0x10;
    static constexpr unsigned kHidden = 0x02;
    static constexpr unsigned kLink = 0x400;

    CFakeFileSystem();
    ~CFakeFileSystem();

    // Setup. Paths are absolute with a drive letter ("D:\Apps\Premiere\"); missing parent folders
    // are created on the way. Letter case is kept in the names and ignored in the lookups.
    void AddDrive(const std::string& root, unsigned type);
    void AddFolder(const std::string& path, unsigned extraAttributes = 0);
    void AddFile(const std::string& path);
    // An entry named linkPath whose target is the folder target (made if missing).
    void AddFolderLink(const std::string& linkPath, const std::string& target);
    // A folder that belongs to no drive, reachable only through links.
    void AddDetachedFolder(const std::string& key);
    void AddFileToDetached(const std::string& key, const std::string& name);
    void AddLinkToDetached(const std::string& linkPath, const std::string& key);

    // Behaviour.
    void StopAtCheck(int k) { m_nStopAtCheck = k; }  // the k-th check (1-based) and all later answer stop
    void FailAllocation() { m_bFailAllocation = true; }
    void FailDriveList() { m_bFailDriveList = true; }
    void AddDriveOnFetch(const std::string& root, unsigned type, int times);

    // What happened.
    const std::vector<std::string>& Events() const { return m_events; }
    int Checks() const { return m_nChecks; }
    int OpenListings() const { return static_cast<int>(m_openHandles.size()); }
    int BadCloses() const { return m_nBadCloses; }
    int BlocksOutstanding() const { return m_nBlocksOutstanding; }
    int FolderListings() const;  // FindFirst calls on folder + "*", answered or not

    // The platform interface of the host search.
    bool FindFirst(const char* pattern, Entry& entry, FindHandle& handle);
    bool FindNext(FindHandle handle, Entry& entry);
    void FindClose(FindHandle handle);
    unsigned QueryDriveStrings(unsigned size, char* block);
    unsigned QueryDriveType(const char* root);
    char* AllocateBlock(unsigned chars);
    void ReleaseBlock(char* block);
    bool ShouldStop();
    static unsigned EntryAttributes(const Entry& entry) { return entry.attributes; }
    static const char* EntryName(const Entry& entry) { return entry.name.c_str(); }

private:
    struct Node;
    struct Child {
        std::string name;
        unsigned attributes;
        Node* folder;  // null for a file
    };
    struct Node {
        std::vector<Child> children;
    };
    struct Drive {
        std::string root;
        unsigned type;
        Node* node;
    };
    struct Listing {
        std::vector<Entry> entries;
        size_t next = 0;
    };

    Node* NewNode();
    Node* DriveNode(const std::string& letter) const;
    Node* Resolve(const std::string& folder) const;  // null when missing
    Node* MakeFolder(const std::string& path);       // creates missing folders
    Child* FindChild(Node* node, const std::string& name) const;
    void AddChild(const std::string& path, unsigned attributes, Node* folder);
    std::string DriveBlock() const;
    void Record(const std::string& event) { m_events.push_back(event); }

    std::vector<std::unique_ptr<Node>> m_nodes;
    std::vector<Drive> m_drives;
    std::vector<std::pair<std::string, Node*>> m_detached;
    std::vector<Listing> m_listings;
    std::set<int> m_openHandles;
    std::vector<std::string> m_events;
    std::set<char*> m_blocks;
    Drive m_pendingDrive{};
    int m_nPendingDriveTimes = 0;
    int m_nStopAtCheck = 0;
    int m_nChecks = 0;
    int m_nBadCloses = 0;
    int m_nBlocksOutstanding = 0;
    bool m_bFailAllocation = false;
    bool m_bFailDriveList = false;
};
