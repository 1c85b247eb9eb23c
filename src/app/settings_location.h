// Where the settings file is read and written. Only an elevated program
// may write to "C:\Program Files". Windows used to let older programs
// write there all the same by keeping a per-user copy of the file in the
// user's VirtualStore folder, and showed them that copy when they read the
// file; it does this for no program with a manifest. The program does the
// same itself, so that a normal account can save its settings and a copy
// already kept in the VirtualStore is still found.
#pragma once

#include "platform/file_reader.h"

#include <memory>
#include <optional>
#include <string>

namespace tavrin {

class WindowSystem;

// The per-user copy: the settings file's path without its drive, under
// "VirtualStore" in the user's local application data folder, as in
// "%LOCALAPPDATA%\VirtualStore\Program Files\Norvane.txt". Nothing when
// the system cannot tell that folder.
std::optional<std::string> perUserSettingsPath(const WindowSystem& ws);

// The settings file opened for reading: the per-user copy when there is
// one, else the file itself. Null when the one chosen cannot be opened.
std::unique_ptr<FileReader> openSettingsFile(WindowSystem& ws);

// Writes the settings file's new content into the per-user copy when there
// is one or when writing the file itself is refused (access denied),
// creating the copy's folders as needed; else into the file itself. False
// when the content could not be written where it belongs. An existing
// per-user copy is never passed over for the file itself, which the next
// read would not see.
bool writeSettingsFile(WindowSystem& ws, const std::string& bytes);

} // namespace tavrin
