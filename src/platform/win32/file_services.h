// Files on Windows: the settings file's place, the user's known folders,
// short paths, reading in pieces, making folders and writing
// a file so that it is replaced in one step. Each member behaves as the
// WindowSystem member of the same name; Win32Desktop forwards to it.
#pragma once

#include "platform/file_reader.h"
#include "platform/window_system.h"

#include <memory>
#include <optional>
#include <string>

namespace tavrin::win32 {

class FileServices {
  public:
    std::string settingsFilePath() const;
    // The LOCALAPPDATA known folder; nothing when the system cannot tell
    // it.
    std::optional<std::string> localAppDataFolder() const;
    std::optional<std::string> knownFolder(KnownFolder folder) const;
    std::optional<std::string> shortPath(const std::string& path);
    bool fileExists(const std::string& path);
    std::unique_ptr<FileReader> openFile(const std::string& path);
    // The whole file; nothing when it cannot be opened or read.
    std::optional<std::string> readFile(const std::string& path);
    bool createFolders(const std::string& folder);
    // A read-only file counts as access denied: Windows refuses to replace
    // it with that answer.
    WriteResult writeFileReplacing(const std::string& path, const std::string& bytes);
};

} // namespace tavrin::win32
