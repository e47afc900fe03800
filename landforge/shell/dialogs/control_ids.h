#pragma once
// The dialogs' control ids, one list: each control's object name is its id (idName), so tests
// and readers find a control by the name below. A button's id is also the dialog's result.
namespace landforge::shell {

// Every dialog.
inline constexpr int kOkId = 1000;
inline constexpr int kCancelId = 1006;

// TERRAINPARAMSDIALOGBOX
inline constexpr int kSeedId = 1001, kDampeningId = 1002, kInitialHeightId = 1003, kSeaLevelId = 1004;
// CHANGEVIEWAREABOX
inline constexpr int kViewWidthId = 1007, kViewHeightId = 1008;
// IMPORTMODEBOX
inline constexpr int kImportModeListId = 1012, kImportWeightId = 1013;
// ADDRANDOMNOISEBOX
inline constexpr int kNoiseHighId = 1015, kNoiseLowId = 1016;
// SMOOTHTERRAINBOX's buttons, then FLATTENHEIGHTBOX and AVERAGEHEIGHTBOX
inline constexpr int kFlattenId = 1019, kAverageId = 1020;
inline constexpr int kHeightAverageTextId = 1021, kFlattenPercentId = 1022, kAveragePercentId = 1024;
// RMPEAKMETHODBOX, RMDOMEMETHODBOX, RMRIPPLEMETHODBOX
inline constexpr int kPeakRadiusId = 1035, kDomeRadiusId = 1025, kRippleRadiusId = 1027, kRippleCyclesId = 1026;
// FILTERNOISEBOX
inline constexpr int kMaxNoiseId = 1028;
// RAISELOWERTERRAINBOX
inline constexpr int kRaiseId = 1029, kLowerId = 1030, kToHeightId = 1031, kByHeightId = 1032;
inline constexpr int kRaiseLowerHeightId = 1033;
// POINTINFOBOX
inline constexpr int kPointInfoTextId = 1034;
// EXPORTSCALEBOX
inline constexpr int kExportScaleId = 1036;
// THERMALEROSIONBOX
inline constexpr int kIterationsId = 1101, kTalusAngleId = 1102, kAmountId = 1103;
inline constexpr int kThermalWholeTerrainId = 1104, kThermalViewAreaId = 1105;
// HYDRAULICEROSIONBOX
inline constexpr int kDropletsId = 1111, kRainId = 1112, kErosionRateId = 1113, kDepositionRateId = 1114;
inline constexpr int kEvaporationId = 1115, kErosionSeedId = 1116;
inline constexpr int kHydraulicWholeTerrainId = 1117, kHydraulicViewAreaId = 1118;

}  // namespace landforge::shell
