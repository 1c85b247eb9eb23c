// The file system as far as the program sees it: the folders that stand
// for "C:\Program Files" and for the user's local application data, with
// locked reads, refused writes and writes cut short; and the ANSI code page
// (Windows-1252).
#include "sim_internal.h"

#include "../codepage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <tuple>

namespace tavrin::sim {
namespace {

constexpr const char* kProgramFiles = "C:\\Program Files";
constexpr const char* kLocalAppData = "C:\\Users\\invitado\\AppData\\Local";

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// What follows the folder in the path, "" for the folder itself; nothing
// when the path does not lie in the folder.
std::optional<std::string> below(const std::string& path, const std::string& folder) {
    if (!startsWithNoCase(path, folder))
        return std::nullopt;
    if (path.size() == folder.size())
        return std::string();
    if (path[folder.size()] != '\\')
        return std::nullopt;
    return path.substr(folder.size() + 1);
}

class SimFileReader : public FileReader {
  public:
    explicit SimFileReader(std::ifstream in) : in_(std::move(in)) {}
    std::optional<std::size_t> read(char* buffer, std::size_t size) override {
        in_.read(buffer, static_cast<std::streamsize>(size));
        if (in_.bad())
            return std::nullopt;
        return static_cast<std::size_t>(in_.gcount());
    }

  private:
    std::ifstream in_;
};

} // namespace

void SimDesktop::setProgramFilesFolder(const std::filesystem::path& folder) {
    if (ownsProgramFiles_) {
        std::error_code ignored;
        std::filesystem::remove_all(programFiles_, ignored);
        ownsProgramFiles_ = false;
    }
    programFiles_ = folder;
}

std::filesystem::path SimDesktop::settingsFile() const {
    return programFiles_ / "Norvane.txt";
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
    return std::string(kProgramFiles) + "\\Norvane.txt";
}

std::optional<std::string> SimDesktop::localAppDataFolder() const {
    if (localAppDataUnknown_)
        return std::nullopt;
    return kLocalAppData;
}

std::optional<SimDesktop::DiskPath> SimDesktop::mapPath(const std::string& windowsPath) const {
    const std::array<std::tuple<const char*, const std::filesystem::path*, bool>, 2> places = {{
        {kProgramFiles, &programFiles_, writeProtected_},
        {kLocalAppData, &localAppData_.path(), localAppDataWriteProtected_},
    }};
    for (const auto& [folder, disk, writeProtected] : places) {
        std::optional<std::string> rest = below(windowsPath, folder);
        if (!rest)
            continue;
        std::replace(rest->begin(), rest->end(), '\\', '/');
        return DiskPath{rest->empty() ? *disk : *disk / *rest, writeProtected};
    }
    return std::nullopt;
}

bool SimDesktop::fileExists(const std::string& path) {
    const auto disk = mapPath(path);
    std::error_code ec;
    return disk && std::filesystem::is_regular_file(disk->real, ec);
}

std::unique_ptr<FileReader> SimDesktop::openFile(const std::string& path) {
    if (readLocked_ || !fileExists(path))
        return nullptr;
    std::ifstream in(mapPath(path)->real, std::ios::binary);
    if (!in)
        return nullptr;
    return std::make_unique<SimFileReader>(std::move(in));
}

std::optional<std::string> SimDesktop::readFile(const std::string& path) {
    std::unique_ptr<FileReader> file = openFile(path);
    return file ? readToEnd(*file) : std::nullopt;
}

bool SimDesktop::createFolders(const std::string& folder) {
    const auto disk = mapPath(folder);
    if (!disk)
        return false;
    std::error_code ec;
    if (!disk->writeProtected)
        std::filesystem::create_directories(disk->real, ec);
    return std::filesystem::is_directory(disk->real, ec);
}

WriteResult SimDesktop::writeFileReplacing(const std::string& path, const std::string& bytes) {
    const auto disk = mapPath(path);
    if (!disk)
        return WriteResult::Failed;
    if (disk->writeProtected)
        return WriteResult::AccessDenied;
    std::filesystem::path temp = disk->real;
    temp += ".new";
    auto fail = [&] {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return WriteResult::Failed;
    };
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return fail();
        // A write cut short: part of the new content reached the disk.
        if (failWritesAfter_) {
            out.write(bytes.data(),
                      static_cast<std::streamsize>(std::min(*failWritesAfter_, bytes.size())));
            out.close();
            return fail();
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            return fail();
    }
    std::error_code ec;
    std::filesystem::rename(temp, disk->real, ec);
    return ec ? fail() : WriteResult::Written;
}

std::string SimDesktop::ansiFromUtf8(const std::string& utf8) const {
    return cp1252FromUtf8(utf8);
}

std::string SimDesktop::utf8FromAnsi(const std::string& ansi) const {
    return utf8FromCp1252(ansi);
}

} // namespace tavrin::sim
