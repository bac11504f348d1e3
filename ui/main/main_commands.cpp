#include "ui/main/main_commands.h"

#include <QtGlobal>
#include <array>

namespace veltrano {

namespace {

// The File menu's Exit caption ends with five spaces, as it always has. Captions and tips are
// translated where the window shows them (context "Main").
constexpr std::array<MainCommand, 13> kCommands{{
    {CommandId::AddFiles, "ID_ADDFILES", QT_TRANSLATE_NOOP("Main", "Add Files"),
     QT_TRANSLATE_NOOP("Main", "Add"), QT_TRANSLATE_NOOP("Main", "Add Files"), "Ctrl+O",
     ":/main/add.svg"},
    {CommandId::Join, "ID_JOINTB", QT_TRANSLATE_NOOP("Main", "Join Files"),
     QT_TRANSLATE_NOOP("Main", "Join"), QT_TRANSLATE_NOOP("Main", "Join Files"), nullptr,
     ":/main/join.svg"},
    {CommandId::Exit, "ID_EXIT", QT_TRANSLATE_NOOP("Main", "Exit     "), nullptr, nullptr, "Ctrl+E",
     nullptr},
    {CommandId::SelectAll, "ID_SELECTALL", QT_TRANSLATE_NOOP("Main", "Select All"), nullptr,
     nullptr, "Ctrl+A", nullptr},
    {CommandId::InvertSelection, "ID_INVERTSELECTION",
     QT_TRANSLATE_NOOP("Main", "Invert Selection"), nullptr, nullptr, "Ctrl+Alt+I", nullptr},
    {CommandId::RemoveSelected, "ID_REMOVESELECTEDFILES",
     QT_TRANSLATE_NOOP("Main", "Remove Selected Files"), QT_TRANSLATE_NOOP("Main", "Remove"),
     QT_TRANSLATE_NOOP("Main", "Remove Selected Files"), "Del", ":/main/remove.svg"},
    {CommandId::ClearAll, "ID_CLEARALL", QT_TRANSLATE_NOOP("Main", "Clear All"), nullptr, nullptr,
     "Ctrl+L", nullptr},
    {CommandId::HelpContents, "ID_HELPCONTENTS", QT_TRANSLATE_NOOP("Main", "Help Contents"),
     nullptr, nullptr, "F1", nullptr},
    {CommandId::Website, "ID_WEBSITE", QT_TRANSLATE_NOOP("Main", "Website"), nullptr, nullptr,
     nullptr, nullptr},
    {CommandId::About, "ID_ABOUT", QT_TRANSLATE_NOOP("Main", "About..."), nullptr, nullptr, nullptr,
     nullptr},
    {CommandId::Play, "ID_PLAY", nullptr, QT_TRANSLATE_NOOP("Main", "Play"),
     QT_TRANSLATE_NOOP("Main", "Play"), nullptr, ":/main/play.svg"},
    {CommandId::MoveUp, "ID_UP", nullptr, QT_TRANSLATE_NOOP("Main", "Move Up"),
     QT_TRANSLATE_NOOP("Main", "Move Up"), nullptr, ":/main/up.svg"},
    {CommandId::MoveDown, "ID_DOWN", nullptr, QT_TRANSLATE_NOOP("Main", "Move Down"),
     QT_TRANSLATE_NOOP("Main", "Move Down"), nullptr, ":/main/down.svg"},
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
