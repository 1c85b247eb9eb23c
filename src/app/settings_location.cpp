#include "settings_location.h"

#include "platform/window_system.h"

namespace tavrin {
namespace {

constexpr std::string_view kVirtualStore = "\\VirtualStore";

// "C:\Program Files\Norvane.txt" without "C:".
std::string_view withoutDrive(std::string_view path) {
    const bool hasDrive = path.size() >= 2 && path[1] == ':';
    return hasDrive ? path.substr(2) : path;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

std::optional<std::string> perUserSettingsPath(const WindowSystem& ws) {
    std::optional<std::string> path = ws.localAppDataFolder();
    if (!path || path->empty())
        return std::nullopt;
    path->append(kVirtualStore).append(withoutDrive(ws.settingsFilePath()));
    return path;
}

std::unique_ptr<FileReader> openSettingsFile(WindowSystem& ws) {
    const std::optional<std::string> perUser = perUserSettingsPath(ws);
    if (perUser && ws.fileExists(*perUser))
        return ws.openFile(*perUser);
    return ws.openFile(ws.settingsFilePath());
}

bool writeSettingsFile(WindowSystem& ws, const std::string& bytes) {
    const std::optional<std::string> perUser = perUserSettingsPath(ws);
    if (perUser && ws.fileExists(*perUser))
        return ws.writeFileReplacing(*perUser, bytes) == WriteResult::Written;
    const WriteResult result = ws.writeFileReplacing(ws.settingsFilePath(), bytes);
    if (result != WriteResult::AccessDenied || !perUser)
        return result == WriteResult::Written;
    return ws.createFolders(folderOf(*perUser)) &&
           ws.writeFileReplacing(*perUser, bytes) == WriteResult::Written;
}

} // namespace tavrin
