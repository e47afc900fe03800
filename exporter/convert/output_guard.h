#pragma once
// Keeps what an export may change, so that a cancelled or failed export leaves the output
// folder as it was: files it created are removed and files it rewrote are put back.
#include "common/result.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace korvath::convert {

// The animation file the exporter writes beside `dataPath`: in the file name, everything from
// the last underscore (else the first period) is replaced by "_a.3d".
std::filesystem::path animationPathFor(const std::filesystem::path& dataPath);

class OutputGuard {
public:
    OutputGuard() = default;
    ~OutputGuard();
    OutputGuard(const OutputGuard&) = delete;
    OutputGuard& operator=(const OutputGuard&) = delete;

    // Notes the folder's files and copies the data file and its animation file aside.
    Status prepare(const std::filesystem::path& dataPath);
    // Removes the export's files that appeared since prepare() and puts the copies back.
    void restore();
    // The export stands: the copies are dropped.
    void commit();

private:
    bool madeByExport(const std::string& name) const;

    struct Backup {
        std::filesystem::path original;
        std::filesystem::path copy;
    };
    std::filesystem::path folder_;
    std::set<std::filesystem::path> before_;
    std::vector<std::string> outputs_;  // file names of the data and animation files
    std::vector<Backup> backups_;
};

}  // namespace korvath::convert
