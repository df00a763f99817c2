#include "fixture_files.h"

#include <windows.h>

CFixtureFiles::~CFixtureFiles()
{
    for (auto it = m_made.rbegin(); it != m_made.rend(); ++it) {
        SetFileAttributesA(it->path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (it->folder)
            RemoveDirectoryA(it->path.c_str());
        else
            DeleteFileA(it->path.c_str());
    }
}

bool CFixtureFiles::MakeFolder(const std::string& folder)
{
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!CreateDirectoryA(folder.c_str(), nullptr))
        return false;
    m_made.push_back({folder, true});
    return true;
}

bool CFixtureFiles::MakeParents(const std::string& path)
{
    // Every prefix that ends before a backslash, after the drive root.
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
        if (!MakeFolder(path.substr(0, slash)))
            return false;
    return true;
}

bool CFixtureFiles::AddFile(const std::string& path)
{
    if (!MakeParents(path))
        return false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    m_made.push_back({path, false});
    return true;
}

bool CFixtureFiles::AddFolder(const std::string& path, unsigned attributes)
{
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    if (!MakeParents(folder) || !MakeFolder(folder))
        return false;
    return attributes == 0 || SetFileAttributesA(folder.c_str(), attributes);
}

void CFixtureFiles::RemoveTree(const std::string& folder)
{
    const std::string base = folder.back() == '\\' ? folder : folder + "\\";
    WIN32_FIND_DATAA entry;
    HANDLE listing = FindFirstFileA((base + "*").c_str(), &entry);
    if (listing != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = base + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(listing, &entry));
        FindClose(listing);
    }
    if (base.size() > 3)
        RemoveDirectoryA(folder.c_str());
}
