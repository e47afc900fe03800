// Two timings of `hoardsort --extract`, each measured against its baseline in the same run:
//  1. a cache of 2,000 files (64 KiB to 4 MiB, about 1 GiB in all) against `cp` copying the same
//     files into the same five folders, and against hoardsort with its flushes switched off
//     (what making every copy survive a power cut costs), and against `cp` followed by `sync`,
//     the same files on the disk too;
//  2. a cache of 4,000 small files whose index also names 8,000 files the game has deleted,
//     against the same cache and index without those stale entries.
// Usage: bench_hoardsort_extract [WORK_DIR] [--files N] [--stale-files N]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
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

const char* const kFolders[] = {"Maps", "System", "Textures", "Sounds", "Music"};
const char* const kExtensions[][2] = {
    {".knr", "Maps"}, {".ktx", "Textures"}, {".k", "System"}, {".int", "System"}, {".kax", "Sounds"}, {".kmx", "Music"}};

std::string randomKey(std::mt19937_64& rng) {
    char key[33];
    std::snprintf(key, sizeof key, "%016llX%016llX", static_cast<unsigned long long>(rng()),
                  static_cast<unsigned long long>(rng()));
    return key;
}

// Writes `sizes.size()` cached files and returns them; the index is written by the caller.
std::vector<CachedFile> writeCache(const fs::path& cache, const std::vector<std::uint64_t>& sizes, std::mt19937_64& rng) {
    fs::create_directories(cache);
    std::vector<CachedFile> files;
    std::vector<char> block(4 * 1024 * 1024);
    for (auto& c : block) c = static_cast<char>(rng());
    for (size_t i = 0; i < sizes.size(); ++i) {
        const auto& ext = kExtensions[i % 6];
        CachedFile f{randomKey(rng), "File" + std::to_string(i) + ext[0], ext[1]};
        std::ofstream out(cache / (f.key + ".kxx"), std::ios::binary);
        block[0] = static_cast<char>(i);  // no two files alike
        out.write(block.data(), static_cast<std::streamsize>(sizes[i]));
        files.push_back(f);
    }
    return files;
}

void writeIndex(const fs::path& cache, const std::vector<std::string>& entries) {
    std::vector<std::string> lines{"[Cache]"};
    lines.insert(lines.end(), entries.begin(), entries.end());
    std::ofstream(cache / "cache.ini", std::ios::binary) << korvath::joinCrLf(lines);
}

std::vector<std::string> entriesOf(const std::vector<CachedFile>& files) {
    std::vector<std::string> entries;
    for (const auto& f : files) entries.push_back(f.key + "=" + f.name);
    return entries;
}

// About 1 GiB in `count` files of 64 KiB .. 4 MiB, sizes spread evenly on a log scale.
std::vector<std::uint64_t> largeSizes(int count, std::mt19937_64& rng) {
    std::uniform_real_distribution<double> logSize(std::log(64.0 * 1024), std::log(4.0 * 1024 * 1024));
    std::vector<std::uint64_t> sizes(count);
    double total = 0;
    for (auto& s : sizes) total += static_cast<double>(s = static_cast<std::uint64_t>(std::exp(logSize(rng))));
    double scale = (double(count) / 2000.0) * 1024.0 * 1024 * 1024 / total;
    for (auto& s : sizes)
        s = std::clamp<std::uint64_t>(static_cast<std::uint64_t>(double(s) * scale), 64 * 1024, 4 * 1024 * 1024);
    return sizes;
}

double secondsOf(const std::string& command) {
    auto start = std::chrono::steady_clock::now();
    int rc = std::system(command.c_str());
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (rc != 0 && rc != 256) {  // 1 (some files not copied) is expected for stale entries
        std::fprintf(stderr, "command failed (%d): %s\n", rc, command.c_str());
        std::exit(1);
    }
    return s;
}

void makeDestinations(const fs::path& base) {
    fs::remove_all(base);
    for (const char* d : kFolders) fs::create_directories(base / d);
}

std::string extractCommand(const fs::path& cache, const fs::path& out, bool flush) {
    std::string preload = flush ? "" : std::string("LD_PRELOAD='") + NO_FSYNC_LIB + "' ";
    return preload + HOARDSORT_EXE + " --extract '" + cache.string() + "' --to '" + out.string() + "' > /dev/null";
}

// One `cp` per destination folder copying all its files: the cheapest way a script could do it.
std::string copyScript(const fs::path& cache, const fs::path& base, const std::vector<CachedFile>& files,
                       const fs::path& scriptFile) {
    std::ofstream script(scriptFile);
    script << "set -e\n";
    for (const char* folder : kFolders) {
        script << "cp --reflink=auto -t '" << (base / folder).string() << "'";
        for (const auto& f : files)
            if (f.folder == folder) script << " '" << (cache / (f.key + ".kxx")).string() << "'";
        script << "\n";
    }
    return "bash '" + scriptFile.string() + "'";
}

