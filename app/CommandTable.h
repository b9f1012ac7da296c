// The command menu as data: every menu, sub-menu and command of the menu bar.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace orlenvo {

enum class ActionKind {
    Submenu,  // a menu or sub-menu, not a command
    None,     // a command that performs no action
    EndProgram,
    Article,         // text = article id
    PictureArticle,  // number = picture-article number; the caption is the window title
    Omen,            // text = window title, number = page index
    ModalWindow,     // text = window class
    AlmanacWindow,
    CustomerService,
    About,
    MailLink,
    ChatLink,
    HomePage,
    ProductPage,
    UpgradeNote,
};

// One row of the menu table. A Submenu row holds the rows after it that are one level deeper.
struct CommandRow {
    int depth;            // 0 for the menus of the bar
    const char *caption;  // exact caption, "&" marks the access key
    bool separatorBefore;
    ActionKind kind;
    const char *text = "";
    int number = 0;
};

// What choosing a command asks for.
struct CommandAction {
    ActionKind kind = ActionKind::None;
    std::string text;  // article id, omen title, window class or picture caption
    int number = 0;    // picture number or omen page

    bool operator==(const CommandAction &) const = default;
};

// The rows in menu order, depth-first.
std::span<const CommandRow> CommandTable();

// The action of a command row; a PictureArticle action carries the row's caption as its title.
CommandAction ActionOf(const CommandRow &row);

// The caption without its access-key marker ("系统(&X)" -> "系统(X)"; "&&" -> "&").
std::string VisibleCaption(const std::string &caption);

}  // namespace orlenvo
