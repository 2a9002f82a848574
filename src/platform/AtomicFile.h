#pragma once
// Files that change are written whole to a temporary file beside the target
// and renamed into place, so a crash leaves either the old or the new file.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cardoria {

// The new content takes the place of the file the path names in the end (a
// symbolic link is followed, not replaced) with the old file's permissions,
// and the file and its folder are synced. False when the temporary file can
// not be written or renamed, when the folder can not be synced afterwards, and
// without writing anything when the file exists but is write-protected or is
// no plain file; the old file is then untouched.
bool WriteFileAtomic(const std::string& path, std::string_view content);
// The same; `beforeRename` is asked once the temporary file is complete and
// synced, and a false answer abandons the write as a failed rename would.
bool WriteFileAtomic(const std::string& path, std::string_view content,
                     const std::function<bool(const std::string& temporary)>& beforeRename);

// Whether `name` is one of the temporary files WriteFileAtomic makes for a
// target named `targetName` (both plain file names, no folder).
bool IsTemporaryFileOf(const std::string& targetName, const std::string& name);

// Removes the temporary files of `path` that an interrupted write left
// behind; a file that a running write still holds is left alone. The number
// removed.
int RemoveStaleTemporaryFiles(const std::string& path);
int RemoveStaleTemporaryFiles(const std::vector<std::string>& paths);
// The same for every file of a folder.
int RemoveStaleTemporaryFilesIn(const std::string& folder);

// The whole content of a file, or nothing when it can not be read. Files
// larger than `limit` bytes are not read.
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit = 64u << 20);

}  // namespace cardoria
