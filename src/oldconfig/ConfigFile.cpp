#include "oldconfig/ConfigFile.h"

#include "oldconfig/BindCarry.h"
#include "oldconfig/FileLineOutput.h"
#include "oldconfig/ShownPath.h"

#include "oldconfig/LoadedConfig.h"
#include "oldconfig/PlatformFiles.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <algorithm>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace quorvix {
namespace {

fs::path folderOf(const fs::path& file)
{
    const fs::path parent = file.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

// A symbolic link to the config (common where the game folder lives on
// another disk) must stay a link: the file it points to is the one to
// replace.
fs::path realTarget(const fs::path& target)
{
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(target, ec)))
        return target;
    const fs::path resolved = fs::weakly_canonical(target, ec);
    return ec ? target : resolved;
}

// A name next to the target that no other file carries; the dot hides it
// from the game's own file lists while it exists.
fs::path tempNameFor(const fs::path& target, std::mt19937_64& random)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string suffix;
    auto bits = random();
    for (int i = 0; i < 12; ++i, bits >>= 4)
        suffix += kHex[bits & 0xF];
    // Joined as paths, so that a file name in any script survives as it is.
    fs::path name(".");
    name += target.filename();
    name += "." + suffix + ".tmp";
    return folderOf(target) / name;
}

std::unique_ptr<FileLineOutput> createTempFile(const fs::path& target)
{
    std::random_device seed;
    std::mt19937_64 random((std::uint64_t{seed()} << 32) ^ seed());
    for (int attempt = 0;; ++attempt) {
        const fs::path candidate = tempNameFor(target, random);
        try {
            return std::make_unique<FileLineOutput>(candidate, FileLineOutput::Open::CreateNew, target);
        } catch (const FileError&) {
            std::error_code ec;
            if (attempt < 16 && fs::exists(candidate, ec))
                continue;
            throw FileError("Im Ordner " + shownPath(folderOf(target))
                            + " kann keine Datei angelegt werden.");
        }
    }
}

bool isTempName(const std::string& name)
{
    constexpr std::size_t kTail = 1 + 12 + 4;   // ".<12 hex>.tmp"
    if (name.size() < 2 + kTail || name[0] != '.' || !name.ends_with(".tmp"))
        return false;
    const std::size_t dot = name.size() - kTail;
    return name[dot] == '.'
        && std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 1, name.end() - 4,
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// A make killed half way leaves its temporary file behind; the next one in
// the folder clears it. Files younger than a few minutes may belong to a
// second Quorvix writing at this very moment and stay.
void removeStaleTempFiles(const fs::path& folder)
{
    std::error_code ec;
    const auto oldEnough = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (isTempName(it->path().filename().string())
            && fs::is_regular_file(it->symlink_status(ignored))
            && fs::last_write_time(it->path(), ignored) < oldEnough) {
            // Killed after it was marked: Windows deletes no read-only file.
            platform::setWriteProtected(it->path(), false);
            fs::remove(it->path(), ignored);
        }
    }
}

// The new file takes the old one's owner and group where the program may
// set them (run as root on a player's file, it must stay the player's) and
// its permissions (a replaced file should not suddenly be readable by
// others), with the owner's write permission back so that the file is as
// writable as truncating it would have left it.
void adoptPermissions(const fs::path& temp, const fs::path& target)
{
    std::error_code ec;
    const auto status = fs::status(target, ec);
    if (ec || !fs::is_regular_file(status))
        return;
#ifndef _WIN32
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && ::chown(temp.c_str(), st.st_uid, st.st_gid) != 0)
        (void)::chown(temp.c_str(), static_cast<uid_t>(-1), st.st_gid);
#endif
    fs::permissions(temp, status.permissions() | fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::replace, ec);
}

// The player knows the config, not our temporary file: a message that
// names the one names the other.
std::string namingTarget(std::string text, const fs::path& temp, const fs::path& target)
{
    for (const std::string& name : {shownPath(temp), temp.string()}) {
        for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at))
            text.replace(at, name.size(), shownPath(target));
    }
    return text;
}

void discard(std::unique_ptr<FileLineOutput> out, const fs::path& temp)
{
    out.reset();
    std::error_code ignored;
    if (fs::exists(fs::symlink_status(temp, ignored))) {
        // A temporary file already marked read-only must still go.
        platform::setWriteProtected(temp, false);
        fs::remove(temp, ignored);
    }
}

} // namespace

