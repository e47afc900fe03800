#pragma once
// Keeps what an export may change, so that a cancelled or failed export leaves the output
// folder as it was: files it created are removed and files it rewrote are put back.
#include "common/result.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace korvath::convert {

class OutputGuard {
public:
    OutputGuard() = default;
    ~OutputGuard();
    OutputGuard(const OutputGuard&) = delete;
    OutputGuard& operator=(const OutputGuard&) = delete;

    // Notes the folder's files and keeps the existing ones of `outputs` (files the export may
    // write, all in one folder) aside.
    Status prepare(const std::vector<std::filesystem::path>& outputs);
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
    std::vector<std::string> outputs_;  // file names of the files the export may write
    std::vector<Backup> backups_;
};

}  // namespace korvath::convert
