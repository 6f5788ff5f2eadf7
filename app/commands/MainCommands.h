// The menus, the toolbar and the command registry of a window: the menu bar
// and the toolbar "Toolbar1" are made from tables (CommandTable.h), every
// menu item and button carries its name as objectName, each command is
// registered by its menu item's name, and a button runs the command of its
// menu item. The main window and the fade editor both use it.
//
// Adding a command is a row in the window's table and one SetCommand line.
// Use from the user-interface thread only.
#pragma once

#include "CommandTable.h"

#include <QHash>
#include <QIcon>
#include <QString>

#include <functional>
#include <initializer_list>
#include <span>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

class MainCommands {
public:
    using IconOf = QIcon (*)(const QString& key);

    // context: the translation context the tables' texts are marked in.
    MainCommands(QMainWindow& window, const char* context);

    // Adds the menus to the window's menu bar, in order; every Command and
    // Separator belongs to the last Menu before it.
    void addMenus(std::span<const MenuEntry> entries);
    // Adds the window's toolbar with the buttons, left to right.
    QToolBar* addToolbar(std::span<const ToolbarEntry> entries, IconOf iconOf);

    // A menu, menu item or toolbar button by its name or key; null for none.
    QAction* command(const QString& name) const { return m_actions.value(name); }
    QMenu* menu(const QString& name) const;
    void SetCommand(const QString& name, std::function<void()> handler);
    // Runs a registered command; an unknown name does nothing.
    void Run(const QString& name) const;
    // Runs the command of a toolbar button; an unknown key does nothing.
    void Toolbar1_ButtonClick(const QString& key) const;
    // Menu items or buttons by name, all enabled or all disabled.
    void setEnabled(std::initializer_list<const char*> names, bool enabled) const;

private:
    QAction* addEntry(QMenu*& menu, const MenuEntry& entry);

    QMainWindow& m_window;
    const char* m_context;
    QHash<QString, QAction*> m_actions;
    QHash<QString, QString> m_toolbarCommands;
    QHash<QString, std::function<void()>> m_commands;
};