std::string whyNotWritable(const fs::path& requestedTarget, MarkBlocks mark)
{
    std::error_code ec;
    const fs::path target = realTarget(requestedTarget);
    const fs::path folder = folderOf(target);
    if (!fs::exists(folder, ec))
        return "Der Ordner " + shownPath(folder) + " existiert nicht.";
    if (!fs::is_directory(folder, ec))
        return shownPath(folder) + " ist kein Ordner.";
    if (!platform::canCreateFilesIn(folder))
        return "In den Ordner " + shownPath(folder) + " darf nicht geschrieben werden.";
    const auto status = fs::status(target, ec);
    if (fs::is_directory(status))
        return shownPath(target) + " ist ein Ordner und keine Config-Datei.";
    if (mark == MarkBlocks::Yes && fs::exists(status) && isMarkedReadOnly(target))
        return "Die Config " + shownPath(target) + " ist schreibgesch\u00FCtzt.";
    return {};
}

void markReadOnly(const fs::path& file)
{
    if (!platform::setWriteProtected(file, true))
        throw FileError("Die Datei " + shownPath(file)
                        + " kann nicht schreibgesch\u00FCtzt werden.");
}

void clearReadOnly(const fs::path& file)
{
    if (!platform::setWriteProtected(file, false))
        throw FileError("Der Schreibschutz von " + shownPath(file)
                        + " kann nicht aufgehoben werden.");
}

bool isMarkedReadOnly(const fs::path& file)
{
    return platform::isWriteProtected(file);
}

void replaceFileAtomically(const fs::path& target, const std::function<void(LineOutput&)>& fill)
{
    replaceFileAtomically(target, fill, {});
}

void replaceFileAtomically(const fs::path& requestedTarget,
                           const std::function<void(LineOutput&)>& fill,
                           const std::function<void(const fs::path&)>& beforeReplace)
{
    const fs::path target = realTarget(requestedTarget);
    std::error_code ec;
    if (fs::is_directory(target, ec))
        throw FileError(shownPath(target) + " ist ein Ordner und keine Datei.");
    if (!fs::is_directory(folderOf(target), ec))
        throw FileError("Der Ordner " + shownPath(folderOf(target)) + " existiert nicht.");
    if (fs::exists(target, ec) && !fs::is_regular_file(target, ec))
        throw FileError(shownPath(target) + " ist keine normale Datei und wird nicht ersetzt.");
    removeStaleTempFiles(folderOf(target));

    auto out = createTempFile(target);
    const fs::path temp = out->file();
    try {
        fill(*out);
        out->close();
        out.reset();
        adoptPermissions(temp, target);
        if (beforeReplace)
            beforeReplace(temp);
        if (!platform::renameReplacing(temp, target))
            throw FileError("Die Datei " + shownPath(target) + " kann nicht ersetzt werden.");
    } catch (const FileError& error) {
        discard(std::move(out), temp);
        throw FileError(namingTarget(error.what(), temp, target));
    } catch (const std::exception&) {
        // Whatever went wrong while the lines were made, the caller gets
        // one kind of error with a text fit for the user.
        discard(std::move(out), temp);
        throw FileError("Die Datei " + shownPath(target) + " konnte nicht geschrieben werden.");
    } catch (...) {
        discard(std::move(out), temp);
        throw;
    }
    platform::syncFolder(folderOf(target));
}

void writeNewConfig(LineOutput& out, const std::function<void(LineOutput&)>& writeGenerated,
                    const RawLines& oldLines)
{
    writeGenerated(out);
    writeBindLines(out, oldLines);
}

MadeConfig makeConfigFile(const fs::path& target,
                          const std::function<void(LineOutput&)>& writeGenerated,
                          const RawLines& oldLines)
{
    MadeConfig made;
    // Reading back and marking happen on the finished temporary file, so
    // that nothing can fail any more once it has taken the old file's place.
    replaceFileAtomically(
        target,
        [&](LineOutput& out) { writeNewConfig(out, writeGenerated, oldLines); },
        [&](const fs::path& written) {
            const std::string bytes = readFileBytes(written);
            made.fingerprint = fingerprintOf(bytes);
            made.lines = splitLines(bytes);
            markReadOnly(written);
        });
    return made;
}

} // namespace quorvix
