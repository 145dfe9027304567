#include "oldconfig/BackupHistory.h"

#include "common/TextLines.h"
#include "oldconfig/ConfigFile.h"
#include "oldconfig/FileLineOutput.h"
#include "oldconfig/LoadedConfig.h"
#include "oldconfig/PlatformFiles.h"
#include "oldconfig/ShownPath.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

namespace fs = std::filesystem;

namespace quorvix {
namespace {

constexpr std::string_view kMagic = "Quorvix-Verlauf 1\n";
constexpr std::string_view kSuffix = ".verlauf";

// "000001765052265-007.verlauf": seconds and a counter, so that the names
// sort by age and two entries of one second never meet.
std::string entryName(std::int64_t time, int counter)
{
    char name[64];
    std::snprintf(name, sizeof name, "%015lld-%03d", static_cast<long long>(time), counter);
    return name + std::string(kSuffix);
}

bool isEntryName(const std::string& name)
{
    return name.size() == 19 + kSuffix.size() && name.ends_with(kSuffix) && name[15] == '-'
        && std::all_of(name.begin(), name.begin() + 15, [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<fs::path> entryFilesOldestFirst(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (isEntryName(it->path().filename().string()))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct Parsed {
    HistoryEntry entry;
    std::string_view content;
};

// Header: magic, time, path length, path bytes, content length, each ended
// by LF; then the content. A short file was never finished and is no entry.
std::optional<Parsed> parse(const fs::path& file, const std::string& bytes)
{
    if (!bytes.starts_with(kMagic))
        return std::nullopt;
    std::size_t at = kMagic.size();
    auto number = [&](auto& value) {
        const auto end = bytes.find('\n', at);
        if (end == std::string::npos)
            return false;
        const auto result = std::from_chars(bytes.data() + at, bytes.data() + end, value);
        at = end + 1;
        return result.ec == std::errc() && result.ptr == bytes.data() + end;
    };
    Parsed parsed;
    parsed.entry.file = file;
    std::size_t pathLength = 0;
    std::size_t contentLength = 0;
    if (!number(parsed.entry.time) || !number(pathLength) || bytes.size() - at < pathLength + 1)
        return std::nullopt;
    parsed.entry.original = platform::pathFromUtf8(std::string_view(bytes).substr(at, pathLength));
    at += pathLength + 1;
    if (!number(contentLength) || bytes.size() - at != contentLength)
        return std::nullopt;
    parsed.content = std::string_view(bytes).substr(at);
    return parsed;
}

std::optional<Parsed> readEntry(const fs::path& file, std::string& bytes)
{
    try {
        bytes = readFileBytes(file);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return parse(file, bytes);
}

} // namespace

void BackupHistory::add(const fs::path& original, const std::string& bytes, std::int64_t time)
{
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    auto files = entryFilesOldestFirst(m_folder);
    const std::string source = platform::utf8Of(fs::absolute(original));
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        std::string held;
        const auto parsed = readEntry(*it, held);
        if (parsed && platform::utf8Of(parsed->entry.original) == source) {
            if (parsed->content == bytes)
                return;
            break;
        }
    }
    int counter = 0;
    const std::string prefix = entryName(time, 0).substr(0, 16);
    for (const auto& file : files) {
        const std::string name = file.filename().string();
        if (name.starts_with(prefix))
            counter = std::max(counter, std::stoi(name.substr(16, 3)) + 1);
    }
    // Created, never opened over an existing one: an entry is never overwritten.
    for (;; ++counter) {
        if (counter > 999)
            throw FileError("Im Backup-Verlauf " + shownPath(m_folder) + " ist kein Platz mehr.");
        const fs::path file = m_folder / entryName(time, counter);
        std::unique_ptr<FileLineOutput> out;
        try {
            out = std::make_unique<FileLineOutput>(file, FileLineOutput::Open::CreateNew);
        } catch (const FileError&) {
            if (fs::exists(file, ec))
                continue;
            throw FileError("Im Backup-Verlauf " + shownPath(m_folder)
                            + " kann keine Datei angelegt werden.");
        }
        try {
            out->writeRaw(kMagic);
            out->writeRaw(std::to_string(time) + "\n" + std::to_string(source.size()) + "\n");
            out->writeRaw(source);
            out->writeRaw("\n" + std::to_string(bytes.size()) + "\n");
            out->writeRaw(bytes);
            out->close();
        } catch (const FileError&) {
            out.reset();
            fs::remove(file, ec);
            throw;
        }
        files.push_back(file);
        break;
    }
    for (std::size_t i = 0; i + kHistoryKeep < files.size(); ++i)
        fs::remove(files[i], ec);
}

std::vector<HistoryEntry> BackupHistory::entries() const
{
    std::vector<HistoryEntry> result;
    const auto files = entryFilesOldestFirst(m_folder);
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        std::string bytes;
        if (auto parsed = readEntry(*it, bytes)) {
            parsed->entry.lineCount = splitLines(parsed->content).size();
            result.push_back(std::move(parsed->entry));
        }
    }
    return result;
}

std::string BackupHistory::contentOf(const HistoryEntry& entry)
{
    std::string bytes;
    const auto parsed = readEntry(entry.file, bytes);
    if (!parsed)
        throw FileError("Der Eintrag " + shownPath(entry.file) + " im Backup-Verlauf kann nicht gelesen werden.");
    return std::string(parsed->content);
}

void restoreEntry(const HistoryEntry& entry, const fs::path& target, BackupHistory& history,
                  std::int64_t now)
{
    const std::string bytes = BackupHistory::contentOf(entry);
    if (const std::string why = whyNotWritable(target); !why.empty())
        throw FileError(why);
    if (const ConfigSnapshot replaced = snapshotConfig(target); replaced.exists)
        history.add(target, replaced.bytes, now);
    replaceFileAtomically(
        target, [&](LineOutput& out) { out.writeRaw(bytes); },
        [&](const fs::path& written) { markReadOnly(written); });
}

} // namespace quorvix
