#include "fake_file_system.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>

namespace {

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

// '?' is one character, '*' any run; letter case does not matter.
bool WildcardMatch(const char* pattern, const char* name)
{
    if (*pattern == '\0')
        return *name == '\0';
    if (*pattern == '*')
        return WildcardMatch(pattern + 1, name) || (*name != '\0' && WildcardMatch(pattern, name + 1));
    if (*name == '\0')
        return false;
    if (*pattern != '?' && std::toupper(static_cast<unsigned char>(*pattern)) !=
                               std::toupper(static_cast<unsigned char>(*name)))
        return false;
    return WildcardMatch(pattern + 1, name + 1);
}

}  // namespace

CFakeFileSystem::CFakeFileSystem() = default;

CFakeFileSystem::~CFakeFileSystem()
{
    for (char* block : m_blocks)
        delete[] block;
}

CFakeFileSystem::Node* CFakeFileSystem::NewNode()
{
    m_nodes.push_back(std::make_unique<Node>());
    return m_nodes.back().get();
}

void CFakeFileSystem::AddDrive(const std::string& root, unsigned type)
{
    m_drives.push_back({root, type, NewNode()});
}

CFakeFileSystem::Node* CFakeFileSystem::DriveNode(const std::string& letter) const
{
    for (const Drive& drive : m_drives)
        if (Upper(drive.root.substr(0, 2)) == Upper(letter))
            return drive.node;
    for (const auto& detached : m_detached)
        if (Upper(detached.first) == Upper(letter))
            return detached.second;
    return nullptr;
}

CFakeFileSystem::Child* CFakeFileSystem::FindChild(Node* node, const std::string& name) const
{
    for (Child& child : node->children)
        if (Upper(child.name) == Upper(name))
            return &child;
    return nullptr;
}

CFakeFileSystem::Node* CFakeFileSystem::Resolve(const std::string& folder) const
{
    const std::vector<std::string> parts = SplitPath(folder);
    if (parts.empty())
        return nullptr;
    Node* node = DriveNode(parts[0]);
    for (size_t i = 1; node != nullptr && i < parts.size(); ++i) {
        const Child* child = FindChild(node, parts[i]);
        node = child != nullptr ? child->folder : nullptr;
    }
    return node;
}

CFakeFileSystem::Node* CFakeFileSystem::MakeFolder(const std::string& path)
{
    const std::vector<std::string> parts = SplitPath(path);
    Node* node = DriveNode(parts.at(0));
    if (node == nullptr)
        throw std::logic_error("no drive for " + path);
    for (size_t i = 1; i < parts.size(); ++i) {
        Child* child = FindChild(node, parts[i]);
        if (child == nullptr) {
            Node* folder = NewNode();
            node->children.push_back({parts[i], kDirectory, folder});
            node = folder;
        } else {
            node = child->folder;
            if (node == nullptr)
                throw std::logic_error("a file is in the way of " + path);
        }
    }
    return node;
}

void CFakeFileSystem::AddChild(const std::string& path, unsigned attributes, Node* folder)
{
    const size_t slash = path.find_last_of('\\');
    Node* parent = MakeFolder(path.substr(0, slash + 1));
    parent->children.push_back({path.substr(slash + 1), attributes, folder});
}

void CFakeFileSystem::AddFolder(const std::string& path, unsigned extraAttributes)
{
    std::string trimmed = path;
    if (!trimmed.empty() && trimmed.back() == '\\')
        trimmed.pop_back();
    AddChild(trimmed, kDirectory | extraAttributes, NewNode());
}

void CFakeFileSystem::AddFile(const std::string& path)
{
    AddChild(path, 0x20, nullptr);
}

void CFakeFileSystem::AddFolderLink(const std::string& linkPath, const std::string& target)
{
    AddChild(linkPath, kDirectory | kLink, MakeFolder(target));
}

void CFakeFileSystem::AddDetachedFolder(const std::string& key)
{
    m_detached.push_back({key, NewNode()});
}

void CFakeFileSystem::AddFileToDetached(const std::string& key, const std::string& name)
{
    DriveNode(key)->children.push_back({name, 0x20, nullptr});
}

void CFakeFileSystem::AddLinkToDetached(const std::string& linkPath, const std::string& key)
{
    AddChild(linkPath, kDirectory | kLink, DriveNode(key));
}

