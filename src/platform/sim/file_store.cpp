#include "file_store.h"

namespace tavrin::sim {
namespace {

// The path's names, without the empty ones a doubled or closing backslash
// leaves.
std::vector<std::string> namesOf(const std::string& path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// The key of the first count names; "" for none, which no entry has.
std::string keyOf(const std::vector<std::string>& names, std::size_t count) {
    std::string key;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            key += '\\';
        for (char c : names[i])
            key += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

std::string keyOf(const std::string& path) {
    const std::vector<std::string> names = namesOf(path);
    return keyOf(names, names.size());
}

} // namespace

bool FileStore::makeFolders(const std::string& folder) {
    const std::vector<std::string> names = namesOf(folder);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto [entry, made] = entries_.try_emplace(keyOf(names, i + 1), Entry{names[i], {}});
        if (entry->second.bytes)
            return false;
    }
    return !names.empty();
}

bool FileStore::isFolder(const std::string& path) const {
    const auto entry = entries_.find(keyOf(path));
    return entry != entries_.end() && !entry->second.bytes;
}

FileStore::Bytes FileStore::file(const std::string& path) const {
    const auto entry = entries_.find(keyOf(path));
    return entry == entries_.end() ? nullptr : entry->second.bytes;
}

bool FileStore::write(const std::string& path, std::string bytes) {
    const std::vector<std::string> names = namesOf(path);
    if (names.empty())
        return false;
    const std::string parent = keyOf(names, names.size() - 1);
    if (!parent.empty() && !isFolder(parent))
        return false;
    Entry& entry = entries_[keyOf(names, names.size())];
    if (entry.name.empty())
        entry.name = names.back();
    else if (!entry.bytes)
        return false;
    entry.bytes = std::make_shared<const std::string>(std::move(bytes));
    return true;
}

bool FileStore::move(const std::string& from, const std::string& to) {
    const Bytes bytes = file(from);
    if (!bytes || !write(to, std::string()))
        return false;
    entries_[keyOf(to)].bytes = bytes;
    if (keyOf(to) != keyOf(from))
        entries_.erase(keyOf(from));
    return true;
}

void FileStore::remove(const std::string& path) {
    const std::string key = keyOf(path);
    if (key.empty())
        return;
    entries_.erase(key);
    const std::string below = key + '\\';
    auto end = entries_.lower_bound(below);
    while (end != entries_.end() && end->first.starts_with(below))
        ++end;
    entries_.erase(entries_.lower_bound(below), end);
}

void FileStore::put(const std::string& path, const std::string& bytes) {
    remove(path);
    const std::size_t slash = path.rfind('\\');
    if (slash != std::string::npos)
        makeFolders(path.substr(0, slash));
    write(path, bytes);
}

std::optional<std::string> FileStore::read(const std::string& path) const {
    const Bytes bytes = file(path);
    return bytes ? std::optional<std::string>(*bytes) : std::nullopt;
}

bool FileStore::exists(const std::string& path) const {
    return entries_.contains(keyOf(path));
}

std::vector<std::string> FileStore::list(const std::string& folder) const {
    std::vector<std::string> names;
    const std::string key = keyOf(folder);
    if (key.empty())
        return names;
    const std::string below = key + '\\';
    for (auto entry = entries_.lower_bound(below);
         entry != entries_.end() && entry->first.starts_with(below); ++entry)
        if (entry->first.find('\\', below.size()) == std::string::npos)
            names.push_back(entry->second.name);
    return names;
}

} // namespace tavrin::sim
