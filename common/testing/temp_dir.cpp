#include "common/testing/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace korvath::testing {

TempDir::TempDir() {
    std::random_device rd;
    fs::path base = fs::temp_directory_path();
    do {
        root_ = base / ("korvath-test-" + std::to_string(rd()));
    } while (fs::exists(root_));
    fs::create_directories(root_);
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests may leave read-only folders behind; make them writable so removal succeeds.
    for (fs::recursive_directory_iterator it(root_, ec), end; !ec && it != end; it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root_, ec);
}

fs::path TempDir::write(std::string_view relative, std::string_view bytes) const {
    fs::path file = root_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string TempDir::read(std::string_view relative) const { return readFile(root_ / relative); }

fs::path TempDir::makeDir(std::string_view relative) const {
    fs::path dir = root_ / relative;
    fs::create_directories(dir);
    return dir;
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace korvath::testing
