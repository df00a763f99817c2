#pragma once

#include "drive_list.h"
#include "find_listing.h"
#include "path_text.h"
#include "search_platform.h"

// The host search: the default folder's tree, then every fixed drive, then the default folder as
// the fall-back. Everything lives on the stack; the only heap block is the drive list.
template <class TPlatform>
class CHostSearch {
public:
    explicit CHostSearch(TPlatform& platform) : m_platform(platform) {}

    // Leaves the folder found (or the default folder) followed by the plug-in subfolder in
    // result, never more than kPathChars characters with the NUL.
    void LocateHost(const char* exeName, const char* defaultFolder, const char* pluginSubfolder,
                    char* result)
    {
        const unsigned subfolderLength = TextLength(pluginSubfolder);
        m_nFolderLimit = subfolderLength < kMaxPathLength ? kMaxPathLength - subfolderLength : 0;
        if (SearchTree(defaultFolder, exeName, result) || SearchFixedDrives(exeName, result)) {
            ComposePath(result, result, TextLength(result), pluginSubfolder, "");
            return;
        }
        if (ComposePath(result, defaultFolder, TextLength(defaultFolder), pluginSubfolder, "") == 0)
            result[0] = '\0';
    }

    // 1 with the folder that holds exeName in result; 0 (result untouched) when not found or
    // cancelled.
    int SearchTree(const char* folder, const char* exeName, char* result)
    {
        return WalkFolder(folder, TextLength(folder), exeName, result, false);
    }

    int SearchFixedDrives(const char* exeName, char* result)
    {
        const CDriveList<TPlatform> drives(m_platform);
        const char* root = drives.First();
        if (root == nullptr)
            return 0;
        for (; *root != '\0'; root += TextLength(root) + 1) {
            if (m_platform.ShouldStop())
                return 0;
            if (m_platform.QueryDriveType(root) == kDriveFixed && SearchTree(root, exeName, result))
                return 1;
        }
        return 0;
    }

private:
    using Entry = typename TPlatform::Entry;

    // onLinkedPath: a folder on the way here is a folder link. Below one, no further link is
    // followed, so links that lead back up the tree cannot make the walk repeat itself.
    int WalkFolder(const char* folder, unsigned folderLength, const char* exeName, char* result,
                   bool onLinkedPath)
    {
        char pattern[kPathChars];
        Entry entry;
        // Nothing in a folder whose own test or result would not fit can be reported.
        if (folderLength > m_nFolderLimit || ComposePath(pattern, folder, folderLength, exeName, "") == 0)
            return 0;
        if (HasMatch(pattern, entry)) {
            ComposePath(result, folder, folderLength, "", "");
            return 1;
        }
        if (m_platform.ShouldStop())
            return 0;
        if (ComposePath(pattern, folder, folderLength, "*", "") == 0)
            return 0;
        CFindListing<TPlatform> listing(m_platform, pattern, entry);
        if (!listing.IsOpen())
            return 0;
        do {
            if (WalkEntry(folder, folderLength, entry, exeName, result, onLinkedPath))
                return 1;
            if (m_platform.ShouldStop())
                return 0;
        } while (listing.Next());
        return 0;
    }

    int WalkEntry(const char* folder, unsigned folderLength, const Entry& entry,
                  const char* exeName, char* result, bool onLinkedPath)
    {
        const unsigned attributes = TPlatform::EntryAttributes(entry);
        const char* name = TPlatform::EntryName(entry);
        if ((attributes & kAttributeDirectory) == 0 || TextEquals(name, ".") || TextEquals(name, ".."))
            return 0;
        const bool isLink = (attributes & kAttributeReparsePoint) != 0;
        if (isLink && onLinkedPath)
            return 0;
        char subfolder[kPathChars];
        const unsigned subfolderLength = ComposePath(subfolder, folder, folderLength, name, "\\");
        if (subfolderLength == 0)
            return 0;
        return WalkFolder(subfolder, subfolderLength, exeName, result, onLinkedPath || isLink);
    }

    bool HasMatch(const char* pattern, Entry& entry)
    {
        const CFindListing<TPlatform> listing(m_platform, pattern, entry);
        return listing.IsOpen();
    }

    TPlatform& m_platform;
    unsigned m_nFolderLimit = kMaxPathLength;
};
