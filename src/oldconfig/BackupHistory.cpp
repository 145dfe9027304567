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

// The first format had no permissions line; its entries are still read.
constexpr std::string_view kMagicFirst = "Quorvix-Verlauf 1\n";
constexpr std::string_view kMagic = "Quorvix-Verlauf 2\n";
constexpr std::string_view kSuffix = ".verlauf";
// Entries of the first format had none: such a file was given back writable.
constexpr fs::perms kWritable = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                              | fs::perms::others_read;

// "000001765052265-007.verlauf": seconds and a counter, so that the names
// sort by age and two entries of one second never meet.
std::string entryName(std::int64_t time, int counter)
{
    char name[64];
    std::snprintf(name, sizeof name, "%015lld-%03d", static_cast<long long>(time), counter);
    return name + std::string(kSuffix);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isEntryName(const std::string& name)
{
    return name.size() == 19 + kSuffix.size() && name.ends_with(kSuffix) && name[15] == '-'
        && std::all_of(name.begin(), name.begin() + 15, isDigit)
        && std::all_of(name.begin() + 16, name.begin() + 19, isDigit);
}

// A name that is no valid text on this system (an unpaired surrogate on
// Windows) is no entry either.
bool isEntryFile(const fs::path& file)
{
    try {
        return isEntryName(platform::utf8Of(file.filename()));
    } catch (const std::exception&) {
        return false;
    }
}

std::vector<fs::path> entryFilesOldestFirst(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (isEntryFile(it->path()))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct Parsed {
    HistoryEntry entry;
    std::string_view content;
};

// Header: magic, time, permissions (octal; not in the first format), path
// length, path bytes, content length, each ended by LF; then the content. A
// short file was never finished and is no entry.
std::optional<Parsed> parse(const fs::path& file, const std::string& bytes)
{
    const bool first = bytes.starts_with(kMagicFirst);
    if (!first && !bytes.starts_with(kMagic))
        return std::nullopt;
    std::size_t at = kMagic.size();
    auto number = [&](auto& value, int base = 10) {
        const auto end = bytes.find('\n', at);
        if (end == std::string::npos)
            return false;
        const auto result = std::from_chars(bytes.data() + at, bytes.data() + end, value, base);
        at = end + 1;
        return result.ec == std::errc() && result.ptr == bytes.data() + end;
    };
    Parsed parsed;
    parsed.entry.file = file;
    std::size_t pathLength = 0;
    std::size_t contentLength = 0;
    unsigned perms = 0;
    if (!number(parsed.entry.time) || (!first && !number(perms, 8)) || !number(pathLength)
        || pathLength >= bytes.size() - at)
        return std::nullopt;
    if (!first)
        parsed.entry.perms = static_cast<fs::perms>(perms) & fs::perms::mask;
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

fs::path BackupHistory::add(const fs::path& original, const std::string& bytes, std::int64_t time,
                            std::optional<fs::perms> perms)
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
                return *it;
            break;
        }
    }
    int counter = 0;
    const std::string prefix = entryName(time, 0).substr(0, 16);
    for (const auto& file : files) {
        const std::string name = platform::utf8Of(file.filename());
        if (name.starts_with(prefix))
            counter = std::max(counter, (name[16] - '0') * 100 + (name[17] - '0') * 10 + (name[18] - '0') + 1);
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
            char mode[16];
            std::snprintf(mode, sizeof mode, "%o\n", static_cast<unsigned>(perms.value_or(kWritable)));
            out->writeRaw(std::to_string(time) + "\n" + mode + std::to_string(source.size()) + "\n");
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
        for (std::size_t i = 0; i + kHistoryKeep < files.size(); ++i)
            fs::remove(files[i], ec);
        return file;
    }
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

HistoryEntry BackupHistory::entryAt(const fs::path& file)
{
    std::string bytes;
    const auto parsed = readEntry(file, bytes);
    if (!parsed)
        throw FileError("Der Eintrag " + shownPath(file) + " im Backup-Verlauf kann nicht gelesen werden.");
    return parsed->entry;
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
    if (const std::string why = whyNotWritable(target, MarkBlocks::No); !why.empty())
        throw FileError(why);
    if (const ConfigSnapshot replaced = snapshotConfig(target); replaced.exists)
        history.add(target, replaced.bytes, now, replaced.perms);
    replaceFileAtomically(target, [&](LineOutput& out) { out.writeRaw(bytes); }, [&](const fs::path& written) {
        std::error_code ec;
        fs::permissions(written, entry.perms.value_or(kWritable), fs::perm_options::replace, ec);
        if (ec)
            throw FileError("Die Rechte von " + shownPath(target) + " k\u00F6nnen nicht gesetzt werden.");
    });
}

} // namespace quorvix