void CFakeFileSystem::AddDriveOnFetch(const std::string& root, unsigned type, int times)
{
    m_pendingDrive = {root, type, nullptr};
    m_nPendingDriveTimes = times;
}

int CFakeFileSystem::FolderListings() const
{
    return static_cast<int>(std::count_if(m_events.begin(), m_events.end(), [](const std::string& e) {
        return e.rfind("find ", 0) == 0 && e.size() >= 2 && e.compare(e.size() - 2, 2, "\\*") == 0;
    }));
}

bool CFakeFileSystem::FindFirst(const char* pattern, Entry& entry, FindHandle& handle)
{
    Record(std::string("find ") + pattern);
    const std::string text = pattern;
    const size_t slash = text.find_last_of('\\');
    Node* folder = slash == std::string::npos ? nullptr : Resolve(text.substr(0, slash + 1));
    if (folder == nullptr)
        return false;
    const std::string namePattern = text.substr(slash + 1);
    Listing listing;
    const std::vector<Entry> dots = {{kDirectory, "."}, {kDirectory, ".."}};
    for (const Entry& dot : dots)
        if (WildcardMatch(namePattern.c_str(), dot.name.c_str()))
            listing.entries.push_back(dot);
    for (const Child& child : folder->children)
        if (WildcardMatch(namePattern.c_str(), child.name.c_str()))
            listing.entries.push_back({child.attributes, child.name});
    if (listing.entries.empty())
        return false;
    entry = listing.entries[0];
    listing.next = 1;
    m_listings.push_back(listing);
    handle = static_cast<int>(m_listings.size());
    m_openHandles.insert(handle);
    return true;
}

bool CFakeFileSystem::FindNext(FindHandle handle, Entry& entry)
{
    Record("next");
    if (m_openHandles.count(handle) == 0)
        throw std::logic_error("FindNext on a listing that is not open");
    Listing& listing = m_listings[handle - 1];
    if (listing.next >= listing.entries.size())
        return false;
    entry = listing.entries[listing.next++];
    return true;
}

void CFakeFileSystem::FindClose(FindHandle handle)
{
    Record("close");
    if (m_openHandles.erase(handle) == 0)
        ++m_nBadCloses;
}

std::string CFakeFileSystem::DriveBlock() const
{
    std::string block;
    for (const Drive& drive : m_drives) {
        block += drive.root;
        block += '\0';
    }
    block += '\0';
    return block;
}

unsigned CFakeFileSystem::QueryDriveStrings(unsigned size, char* block)
{
    Record("drives " + std::to_string(size));
    if (m_bFailDriveList)
        return 0;
    if (size != 0 && m_nPendingDriveTimes > 0) {
        // A drive appears between the size query and this fetch.
        --m_nPendingDriveTimes;
        std::string root = m_pendingDrive.root;
        root[0] = static_cast<char>(root[0] + m_nPendingDriveTimes);
        AddDrive(root, m_pendingDrive.type);
    }
    const std::string text = DriveBlock();
    if (size < text.size())
        return static_cast<unsigned>(text.size());
    std::memcpy(block, text.data(), text.size());
    return static_cast<unsigned>(text.size() - 1);
}

unsigned CFakeFileSystem::QueryDriveType(const char* root)
{
    Record(std::string("type ") + root);
    for (const Drive& drive : m_drives)
        if (drive.root == root)
            return drive.type;
    return 1;
}

char* CFakeFileSystem::AllocateBlock(unsigned chars)
{
    Record("allocate " + std::to_string(chars));
    if (m_bFailAllocation)
        return nullptr;
    char* block = new char[chars];
    std::memset(block, 0x5A, chars);
    m_blocks.insert(block);
    ++m_nBlocksOutstanding;
    return block;
}

void CFakeFileSystem::ReleaseBlock(char* block)
{
    Record("release");
    if (m_blocks.erase(block) == 0)
        throw std::logic_error("release of a block that was not allocated");
    delete[] block;
    --m_nBlocksOutstanding;
}

bool CFakeFileSystem::ShouldStop()
{
    ++m_nChecks;
    Record("check");
    return m_nStopAtCheck > 0 && m_nChecks >= m_nStopAtCheck;
}
