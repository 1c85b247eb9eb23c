#include "file_store.h"

namespace tavrin::sim {
namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

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

// The path's names in lower case, joined by single backslashes; "" for a
// path without names, which no entry has. Written over the key's old
// content, so that a key kept for lookups needs no new memory.
void writeKey(const std::string& path, std::string& key) {
    key.resize(path.size());
    std::size_t size = 0;
    for (char c : path)
        if (c != '\\')
            key[size++] = lowerAscii(c);
        else if (size > 0 && key[size - 1] != '\\')
            key[size++] = '\\';
    key.resize(size > 0 && key[size - 1] == '\\' ? size - 1 : size);
}

std::string keyOf(const std::string& path) {
    std::string key;
    writeKey(path, key);
    return key;
}

// The key of the folder that holds the entry; "" at the top, which is
// always there.
std::string_view parentOf(std::string_view key) {
    const std::size_t slash = key.rfind('\\');
    return slash == std::string_view::npos ? std::string_view() : key.substr(0, slash);
}

} // namespace

bool FileStore::makeFolders(const std::string& folder) {
    // The key of each folder on the way is the start of the folder's key.
    const std::string key = keyOf(folder);
    std::size_t length = 0;
    for (const std::string& name : namesOf(folder)) {
        length += (length > 0 ? 1 : 0) + name.size();
        const std::string_view above(key.data(), length);
        const auto entry = entries_.find(above);
        if (entry == entries_.end())
            entries_.emplace(std::string(above), Entry{name, {}});
        else if (entry->second.bytes)
            return false;
    }
    return !key.empty();
}

const std::string& FileStore::lookupKey(const std::string& path) const {
    writeKey(path, lookupKey_);
    return lookupKey_;
}

bool FileStore::isFolder(const std::string& path) const {
    return isFolderKey(lookupKey(path));
}

bool FileStore::isFolderKey(std::string_view key) const {
    const auto entry = entries_.find(key);
    return key.empty() || (entry != entries_.end() && !entry->second.bytes);
}

FileStore::Bytes FileStore::file(const std::string& path) const {
    const auto entry = entries_.find(lookupKey(path));
    return entry == entries_.end() ? nullptr : entry->second.bytes;
}

bool FileStore::write(const std::string& path, std::string bytes) {
    return writeShared(path, std::make_shared<const std::string>(std::move(bytes)));
}

bool FileStore::writeShared(const std::string& path, Bytes bytes) {
    const std::string key = keyOf(path);
    if (key.empty() || !isFolderKey(parentOf(key)))
        return false;
    const auto [entry, made] = entries_.try_emplace(key);
    if (made)
        entry->second.name = namesOf(path).back();
    else if (!entry->second.bytes)
        return false;
    entry->second.bytes = std::move(bytes);
    return true;
}

bool FileStore::move(const std::string& from, const std::string& to) {
    Bytes bytes = file(from);
    if (!bytes || !writeShared(to, bytes))
        return false;
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
    return entries_.contains(lookupKey(path));
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
