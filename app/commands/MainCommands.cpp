#include "MainCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <utility>

MainCommands::MainCommands(QMainWindow& window, const char* context)
    : m_window(window)
    , m_context(context)
{
}

void MainCommands::addMenus(std::span<const MenuEntry> entries)
{
    QMenu* menu = nullptr;
    for (const MenuEntry& entry : entries) {
        QAction* action = addEntry(menu, entry);
        const QString name = QString::fromUtf8(entry.name);
        action->setObjectName(name);
        action->setEnabled(entry.enabled);
        action->setVisible(entry.visible);
        action->setCheckable(entry.checkable);
        if (*entry.shortcut != '\0')
            action->setShortcut(QKeySequence(QString::fromUtf8(entry.shortcut)));
        if (!name.isEmpty())
            m_actions.insert(name, action);
    }
}

QAction* MainCommands::addEntry(QMenu*& menu, const MenuEntry& entry)
{
    const QString name = QString::fromUtf8(entry.name);
    switch (entry.kind) {
    case MenuEntry::Menu:
        menu = m_window.menuBar()->addMenu(QCoreApplication::translate(m_context, entry.caption));
        menu->setObjectName(name);
        return menu->menuAction();
    case MenuEntry::Separator:
        return menu->addSeparator();
    case MenuEntry::Command:
        break;
    }
    QAction* action = menu->addAction(QCoreApplication::translate(m_context, entry.caption));
    QObject::connect(action, &QAction::triggered, action, [this, name] { Run(name); });
    return action;
}

QToolBar* MainCommands::addToolbar(std::span<const ToolbarEntry> entries, IconOf iconOf)
{
    QToolBar* toolbar = m_window.addToolBar(QStringLiteral("Toolbar1"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar->setIconSize(QSize(16, 16));
    for (const ToolbarEntry& entry : entries) {
        const QString key = QString::fromUtf8(entry.key);
        const QString toolTip = QCoreApplication::translate(m_context, entry.toolTip);
        QAction* button = toolbar->addAction(iconOf(key), toolTip);
        button->setObjectName(key);
        button->setToolTip(toolTip);
        toolbar->widgetForAction(button)->setObjectName(key);
        QObject::connect(button, &QAction::triggered, button, [this, key] { Toolbar1_ButtonClick(key); });
        m_actions.insert(key, button);
        m_toolbarCommands.insert(key, *entry.menuName == '\0' ? key : QString::fromUtf8(entry.menuName));
    }
    return toolbar;
}

QMenu* MainCommands::menu(const QString& name) const
{
    return m_window.menuBar()->findChild<QMenu*>(name);
}

void MainCommands::SetCommand(const QString& name, std::function<void()> handler)
{
    m_commands.insert(name, std::move(handler));
}

void MainCommands::Run(const QString& name) const
{
    const auto handler = m_commands.value(name);
    if (handler)
        handler();
}

void MainCommands::Toolbar1_ButtonClick(const QString& key) const
{
    const auto name = m_toolbarCommands.constFind(key);
    if (name != m_toolbarCommands.constEnd())
        Run(*name);
}

void MainCommands::setEnabled(std::initializer_list<const char*> names, bool enabled) const
{
    for (const char* name : names)
        m_actions.value(QString::fromLatin1(name))->setEnabled(enabled);
}
