// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the owner goes.
#pragma once

#include <filesystem>
#include <string>

namespace tavrin::sim {

class TempFolder {
  public:
    // The folder's name starts with the stem.
    explicit TempFolder(const std::string& stem);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace tavrin::sim
