#include "ui/main/main_commands.h"

#include <array>

namespace veltrano {

namespace {

// The File menu's Exit caption ends with five spaces, as it always has.
constexpr std::array<MainCommand, 13> kCommands{{
    {CommandId::AddFiles, "ID_ADDFILES", "Add Files", "Add", "Add Files", "Ctrl+O",
     ":/main/add.svg"},
    {CommandId::Join, "ID_JOINTB", "Join Files", "Join", "Join Files", nullptr, ":/main/join.svg"},
    {CommandId::Exit, "ID_EXIT", "Exit     ", nullptr, nullptr, "Ctrl+E", nullptr},
    {CommandId::SelectAll, "ID_SELECTALL", "Select All", nullptr, nullptr, "Ctrl+A", nullptr},
    {CommandId::InvertSelection, "ID_INVERTSELECTION", "Invert Selection", nullptr, nullptr,
     "Ctrl+Alt+I", nullptr},
    {CommandId::RemoveSelected, "ID_REMOVESELECTEDFILES", "Remove Selected Files", "Remove",
     "Remove Selected Files", "Del", ":/main/remove.svg"},
    {CommandId::ClearAll, "ID_CLEARALL", "Clear All", nullptr, nullptr, "Ctrl+L", nullptr},
    {CommandId::HelpContents, "ID_HELPCONTENTS", "Help Contents", nullptr, nullptr, "F1", nullptr},
    {CommandId::Website, "ID_WEBSITE", "Website", nullptr, nullptr, nullptr, nullptr},
    {CommandId::About, "ID_ABOUT", "About...", nullptr, nullptr, nullptr, nullptr},
    {CommandId::Play, "ID_PLAY", nullptr, "Play", "Play", nullptr, ":/main/play.svg"},
    {CommandId::MoveUp, "ID_UP", nullptr, "Move Up", "Move Up", nullptr, ":/main/up.svg"},
    {CommandId::MoveDown, "ID_DOWN", nullptr, "Move Down", "Move Down", nullptr, ":/main/down.svg"},
}};

constexpr std::array kFileMenu{CommandId::AddFiles, CommandId::Join, CommandId::Exit};
constexpr std::array kListMenu{CommandId::SelectAll, CommandId::InvertSelection,
                               CommandId::RemoveSelected, CommandId::ClearAll};
constexpr std::array kHelpMenu{CommandId::HelpContents, CommandId::Website, CommandId::About};
constexpr std::array kToolbar{CommandId::AddFiles, CommandId::RemoveSelected, CommandId::Play,
                              CommandId::MoveUp,   CommandId::MoveDown,       CommandId::Join};

}  // namespace

std::span<const MainCommand> MainCommands() {
    return kCommands;
}

const MainCommand* FindCommand(CommandId id) {
    for (const MainCommand& command : kCommands) {
        if (command.Id == id) {
            return &command;
        }
    }
    return nullptr;
}

std::span<const CommandId> FileMenuCommands() {
    return kFileMenu;
}
std::span<const CommandId> ListMenuCommands() {
    return kListMenu;
}
std::span<const CommandId> HelpMenuCommands() {
    return kHelpMenu;
}
std::span<const CommandId> ToolbarCommands() {
    return kToolbar;
}
std::span<const CommandId> ContextMenuCommands() {
    // The context menu "List" repeats the List menu.
    return kListMenu;
}

}  // namespace veltrano
