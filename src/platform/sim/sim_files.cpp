// The file system as far as the program sees it: the folder that stands
// for "C:\\Program Files", with locked reads, write protection and writes
// cut short; and the ANSI code page (Windows-1252).
#include "sim_internal.h"

#include "../codepage.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace tavrin::sim {
namespace {

constexpr const char* kProgramFilesPrefix = "C:\\Program Files\\";

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

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

void SimDesktop::setReadLocked(bool locked) {
    readLocked_ = locked;
}
void SimDesktop::setWriteProtected(bool writeProtected) {
    writeProtected_ = writeProtected;
}
void SimDesktop::failWritesAfter(std::optional<std::size_t> bytes) {
    failWritesAfter_ = bytes;
}

std::string SimDesktop::settingsFilePath() const {
    return "C:\\Program Files\\Norvane.txt";
}

std::optional<std::filesystem::path> SimDesktop::mapPath(const std::string& windowsPath) const {
    const std::string prefix = kProgramFilesPrefix;
    if (!startsWithNoCase(windowsPath, prefix))
        return std::nullopt;
    std::string rest = windowsPath.substr(prefix.size());
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return programFiles_ / rest;
}

std::optional<std::string> SimDesktop::readFile(const std::string& path) {
    const auto real = mapPath(path);
    std::error_code ec;
    if (readLocked_ || !real || !std::filesystem::is_regular_file(*real, ec))
        return std::nullopt;
    std::ifstream in(*real, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool SimDesktop::writeFileReplacing(const std::string& path, const std::string& bytes) {
    const auto real = mapPath(path);
    if (writeProtected_ || !real)
        return false;
    std::filesystem::path temp = *real;
    temp += ".new";
    auto fail = [&] {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
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
    std::filesystem::rename(temp, *real, ec);
    return ec ? fail() : true;
}

std::string SimDesktop::ansiFromUtf8(const std::string& utf8) const {
    return cp1252FromUtf8(utf8);
}

std::string SimDesktop::utf8FromAnsi(const std::string& ansi) const {
    return utf8FromCp1252(ansi);
}
} // namespace tavrin::sim
