// A fresh folder under the temp folder, with a name the ANSI code page can
// hold only as a non-ASCII byte; removed with whatever it still holds,
// read-only files too.
#pragma once

#include "platform/win32/wide.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace tavrin::win32 {

class TempFolder {
  public:
    TempFolder()
        : path_(std::filesystem::temp_directory_path() /
                wideFromUtf8("tavrin-m\u00fasica-" + std::to_string(GetCurrentProcessId()))) {
        remove();
        created_ = std::filesystem::create_directory(path_, error_);
    }
    ~TempFolder() { remove(); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return utf8FromWide(path_.wstring()); }
    // Wine stores file names in the Unix locale's character set; a locale
    // that lacks "ú" (LANG=C, or one not generated) cannot make the folder.
    bool created() const { return created_; }

  private:
    void remove() {
        for (const auto& item : std::filesystem::recursive_directory_iterator(path_, error_))
            SetFileAttributesW(item.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(path_, error_);
    }

    std::filesystem::path path_;
    std::error_code error_;
    bool created_ = false;
};

} // namespace tavrin::win32
