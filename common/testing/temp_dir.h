#pragma once
// A temporary folder for one test, removed with everything in it when the test ends.
#include <filesystem>
#include <string>
#include <string_view>

namespace korvath::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return root_; }
    std::filesystem::path operator/(std::string_view relative) const { return root_ / relative; }

    // Writes bytes to a file below the folder, creating the folders on the way.
    std::filesystem::path write(std::string_view relative, std::string_view bytes) const;
    // The bytes of a file below the folder; empty when it does not exist.
    std::string read(std::string_view relative) const;
    std::filesystem::path makeDir(std::string_view relative) const;

private:
    std::filesystem::path root_;
};

// Reads a whole file; empty when missing.
std::string readFile(const std::filesystem::path& file);

}  // namespace korvath::testing
