#pragma once

#include "common/TextLines.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace quorvix {

// Whether a new config could replace `target`: its folder exists and can be
// written, and the file (if present) is not a folder and, unless told
// otherwise, carries no read-only mark. Returns an empty text when fine,
// else why not (German).
enum class MarkBlocks { Yes, No };
std::string whyNotWritable(const std::filesystem::path& target, MarkBlocks mark = MarkBlocks::Yes);

// The read-only mark: all write bits cleared on POSIX, the attribute on
// Windows. clearReadOnly gives the owner write permission back.
void markReadOnly(const std::filesystem::path& file);    // throws FileError
void clearReadOnly(const std::filesystem::path& file);   // throws FileError
bool isMarkedReadOnly(const std::filesystem::path& file);

// Replaces `target` in one step: `fill` writes to a temporary file in the
// same folder, which is flushed and renamed over `target` only when all of
// it was written; it keeps the old file's owner, group and permissions.
// Any failure removes the temporary file, leaves `target` untouched and
// throws FileError naming `target`. Temporary files a killed make left in
// the folder are removed first; anything but a regular file is refused.
void replaceFileAtomically(const std::filesystem::path& target,
                           const std::function<void(LineOutput&)>& fill);

// As above; `beforeReplace` gets the finished, closed temporary file just
// before it takes the target's place, for last steps that may still fail
// (reading it back, marking it). When it throws, the target stays as it was.
// A symbolic link as target stays a link; the file it points to is replaced.
void replaceFileAtomically(const std::filesystem::path& target,
                           const std::function<void(LineOutput&)>& fill,
                           const std::function<void(const std::filesystem::path&)>& beforeReplace);

// The new config's content: the generated lines (`writeGenerated`), then
// the bind lines of `oldLines`. The make and its preview both write it
// through here, so the preview shows exactly what the make writes.
void writeNewConfig(LineOutput& out, const std::function<void(LineOutput&)>& writeGenerated,
                    const RawLines& oldLines);

struct MadeConfig {
    RawLines lines;   // the new file read back
    std::uint64_t fingerprint = 0;
};

// Making the config as one transaction: the generated lines (`writeGenerated`),
// then the bind lines of `oldLines` (each with its line end) replace
// `target`; the result is read back and marked read-only. On failure
// `target` is as it was and FileError is thrown.
MadeConfig makeConfigFile(const std::filesystem::path& target,
                          const std::function<void(LineOutput&)>& writeGenerated,
                          const RawLines& oldLines);

} // namespace quorvix
