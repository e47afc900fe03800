#pragma once
// Every menu command as one plain value: its id, where it sits in the menu, its caption and
// shortcut, the rules that enable and check it, and its handler. The shell builds its menus
// from this table; adding a command is adding a row (its handler's building blocks are in
// menu_command_handlers.h).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "landforge/editor/editor_context.h"
#include "landforge/editor/editor_state.h"

namespace landforge {

namespace cmd {
inline constexpr int HelpHelp = 40001, HelpAbout = 40002, FileExit = 40003, WindowReset = 40004;
inline constexpr int AboutDone = 40005, FileNew = 40006, RenderPoints = 40007, FileOpen = 40011;
inline constexpr int SaveFull = 40012, SaveAs = 40013, HighColor = 40025, BaseColor = 40026;
inline constexpr int LowColor = 40027, TerrainParams = 40029, SeaColor = 40030, NewRandom = 40032;
inline constexpr int SaveView = 40033, ChangeViewArea = 40034, LayoutStandard = 40035;
inline constexpr int LayoutAllInOne = 40036, ImportTerrain = 40037, ShowOverhead = 40039;
inline constexpr int ImportModeCmd = 40040, ExportBitmapFull = 40041, ExportBitmapView = 40042;
inline constexpr int ImportBitmap = 40043, ExportT3dFull = 40044, ExportT3dView = 40045;
inline constexpr int KeepCentered = 40047, QuakeFull = 40048, QuakeView = 40049, AddNoise = 40050;
inline constexpr int SmoothTerrain = 40051, RenderWireframe = 40053, RenderShaded = 40055;
inline constexpr int BottomSeeThrough = 40056, SmoothShade = 40057, PeakMethod = 40058;
inline constexpr int DomeMethod = 40059, FreezeSelected = 40060, UpdateTrisFull = 40061;
inline constexpr int UpdateTrisView = 40062, RippleMethod = 40063, Undo = 40067, Redo = 40068;
inline constexpr int Shadow = 40069, Copy = 40070, Paste = 40071, FilterNoise = 40072;
inline constexpr int RaiseLower = 40073, FillInRandom = 40074;
// File > Recent Terrains: entry k (0 = newest) has the id RecentTerrain + k.
inline constexpr int RecentTerrain = 40101;
// Beyond the original menu.
inline constexpr int ThermalErosion = 40210, HydraulicErosion = 40211;
inline constexpr int ExportPng16Full = 40212, ExportPng16View = 40213;
}  // namespace cmd

using StateRule = std::function<bool(const EditorState&)>;

// What a command asks of the windows once it has changed the state. Afterwards the shell
// refreshes the title, the status bar, the menu's checks and enabled entries, and every view.
struct CommandOutcome {
    std::optional<RecentreFlags> recentre;  // re-centre the views with these switches
    bool relayout = false;                  // the layout changed: show the other views
    bool toggleOverhead = false;            // Show Overhead changed: open or close the window
    bool closeRequested = false;            // Exit: the window's close (and its prompt)
};

using CommandHandler = std::function<CommandOutcome(EditorContext&)>;

struct CommandInfo {
    int id;
    std::string_view menuPath;  // submenus joined by '/', e.g. "File/Save Terrain"
    std::string_view caption;   // '&' marks the mnemonic letter (a Recent Terrains entry gets its path appended)
    std::string_view shortcut;  // in the portable text form ("Ctrl+Z"), empty for none
    StateRule enabled;          // empty: always enabled
    StateRule checked;          // empty: not a check item
    CommandHandler run;         // what the command does (only called when enabled)
    // A line above the entry; above its submenu when the entry is the submenu's first.
    bool separatorBefore = false;
};

// In menu order.
const std::vector<CommandInfo>& commandTable();
const CommandInfo* findCommand(int id);

// A menu's or submenu's own caption with its mnemonic: "&File", "Change &Colors".
std::string_view menuTitle(std::string_view menuPath);
// A caption as shown, without the mnemonic mark.
std::string withoutMnemonic(std::string_view caption);

// A submenu shown disabled whatever the state ("File/Export/Quake MAP").
bool submenuAlwaysDisabled(std::string_view menuPath);

bool commandEnabled(const CommandInfo& command, const EditorState& state);
bool commandChecked(const CommandInfo& command, const EditorState& state);

}  // namespace landforge
