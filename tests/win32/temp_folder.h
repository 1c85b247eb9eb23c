// A fresh folder under the temp folder, with a name the ANSI code page can
// hold only as a non-ASCII byte; removed with whatever it still holds.
#pragma once

#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <string>

namespace tavrin::win32 {

inline bool fileExists(const std::string& utf8) {
    return GetFileAttributesW(wideFromUtf8(utf8).c_str()) != INVALID_FILE_ATTRIBUTES;
}

class TempFolder {
  public:
    // The stem tells apart the folders of tests that run at the same time.
    explicit TempFolder(const std::string& stem = "m\u00fasica") {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = utf8FromWide(base) + "tavrin-" + stem + "-" + std::to_string(GetCurrentProcessId());
        removeTree(wideFromUtf8(path_));
        created_ = CreateDirectoryW(wideFromUtf8(path_).c_str(), nullptr) != FALSE;
    }
    ~TempFolder() { removeTree(wideFromUtf8(path_)); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string file(const std::string& name) const { return path_ + "\\" + name; }
    const std::string& path() const { return path_; }
    // Wine stores file names in the Unix locale's character set; a locale
    // that lacks "ú" (LANG=C, or one not generated) cannot make the folder.
    bool created() const { return created_; }
    std::string whyNotCreated() const {
        return "cannot create " + path_ + ": run Wine with LANG=es_ES.UTF-8 (a generated locale)";
    }

  private:
    struct FindTraits {
        static void release(HANDLE h) { FindClose(h); }
    };

    static void removeTree(const std::wstring& folder) {
        WIN32_FIND_DATAW found;
        HANDLE first = FindFirstFileW((folder + L"\\*").c_str(), &found);
        Unique<HANDLE, FindTraits> search(first == INVALID_HANDLE_VALUE ? nullptr : first);
        for (bool more = bool(search); more; more = FindNextFileW(search.get(), &found)) {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring item = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(item);
            } else {
                SetFileAttributesW(item.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(item.c_str());
            }
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::string path_;
    bool created_ = false;
};

} // namespace tavrin::win32
