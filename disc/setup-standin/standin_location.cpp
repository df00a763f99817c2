#include "standin_location.h"

#include <vector>

namespace {

const char kHelperFileName[] = "helper.dll";

std::vector<std::size_t> BackslashPositions(const std::string& path, LeadBytePredicate isLeadByte)
{
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte != nullptr && isLeadByte(byte) && i + 1 < path.size()) {
            ++i;  // skip the trail byte, whatever its value
            continue;
        }
        if (byte == '\\')
            positions.push_back(i);
    }
    return positions;
}

}  // namespace

bool LocateStandin(const std::string& ownPath, LeadBytePredicate isLeadByte, StandinLocation& location)
{
    const std::vector<std::size_t> positions = BackslashPositions(ownPath, isLeadByte);
    if (positions.size() < 2)
        return false;
    const std::size_t fileSeparator = positions[positions.size() - 1];
    const std::size_t folderSeparator = positions[positions.size() - 2];
    location.folderName = ownPath.substr(folderSeparator + 1, fileSeparator - folderSeparator - 1);
    location.discRoot = ownPath.substr(0, folderSeparator + 1);
    return !location.folderName.empty();
}

std::string HelperPathOnDisc(const StandinLocation& location)
{
    return location.discRoot + kHelperFileName;
}
