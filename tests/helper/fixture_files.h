#pragma once

#include <string>
#include <vector>

// Files and folders a test puts on the prepared drives, made through Win32 and removed again (in
// reverse order) when the fixture goes out of scope.
class CFixtureFiles {
public:
    CFixtureFiles() = default;
    ~CFixtureFiles();
    CFixtureFiles(const CFixtureFiles&) = delete;
    CFixtureFiles& operator=(const CFixtureFiles&) = delete;

    // Absolute Windows paths; missing parent folders are made too. False when the system refused.
    bool AddFile(const std::string& path);
    bool AddFolder(const std::string& path, unsigned attributes = 0);

    // Removes a folder with everything in it (what an interrupted run left behind); a drive root
    // is emptied.
    static void RemoveTree(const std::string& folder);

private:
    bool MakeParents(const std::string& path);
    bool MakeFolder(const std::string& folder);

    struct Made {
        std::string path;
        bool folder;
    };
    std::vector<Made> m_made;
};