// The best of `rounds` rounds of each command, every run into fresh, empty destinations with
// nothing left to write back from the run before.
std::vector<double> bestOf(int rounds, const fs::path& out, const std::vector<std::string>& commands) {
    std::vector<double> best(commands.size(), 1e9);
    for (int round = 0; round < rounds; ++round) {
        // Every other round backwards: what ran just before a command (a disk still busy) is
        // not always the same.
        for (size_t n = 0; n < commands.size(); ++n) {
            size_t i = round % 2 ? commands.size() - 1 - n : n;
            makeDestinations(out);
            secondsOf("sync");
            best[i] = std::min(best[i], secondsOf(commands[i]));
        }
    }
    return best;
}

void benchAgainstCp(const fs::path& work, int count) {
    std::mt19937_64 rng(20261208);
    fs::path cache = work / "Cache", out = work / "out";
    std::printf("building a cache of %d files in %s ...\n", count, cache.c_str());
    auto files = writeCache(cache, largeSizes(count, rng), rng);
    writeIndex(cache, entriesOf(files));
    std::uintmax_t bytes = 0;
    for (const auto& e : fs::directory_iterator(cache)) bytes += e.file_size();
    std::printf("cache: %.1f MiB\n", double(bytes) / (1024 * 1024));
    secondsOf("cat '" + cache.string() + "'/*.kxx > /dev/null");  // all start from a warm cache

    std::string cp = copyScript(cache, out, files, work / "copy.sh");
    auto best = bestOf(3, out, {cp, extractCommand(cache, out, true), extractCommand(cache, out, false),
                                  cp + " && sync"});
    std::printf("cp:                                %.3f s (best of 3)\n", best[0]);
    std::printf("cp, then sync (on the disk too):   %.3f s (best of 3)\n", best[3]);
    std::printf("hoardsort --extract:               %.3f s (best of 3)\n", best[1]);
    std::printf("hoardsort --extract without flush: %.3f s (best of 3)\n", best[2]);
    std::printf("the flushes cost %.3f s (%.0f %%)\n", best[1] - best[2], 100.0 * (best[1] - best[2]) / best[2]);
    std::printf("ratio hoardsort/cp: %.2f (target at most 1.2)\n", best[1] / best[0]);
    std::printf("ratio hoardsort without flush/cp: %.2f\n", best[2] / best[0]);
    std::printf("ratio hoardsort/(cp, then sync): %.2f\n", best[1] / best[3]);
    fs::remove_all(cache);
}

void benchStaleEntries(const fs::path& work, int count) {
    std::mt19937_64 rng(20261209);
    fs::path present = work / "present" / "Cache", stale = work / "stale" / "Cache", out = work / "out";
    int staleCount = 2 * count;
    std::printf("building a cache of %d files, indexed without and with %d stale entries ...\n", count, staleCount);
    auto files = writeCache(present, std::vector<std::uint64_t>(count, 16 * 1024), rng);
    writeIndex(present, entriesOf(files));
    // The same files, and an index in which two deleted files follow every present one.
    fs::create_directories(stale);
    std::vector<std::string> entries;
    for (const auto& f : files) {
        fs::create_hard_link(present / (f.key + ".kxx"), stale / (f.key + ".kxx"));
        entries.push_back(f.key + "=" + f.name);
        for (int i = 0; i < 2; ++i) entries.push_back(randomKey(rng) + "=Deleted" + std::to_string(entries.size()) + ".knr");
    }
    writeIndex(stale, entries);

    auto best = bestOf(5, out, {extractCommand(present, out, true), extractCommand(stale, out, true)});
    std::printf("%d present entries:                 %.3f s (best of 5)\n", count, best[0]);
    std::printf("%d present and %d stale entries: %.3f s (best of 5)\n", count, staleCount, best[1]);
    std::printf("ratio stale/present: %.2f (target at most 1.1)\n", best[1] / best[0]);
}

}  // namespace

int main(int argc, char** argv) {
    fs::path work = fs::temp_directory_path() / "hoardsort-bench";
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // figures appear as they are measured
    int count = 2000, staleFiles = 4000;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--files" && i + 1 < argc) count = std::atoi(argv[++i]);
        else if (a == "--stale-files" && i + 1 < argc) staleFiles = std::atoi(argv[++i]);
        else work = a;
    }
    fs::remove_all(work);
    benchAgainstCp(work, count);
    benchStaleEntries(work, staleFiles);
    fs::remove_all(work);
    return 0;
}
