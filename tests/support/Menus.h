// Walking the menus of a window in window tests.
#pragma once

#include <QAction>
#include <QMenu>

#include <functional>
#include <vector>

namespace orlenvo::testing {

// The command actions of the menus and of their submenus, depth-first; `separators`, when
// given, receives the number of separators among them.
inline std::vector<QAction *> MenuCommands(const std::vector<QMenu *> &menus, int *separators = nullptr)
{
    std::vector<QAction *> commands;
    int separatorCount = 0;
    const std::function<void(QMenu *)> walk = [&](QMenu *menu) {
        for (QAction *a : menu->actions()) {
            if (a->menu())
                walk(a->menu());
            else if (a->isSeparator())
                ++separatorCount;
            else
                commands.push_back(a);
        }
    };
    for (QMenu *menu : menus)
        walk(menu);
    if (separators)
        *separators = separatorCount;
    return commands;
}

}  // namespace orlenvo::testing
