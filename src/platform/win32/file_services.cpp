#include "platform/win32/file_services.h"

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>

namespace tavrin::win32 {
namespace {

struct FileTraits {
    static void release(HANDLE h) { CloseHandle(h); }
};
using UniqueFile = Unique<HANDLE, FileTraits>;

// What the shell hands out with CoTaskMemAlloc.
struct TaskMemoryTraits {
    static void release(wchar_t* p) { CoTaskMemFree(p); }
};
using UniqueTaskString = Unique<wchar_t*, TaskMemoryTraits>;

// The file calls report failure as INVALID_HANDLE_VALUE, the wrapper as null.
UniqueFile openHandle(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    HANDLE h = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    return UniqueFile(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

// ReadFile and WriteFile take a DWORD count; larger amounts go in pieces.
constexpr std::size_t kLargestTransfer = 1u << 30;

constexpr const char* kSettingsFile = "C:\\Program Files\\Norvane.txt";

bool isFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string withoutClosingBackslash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

// The known folder's path; nothing when the shell cannot tell it.
std::optional<std::string> knownFolderPath(REFKNOWNFOLDERID id) {
    wchar_t* found = nullptr;
    const HRESULT result = SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &found);
    // Freed whether the call succeeded or not.
    const UniqueTaskString path(found);
    if (SUCCEEDED(result) && path && path.get()[0] != L'\0')
        return withoutClosingBackslash(utf8FromWide(path.get()));
    return std::nullopt;
}

class Win32FileReader : public FileReader {
  public:
    explicit Win32FileReader(UniqueFile file) : file_(std::move(file)) {}
    std::optional<std::size_t> read(char* buffer, std::size_t size) override {
        const auto want = static_cast<DWORD>(std::min(size, kLargestTransfer));
        DWORD got = 0;
        if (!ReadFile(file_.get(), buffer, want, &got, nullptr))
            return std::nullopt;
        return got;
    }

  private:
    UniqueFile file_;
};

} // namespace

std::string FileServices::settingsFilePath() const {
    return kSettingsFile;
}

std::optional<std::string> FileServices::localAppDataFolder() const {
    return knownFolderPath(FOLDERID_LocalAppData);
}

std::optional<std::string> FileServices::knownFolder(KnownFolder folder) const {
    switch (folder) {
    case KnownFolder::Profile:
        return knownFolderPath(FOLDERID_Profile);
    case KnownFolder::Documents:
        return knownFolderPath(FOLDERID_Documents);
    case KnownFolder::Pictures:
        return knownFolderPath(FOLDERID_Pictures);
    case KnownFolder::Music:
        return knownFolderPath(FOLDERID_Music);
    case KnownFolder::Videos:
        return knownFolderPath(FOLDERID_Videos);
    }
    return std::nullopt;
}

std::optional<std::string> FileServices::shortPath(const std::string& path) {
    const std::wstring longPath = wideFromUtf8(path);
    const DWORD needed = GetShortPathNameW(longPath.c_str(), nullptr, 0);
    if (needed == 0)
        return std::nullopt;
    std::wstring shortened(needed, L'\0');
    const DWORD written = GetShortPathNameW(longPath.c_str(), shortened.data(), needed);
    if (written == 0 || written >= needed)
        return std::nullopt;
    shortened.resize(written);
    // Where 8.3 names are not made, the long path comes back as it was.
    if (shortened == longPath)
        return std::nullopt;
    return utf8FromWide(shortened);
}

bool FileServices::fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<FileReader> FileServices::openFile(const std::string& path) {
    UniqueFile file = openHandle(wideFromUtf8(path), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file)
        return nullptr;
    return std::make_unique<Win32FileReader>(std::move(file));
}

std::optional<std::string> FileServices::readFile(const std::string& path) {
    std::unique_ptr<FileReader> file = openFile(path);
    return file ? readToEnd(*file) : std::nullopt;
}

bool FileServices::createFolders(const std::string& folder) {
    const std::wstring wide = wideFromUtf8(folder);
    // From the top down; a folder that is there already, a drive or a
    // server name simply fails to be made and the chain goes on.
    for (std::size_t slash = wide.find(L'\\'); slash != std::wstring::npos;
         slash = wide.find(L'\\', slash + 1))
        if (slash > 0)
            CreateDirectoryW(wide.substr(0, slash).c_str(), nullptr);
    CreateDirectoryW(wide.c_str(), nullptr);
    return isFolder(wide);
}

WriteResult FileServices::writeFileReplacing(const std::string& path, const std::string& bytes) {
    const std::wstring target = wideFromUtf8(path);
    const std::wstring temp = target + L".new";
    // Windows refuses to replace a read-only file; say so before writing
    // anything, and the same on systems that would replace it anyway.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return WriteResult::AccessDenied;
    UniqueFile file = openHandle(temp, GENERIC_WRITE, 0, CREATE_ALWAYS);
    // Only a folder that refuses the new file is the access-denied case of
    // an unelevated program. Once the new file is there, a later failure (a
    // scanner holding the old file open, say) is no reason to move the
    // settings to the per-user copy for good.
    if (!file)
        return GetLastError() == ERROR_ACCESS_DENIED ? WriteResult::AccessDenied
                                                     : WriteResult::Failed;
    // The new file is closed first, or it could not go.
    auto fail = [&] {
        file.reset();
        DeleteFileW(temp.c_str());
        return WriteResult::Failed;
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto want = static_cast<DWORD>(std::min(bytes.size() - done, kLargestTransfer));
        DWORD put = 0;
        if (!WriteFile(file.get(), bytes.data() + done, want, &put, nullptr) || put == 0)
            return fail();
        done += put;
    }
    // The new content must be on the disk before it replaces the old one.
    if (!FlushFileBuffers(file.get()))
        return fail();
    if (!CloseHandle(file.release()))
        return fail();
    if (!MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail();
    return WriteResult::Written;
}

} // namespace tavrin::win32
