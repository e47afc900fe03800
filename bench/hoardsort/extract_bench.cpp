// Builds a cache of 2,000 files (64 KiB to 4 MiB, about 1 GiB in all) in a temporary folder and
// times `hoardsort --extract` against `cp` copying the same files into the same five folders.
// Usage: bench_hoardsort_extract [WORK_DIR] [--files N]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "common/text/text_lines.h"

namespace fs = std::filesystem;

namespace {

struct CachedFile {
    std::string key;
    std::string name;
    std::string folder;  // destination folder name below the base
};

const char* const kExtensions[][2] = {
    {".knr", "Maps"}, {".ktx", "Textures"}, {".k", "System"}, {".int", "System"}, {".kax", "Sounds"}, {".kmx", "Music"}};

std::vector<CachedFile> buildCache(const fs::path& cache, int count) {
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> logSize(std::log(64.0 * 1024), std::log(4.0 * 1024 * 1024));
    std::vector<std::uint64_t> sizes(count);
    double total = 0;
    for (auto& s : sizes) total += static_cast<double>(s = static_cast<std::uint64_t>(std::exp(logSize(rng))));
    // Scale to about 1 GiB in all, keeping every file within 64 KiB..4 MiB.
    double scale = (double(count) / 2000.0) * 1024.0 * 1024 * 1024 / total;
    for (auto& s : sizes)
        s = std::clamp<std::uint64_t>(static_cast<std::uint64_t>(double(s) * scale), 64 * 1024, 4 * 1024 * 1024);

    fs::create_directories(cache);
    std::vector<CachedFile> files;
    std::vector<std::string> index{"[Cache]"};
    std::vector<char> block(4 * 1024 * 1024);
    for (auto& c : block) c = static_cast<char>(rng());
    for (int i = 0; i < count; ++i) {
        char key[33];
        std::snprintf(key, sizeof key, "%016llX%016llX", static_cast<unsigned long long>(rng()),
                      static_cast<unsigned long long>(rng()));
        const auto& ext = kExtensions[i % 6];
        CachedFile f{key, "File" + std::to_string(i) + ext[0], ext[1]};
        std::ofstream out(cache / (f.key + ".kxx"), std::ios::binary);
        block[0] = static_cast<char>(i);  // no two files alike
        out.write(block.data(), static_cast<std::streamsize>(sizes[i]));
        index.push_back(f.key + "=" + f.name);
        files.push_back(f);
    }
    std::ofstream(cache / "cache.ini", std::ios::binary) << korvath::joinCrLf(index);
    return files;
}

double secondsOf(const std::string& command) {
    auto start = std::chrono::steady_clock::now();
    int rc = std::system(command.c_str());
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (rc != 0) {
        std::fprintf(stderr, "command failed (%d): %s\n", rc, command.c_str());
        std::exit(1);
    }
    return s;
}

void makeDestinations(const fs::path& base) {
    fs::remove_all(base);
    for (const char* d : {"Maps", "System", "Textures", "Sounds", "Music"}) fs::create_directories(base / d);
}

// One `cp` per destination folder copying all its files: the cheapest way a script could do it.
std::string copyScript(const fs::path& cache, const fs::path& base, const std::vector<CachedFile>& files,
                       const fs::path& scriptFile) {
    std::ofstream script(scriptFile);
    script << "set -e\n";
    for (const char* folder : {"Maps", "System", "Textures", "Sounds", "Music"}) {
        script << "cp --reflink=auto -t '" << (base / folder).string() << "'";
        for (const auto& f : files)
            if (f.folder == folder) script << " '" << (cache / (f.key + ".kxx")).string() << "'";
        script << "\n";
    }
    return "bash '" + scriptFile.string() + "'";
}

}  // namespace

int main(int argc, char** argv) {
    fs::path work = fs::temp_directory_path() / "hoardsort-bench";
    int count = 2000;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--files" && i + 1 < argc) count = std::atoi(argv[++i]);
        else work = a;
    }
    fs::remove_all(work);
    fs::path cache = work / "Cache", out = work / "out";
    std::printf("building a cache of %d files in %s ...\n", count, cache.c_str());
    auto files = buildCache(cache, count);
    std::uintmax_t bytes = 0;
    for (const auto& e : fs::directory_iterator(cache)) bytes += e.file_size();
    std::printf("cache: %.1f MiB\n", double(bytes) / (1024 * 1024));

    std::string hoardsort = std::string(HOARDSORT_EXE) + " --extract '" + cache.string() + "' --to '" +
                            out.string() + "' > /dev/null";
    std::string cp = copyScript(cache, out, files, work / "copy.sh");
    secondsOf("cat '" + cache.string() + "'/*.kxx > /dev/null");  // both start from a warm cache

    double best[2] = {1e9, 1e9};
    for (int round = 0; round < 3; ++round) {
        makeDestinations(out);
        secondsOf("sync");
        best[0] = std::min(best[0], secondsOf(cp));
        makeDestinations(out);
        secondsOf("sync");
        best[1] = std::min(best[1], secondsOf(hoardsort));
    }
    std::printf("cp:                 %.3f s (best of 3)\n", best[0]);
    std::printf("hoardsort --extract: %.3f s (best of 3)\n", best[1]);
    std::printf("ratio hoardsort/cp: %.2f (target at most 1.2)\n", best[1] / best[0]);
    fs::remove_all(work);
    return 0;
}
