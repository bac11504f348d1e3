#pragma once

#include <span>

namespace veltrano {

// The main window's commands: one identifier each, wherever the command is given from (menu,
// toolbar, context menu, key).
enum class CommandId {
    AddFiles = 1021,
    Join = 1038,
    Exit = 1022,
    SelectAll = 1024,
    InvertSelection = 1025,
    RemoveSelected = 1027,
    ClearAll = 1026,
    HelpContents = 1043,
    Website = 1034,
    About = 1032,
    Play = 1042,
    MoveUp = 1039,
    MoveDown = 1040,
};

// The pop-up menus, the toolbar and the context menu carry identifiers of the same set.
inline constexpr int kFileMenuId = 1020;
inline constexpr int kListMenuId = 1023;
inline constexpr int kHelpMenuId = 1031;
inline constexpr int kToolbarId = 1037;
inline constexpr int kContextMenuId = 1044;

struct MainCommand {
    CommandId Id;
    const char* Name;            // "ID_ADDFILES": the object name of its action
    const char* MenuCaption;     // nullptr: not in a menu
    const char* ToolbarCaption;  // nullptr: not on the toolbar
    const char* ToolTip;         // the toolbar button's tip
    const char* Shortcut;        // portable key text, nullptr: none
    const char* IconResource;    // toolbar icon, nullptr: none
};

// Every command, in the order of the table the captions come from.
std::span<const MainCommand> MainCommands();
const MainCommand* FindCommand(CommandId id);

// Menu and bar contents, in order.
std::span<const CommandId> FileMenuCommands();
std::span<const CommandId> ListMenuCommands();
std::span<const CommandId> HelpMenuCommands();
std::span<const CommandId> ToolbarCommands();
std::span<const CommandId> ContextMenuCommands();

}  // namespace veltrano
