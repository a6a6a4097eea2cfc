#pragma once
// The window skin: the skin library and its skin file travel inside the program, are written to
// the Windows folder of the per-user drive C at every start and attached before any window exists.

#include <string>
#include <vector>

namespace cinevora {

struct Program;
class Drive;

inline constexpr char SKIN_LIBRARY_PATH[] = "C:\\Windows\\wurmix.dll";
inline constexpr char SKIN_FILE_PATH[] = "C:\\Windows\\win8.she";

// Writes SkinLibraryImage and SkinFileImage over the two files (creating their folder), then
// attaches the skin file. A write that fails is not reported: the files already there, if any,
// are used. When the skin library cannot be loaded it has shown the error and ended the program
// (program.skin.Failed()). UI thread.
void SkinInstaller(Program& program);

// Where the skin library is looked for by its file name: the mapped Windows folder first, then
// the folder of the running executable.
std::vector<std::string> SkinLibrarySearchFolders(const Drive& drive);

}  // namespace cinevora
