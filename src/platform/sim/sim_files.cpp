// The file system as far as the program sees it: "C:\Program Files" and
// the user's local application data folder, kept in memory, with locked
// reads, refused writes and writes cut short; and the ANSI code page
// (Windows-1252); the user's known folders and the short paths.
#include "sim_internal.h"

#include "../codepage.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tavrin::sim {
namespace {

constexpr std::string_view kProgramFiles = "C:\\Program Files";
constexpr std::string_view kLocalAppData = "C:\\Users\\invitado\\AppData\\Local";
constexpr std::string_view kProfile = "C:\\Users\\invitado";
constexpr std::pair<KnownFolder, std::string_view> kKnownFolders[] = {
    {KnownFolder::Profile, ""},
    {KnownFolder::Documents, "\\Documents"},
    {KnownFolder::Pictures, "\\Pictures"},
    {KnownFolder::Music, "\\Music"},
    {KnownFolder::Videos, "\\Videos"}};

std::string lowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// The path is the folder or lies in it.
bool startsWithin(std::string_view path, std::string_view folder) {
    return startsWithNoCase(path, folder) &&
           (path.size() == folder.size() || path[folder.size()] == '\\');
}

// Reads the file's content as it was when it was opened.
class SimFileReader : public FileReader {
  public:
    explicit SimFileReader(FileStore::Bytes bytes) : bytes_(std::move(bytes)) {}
    std::optional<std::size_t> read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min(size, bytes_->size() - pos_);
        std::copy_n(bytes_->data() + pos_, count, buffer);
        pos_ += count;
        return count;
    }

  private:
    FileStore::Bytes bytes_;
    std::size_t pos_ = 0;
};

} // namespace

void SimDesktop::layOutFolders() {
    files_.makeFolders(std::string(kProgramFiles));
    files_.makeFolders(std::string(kLocalAppData));
    for (const auto& [folder, name] : kKnownFolders) {
        const std::string path = std::string(kProfile) + std::string(name);
        files_.makeFolders(path);
        knownFolders_[folder] = path;
    }
}

void SimDesktop::setKnownFolder(KnownFolder folder, std::optional<std::string> path) {
    knownFolders_[folder] = std::move(path);
}

std::optional<std::string> SimDesktop::knownFolder(KnownFolder folder) const {
    const auto it = knownFolders_.find(folder);
    return it == knownFolders_.end() ? std::nullopt : it->second;
}

void SimDesktop::setShortPath(const std::string& path, const std::string& shortPath) {
    shortPaths_[lowerCase(path)] = shortPath;
}

std::optional<std::string> SimDesktop::shortPath(const std::string& path) {
    const auto it = shortPaths_.find(lowerCase(path));
    if (it == shortPaths_.end() || !files_.exists(path))
        return std::nullopt;
    return it->second;
}

void SimDesktop::setLocalAppDataUnknown(bool unknown) {
    localAppDataUnknown_ = unknown;
}

void SimDesktop::setReadLocked(bool locked) {
    readLocked_ = locked;
}
void SimDesktop::setWriteProtected(bool writeProtected) {
    writeProtected_ = writeProtected;
}
void SimDesktop::setLocalAppDataWriteProtected(bool writeProtected) {
    localAppDataWriteProtected_ = writeProtected;
}
void SimDesktop::failWritesAfter(std::optional<std::size_t> bytes) {
    failWritesAfter_ = bytes;
}

std::string SimDesktop::settingsFilePath() const {
    static const std::string path = std::string(kProgramFiles) + "\\Norvane.txt";
    return path;
}

std::optional<std::string> SimDesktop::localAppDataFolder() const {
    if (localAppDataUnknown_)
        return std::nullopt;
    return std::string(kLocalAppData);
}

std::optional<bool> SimDesktop::writeProtection(const std::string& windowsPath) const {
    if (startsWithin(windowsPath, kProgramFiles))
        return writeProtected_;
    if (startsWithin(windowsPath, kLocalAppData))
        return localAppDataWriteProtected_;
    return std::nullopt;
}

bool SimDesktop::fileExists(const std::string& path) {
    return writeProtection(path) && files_.file(path);
}

std::unique_ptr<FileReader> SimDesktop::openFile(const std::string& path) {
    if (readLocked_ || !fileExists(path))
        return nullptr;
    return std::make_unique<SimFileReader>(files_.file(path));
}

std::optional<std::string> SimDesktop::readFile(const std::string& path) {
    std::unique_ptr<FileReader> file = openFile(path);
    return file ? readToEnd(*file) : std::nullopt;
}

bool SimDesktop::createFolders(const std::string& folder) {
    const std::optional<bool> writeProtected = writeProtection(folder);
    if (!writeProtected)
        return false;
    if (!*writeProtected)
        files_.makeFolders(folder);
    return files_.isFolder(folder);
}

// As on Windows, the new content goes into a file beside the old one,
// which it then replaces.
WriteResult SimDesktop::writeFileReplacing(const std::string& path, const std::string& bytes) {
    const std::optional<bool> writeProtected = writeProtection(path);
    if (!writeProtected)
        return WriteResult::Failed;
    if (*writeProtected)
        return WriteResult::AccessDenied;
    const std::string temp = path + ".new";
    // A write cut short: part of the new content reached the disk.
    const std::size_t written = std::min(failWritesAfter_.value_or(bytes.size()), bytes.size());
    if (!files_.write(temp, bytes.substr(0, written)))
        return WriteResult::Failed;
    if (failWritesAfter_ || !files_.move(temp, path)) {
        files_.remove(temp);
        return WriteResult::Failed;
    }
    return WriteResult::Written;
}

std::string SimDesktop::ansiFromUtf8(const std::string& utf8) const {
    return cp1252FromUtf8(utf8);
}

std::string SimDesktop::utf8FromAnsi(const std::string& ansi) const {
    return utf8FromCp1252(ansi);
}

bool SimDesktop::fitsAnsi(const std::string& utf8) const {
    return utf8FromCp1252(cp1252FromUtf8(utf8)) == utf8;
}

} // namespace tavrin::sim
