// The simulated desktop's disk: folders and files kept in memory under
// their Windows paths. Paths compare as Windows compares them, without
// regard to ASCII case, and a doubled or closing backslash counts once. A
// file's bytes are shared with the readers that opened it, so that a file
// replaced under an open reader leaves the reader on the old content.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::sim {

class FileStore {
  public:
    using Bytes = std::shared_ptr<const std::string>;

    // Makes the folder and every missing folder above it; false when a file
    // stands in the way.
    bool makeFolders(const std::string& folder);
    bool isFolder(const std::string& path) const;
    // The file's content; null when there is no file (a folder is none).
    Bytes file(const std::string& path) const;
    // Writes the file into its folder, replacing a file of that name; false
    // when the folder is missing or a folder has that name.
    bool write(const std::string& path, std::string bytes);
    // Renames the file, replacing a file of the new name; false when there
    // is no such file or a folder has the new name.
    bool move(const std::string& from, const std::string& to);
    // The file, or the folder with everything in it, is gone.
    void remove(const std::string& path);

    // For tests, beyond the program's view. The file with its folders made
    // as needed, whatever stood there before.
    void put(const std::string& path, const std::string& bytes);
    // The file's content; nothing when there is no file.
    std::optional<std::string> read(const std::string& path) const;
    bool exists(const std::string& path) const;
    // The names in the folder, as they were first spelled, ordered without
    // regard to case.
    std::vector<std::string> list(const std::string& folder) const;

  private:
    // The path's key, in memory kept for lookups.
    const std::string& lookupKey(const std::string& path) const;
    bool isFolderKey(std::string_view key) const;
    bool writeShared(const std::string& path, Bytes bytes);

    struct Entry {
        std::string name;
        Bytes bytes; // null for a folder
    };
    // By the path's key: its names in lower case, joined by backslashes.
    std::map<std::string, Entry, std::less<>> entries_;
    mutable std::string lookupKey_;
};

} // namespace tavrin::sim
