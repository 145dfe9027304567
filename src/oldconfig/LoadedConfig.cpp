#include "oldconfig/LoadedConfig.h"

#include "oldconfig/BindCarry.h"
#include "oldconfig/PlatformFiles.h"
#include "oldconfig/ShownPath.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace quorvix {
namespace {

[[noreturn]] void tooLarge(const fs::path& file)
{
    throw ConfigTooLarge("Die Datei " + shownPath(file)
                         + " ist zu gro\u00DF f\u00FCr eine Config (erlaubt sind h\u00F6chstens 8 MiB und "
                         + std::to_string(kConfigLineLimit) + " Zeilen). Sie wird nicht geladen.");
}

[[noreturn]] void notRegular(const fs::path& file)
{
    throw FileError(shownPath(file) + " ist keine normale Datei (sondern ein Ordner, ein Ger\u00E4t, "
                    "eine Pipe oder ein Socket) und wird weder gelesen noch ersetzt.");
}

[[noreturn]] void unreadable(const fs::path& file)
{
    throw FileError("Die Config " + shownPath(file) + " kann nicht gelesen werden.");
}

#ifndef _WIN32
FileIdentity identityOf(const struct stat& st)
{
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::uint64_t>(st.st_size),
            std::int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec};
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { if (m_fd >= 0) ::close(m_fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};
#endif

} // namespace

bool currentIdentity(const fs::path& file, FileIdentity& identity)
{
#ifndef _WIN32
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    identity = identityOf(st);
    return true;
#else
    return platform::identityOf(file, identity);
#endif
}

std::uint64_t fingerprintOf(const std::string& bytes)
{
    // FNV-1a: enough to notice a change, no cryptographic claim.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const unsigned char c : bytes)
        hash = (hash ^ c) * 0x100000001b3ULL;
    return hash;
}

ConfigSnapshot snapshotConfig(const fs::path& file)
{
    ConfigSnapshot snapshot;
#ifndef _WIN32
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return snapshot;
        unreadable(file);
    }
    // A pipe or a device is never opened: opening a pipe would block, and
    // reading a device has no end.
    if (!S_ISREG(st.st_mode))
        notRegular(file);
    if (static_cast<std::uintmax_t>(st.st_size) > kConfigByteLimit)
        tooLarge(file);
    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0)
        unreadable(file);
    if (!S_ISREG(st.st_mode))
        notRegular(file);
    snapshot.exists = true;
    snapshot.identity = identityOf(st);
    snapshot.perms = static_cast<fs::perms>(st.st_mode) & fs::perms::mask;
    try {
        // A file still growing stops at the limit plus one byte.
        snapshot.bytes.resize(static_cast<std::size_t>(
            std::min<std::uintmax_t>(static_cast<std::uintmax_t>(st.st_size), kConfigByteLimit) + 1));
        std::size_t done = 0;
        for (;;) {
            if (done == snapshot.bytes.size()) {
                if (done > kConfigByteLimit)
                    tooLarge(file);
                snapshot.bytes.resize(std::min<std::size_t>(done * 2, kConfigByteLimit + 1));
            }
            const auto got = ::read(fd.get(), snapshot.bytes.data() + done, snapshot.bytes.size() - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                unreadable(file);
            if (got == 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        snapshot.bytes.resize(done);
    } catch (const std::bad_alloc&) {
        tooLarge(file);
    }
#else
    using platform::WholeFile;
    WholeFile read = WholeFile::TooLarge;   // also when memory runs out
    try {
        read = platform::readWholeFile(file, kConfigByteLimit, snapshot.bytes, snapshot.identity);
    } catch (const std::bad_alloc&) {
    }
    switch (read) {
    case WholeFile::Missing: return snapshot;
    case WholeFile::NotRegular: notRegular(file);
    case WholeFile::TooLarge: tooLarge(file);
    case WholeFile::Unreadable: unreadable(file);
    case WholeFile::Read: break;
    }
    snapshot.exists = true;
    // The read-only attribute, as the write bits the history records.
    std::error_code ec;
    snapshot.perms = fs::status(file, ec).permissions();
#endif
    return snapshot;
}

LoadedConfig loadedFromBytes(const fs::path& file, const ConfigSnapshot& snapshot)
{
    LoadedConfig loaded;
    loaded.path = fs::absolute(file);
    loaded.isNew = !snapshot.exists;
    loaded.identity = snapshot.identity;
    loaded.fingerprint = fingerprintOf(snapshot.bytes);
    try {
        const auto ends = std::count(snapshot.bytes.begin(), snapshot.bytes.end(), '\n')
                        + std::count(snapshot.bytes.begin(), snapshot.bytes.end(), '\r');
        if (static_cast<std::size_t>(ends) > 2 * kConfigLineLimit)
            tooLarge(file);
        loaded.lines = splitLines(snapshot.bytes);
    } catch (const std::bad_alloc&) {
        tooLarge(file);
    }
    if (loaded.lines.size() > kConfigLineLimit)
        tooLarge(file);
    return loaded;
}

LoadedConfig loadConfig(const fs::path& file)
{
    return loadedFromBytes(file, snapshotConfig(file));
}

std::string whyRunRefused(const LoadedConfig& loaded, const fs::path& chosen)
{
    std::error_code ec;
    const auto status = fs::status(chosen, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return shownPath(chosen) + " ist keine normale Datei und wird weder gelesen noch ersetzt.";
    bool belongs = false;
    if (!loaded.path.empty()) {
        FileIdentity now;
        if (!fs::exists(status))
            belongs = loaded.isNew && fs::absolute(chosen) == loaded.path;
        else if (!loaded.isNew && currentIdentity(chosen, now))
            belongs = (now.device == loaded.identity.device && now.inode == loaded.identity.inode)
                   || fs::equivalent(chosen, loaded.path, ec);
    }
    if (belongs)
        return {};
    return "Die Config " + shownPath(chosen)
         + " ist nicht geladen. Lade sie zuerst mit \u201E\u00D6ffnen\u201C im Men\u00FC \u201EDatei\u201C;"
           " es wurde nichts geschrieben und kein Backup erstellt.";
}

MakePlan planMake(const LoadedConfig& loaded)
{
    MakePlan plan;
    plan.now = snapshotConfig(loaded.path);
    if (!plan.now.exists && !loaded.isNew)
        throw FileError("Die Config " + shownPath(loaded.path)
                        + " ist seit dem Laden verschwunden und kann nicht mehr gelesen werden.");
    plan.changedOnDisk = plan.now.exists != !loaded.isNew
                      || plan.now.bytes.size() != loaded.identity.size
                      || fingerprintOf(plan.now.bytes) != loaded.fingerprint;
    plan.carried = plan.changedOnDisk ? splitLines(plan.now.bytes) : loaded.lines;
    return plan;
}

std::size_t bindLineCount(const RawLines& lines)
{
    return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [](const RawLine& l) {
        return isBindLine(l);
    }));
}

} // namespace quorvix
