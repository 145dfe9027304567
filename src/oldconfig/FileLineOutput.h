#pragma once

#include "common/TextLines.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvix {

// Writes lines into a file of its own. Lines are gathered in memory and
// handed to the system in large blocks; every block, the flush, the sync to
// disk and the close are checked, so a full disk surfaces as FileError
// instead of a silently short file.
class FileLineOutput final : public LineOutput {
public:
    enum class Open {
        CreateNew,   // fails when the file exists already
        Overwrite,   // creates or truncates
    };

    // Throws FileError when the file cannot be opened. Messages name
    // `shownAs` when given (the config a temporary file stands in for).
    FileLineOutput(const std::filesystem::path& file, Open mode,
                   const std::filesystem::path& shownAs = {});
    ~FileLineOutput() override;

    FileLineOutput(const FileLineOutput&) = delete;
    FileLineOutput& operator=(const FileLineOutput&) = delete;

    void writeLine(std::string_view utf8) override;
    void writeRaw(std::string_view bytes) override;

    // Writes what is still buffered, waits until it is on the disk and
    // closes the file. Throws FileError; the file is closed either way.
    void close();

    const std::filesystem::path& file() const { return m_file; }

private:
    void drain();
    [[noreturn]] void fail() const;

    std::filesystem::path m_file;
    std::filesystem::path m_shownFile;
    std::FILE* m_stream = nullptr;
    std::string m_buffer;
};

} // namespace quorvix
