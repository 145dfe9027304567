#pragma once

// Which file the working list belongs to. The lines a run carries over must
// be the lines of the file it replaces: a file never read, or read as
// another file, must not be replaced with someone else's bind lines, and a
// file changed on disk since it was read must not lose the newer content.

#include "common/TextLines.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace quorvix {

// Larger files are no config the game would execute; refusing them keeps
// the whole program well under 300 MB while it shows one.
inline constexpr std::uintmax_t kConfigByteLimit = std::uintmax_t{8} << 20;
inline constexpr std::size_t kConfigLineLimit = 131072;

// Refused at load: too large, or more than the memory there is.
class ConfigTooLarge : public FileError {
public:
    using FileError::FileError;
};

// The file as the system knows it: the same device and inode is the same
// file, whatever name leads there.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;   // nanoseconds
    bool operator==(const FileIdentity&) const = default;
};

// A regular file's bytes as they are now; `exists` false for a missing one.
struct ConfigSnapshot {
    bool exists = false;
    FileIdentity identity;
    std::filesystem::perms perms = std::filesystem::perms::unknown;
    std::string bytes;
};

// Throws FileError (German, naming the file) for anything that is not a
// regular file, cannot be read, or is over the limit (ConfigTooLarge; the
// size is checked before anything is read).
ConfigSnapshot snapshotConfig(const std::filesystem::path& file);

std::uint64_t fingerprintOf(const std::string& bytes);

// The identity of the regular file `file` now; false when there is none.
bool currentIdentity(const std::filesystem::path& file, FileIdentity& identity);

struct LoadedConfig {
    std::filesystem::path path;   // empty: nothing loaded yet
    bool isNew = false;           // the file did not exist: a new, empty config
    FileIdentity identity;
    std::uint64_t fingerprint = 0;
    RawLines lines;
};

// The load step's reading: a missing file is a new, empty config. Throws
// as snapshotConfig, and ConfigTooLarge for too many lines.
LoadedConfig loadConfig(const std::filesystem::path& file);
LoadedConfig loadedFromBytes(const std::filesystem::path& file, const ConfigSnapshot& snapshot);

// Why a run may not start on `chosen` with `loaded` as its working list;
// empty when it may. Nothing is written when it may not.
std::string whyRunRefused(const LoadedConfig& loaded, const std::filesystem::path& chosen);

// What the make carries over, from the loaded state and the file as it is
// now. Throws FileError when the file can no longer be read.
struct MakePlan {
    ConfigSnapshot now;
    bool changedOnDisk = false;
    RawLines carried;
};
MakePlan planMake(const LoadedConfig& loaded);

// The bind lines among `lines`, as the make carries them.
std::size_t bindLineCount(const RawLines& lines);

} // namespace quorvix
