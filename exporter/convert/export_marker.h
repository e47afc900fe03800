#pragma once
// An export replaces its files one after another: the mesh pair, then the scale record. While it
// does, a marker beside them notes what the files were before, so that a run after a kill can tell
// whether they may no longer belong together.
#include "common/result.h"

#include <filesystem>
#include <vector>

namespace korvath::convert {

// NAME_a.3d → NAME_a.3d.exporting
std::filesystem::path exportMarkerPath(const std::filesystem::path& animationPath);

class ExportMarker {
public:
    ExportMarker(std::filesystem::path marker, std::vector<std::filesystem::path> files);
    // Removes the marker an export it started wrote, when it did not complete: the files are then
    // as they were (the caller has put them back).
    ~ExportMarker();
    ExportMarker(const ExportMarker&) = delete;
    ExportMarker& operator=(const ExportMarker&) = delete;

    // True when an earlier export was stopped after it replaced one of the files. A marker whose
    // files are all as it noted them (the export was stopped before replacing any) is removed.
    bool leftByInterruptedExport();
    // Notes the files as they are now, flushed to the disk before any is replaced. A marker an
    // interrupted export left stays as it is: the files it noted are the ones that belong together.
    Status begin();
    // Every file is written: the marker goes.
    void complete();

private:
    std::string describeFiles() const;

    std::filesystem::path marker_;
    std::vector<std::filesystem::path> files_;
    bool wrote_ = false;
};

}  // namespace korvath::convert
