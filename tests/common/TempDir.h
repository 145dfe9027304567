#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace quorvix::testing {

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
        throw std::runtime_error("cannot write test file " + file.string());
}

inline std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read test file " + file.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The message `act` fails with, "" when it does not.
inline std::string failureOf(const std::function<void()>& act)
{
    try { act(); } catch (const std::exception& e) { return e.what(); }
    return "";
}

// Root may write where the player could not, and may give files away.
#ifdef _WIN32
inline constexpr bool kWindows = true;
inline bool runningAsRoot() { return false; }
#else
inline constexpr bool kWindows = false;
inline bool runningAsRoot() { return ::geteuid() == 0; }
#endif

// A fresh folder under the system's temporary folder, removed with all it holds at the end.
class TempDir {
public:
    TempDir()
    {
        for (std::random_device random; m_path.empty();) {
            const auto name = std::filesystem::temp_directory_path() / ("quorvix-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(name))
                m_path = name;
        }
    }
    ~TempDir()
    {
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ec)) // Windows deletes
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write, // no read-only file
                                         std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    // Everything below by relative path, files with their bytes: what a failure must leave as it was.
    std::map<std::string, std::string> contents() const
    {
        std::map<std::string, std::string> all;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path))
            all[entry.path().lexically_relative(m_path).generic_string()] =
                entry.is_directory() ? "<folder>" : readBytes(entry.path());
        return all;
    }

private:
    std::filesystem::path m_path;
};

} // namespace quorvix::testing
