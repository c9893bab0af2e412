#include "platform/forms/Menu.h"

#include "platform/forms/Form.h"
#include "platform/forms/Internal.h"

#include <QCursor>
#include <QMenu>
#include <QWidget>
#include <algorithm>

namespace forms
{

Menu::Menu(Menu* parent, std::string_view name, std::string_view caption, bool visible)
    : parent_(parent), name_(name), caption_(caption), visible_(visible)
{
    if (parent_) parent_->children_.push_back(this);
}

Menu::~Menu()
{
    if (parent_) std::erase(parent_->children_, this);
    for (Menu* child : children_)
        child->parent_ = nullptr;
}

namespace
{

bool isSeparator(const Menu& m)
{
    return m.Caption() == "-";
}

void collectVisible(const Menu& menu, std::vector<std::string>& names)
{
    for (const Menu* child : menu.children()) {
        if (!child->Visible()) continue;
        names.push_back(child->Name());
        collectVisible(*child, names);
    }
}

Menu* findEntry(Menu& menu, const std::string& name)
{
    for (Menu* child : menu.children()) {
        if (!child->Visible()) continue;
        if (child->Name() == name) return child;
        if (Menu* found = findEntry(*child, name)) return found;
    }
    return nullptr;
}

void fill(QMenu* qmenu, const Menu& menu, std::vector<std::pair<QAction*, const Menu*>>& actions)
{
    for (const Menu* child : menu.children()) {
        if (!child->Visible()) continue;
        if (isSeparator(*child)) {
            qmenu->addSeparator();
        } else if (!child->children().empty()) {
            QMenu* sub = qmenu->addMenu(detail::qs(child->Caption()));
            sub->setEnabled(child->Enabled());
            fill(sub, *child, actions);
        } else {
            QAction* action = qmenu->addAction(detail::qs(child->Caption()));
            action->setEnabled(child->Enabled());
            actions.emplace_back(action, child);
        }
    }
}

} // namespace

void PopupMenu(Form& owner, Menu& menu)
{
    Menu* chosen = nullptr;
    if (testing::Script* script = detail::activeScript()) {
        testing::Script::MenuShown shown{menu.Name(), {}};
        collectVisible(menu, shown.visibleEntries);
        script->menus.push_back(std::move(shown));
        if (!script->menuChoices.empty()) {
            const std::string name = script->menuChoices.front();
            script->menuChoices.pop_front();
            Menu* entry = findEntry(menu, name);
            if (entry && entry->Enabled() && !isSeparator(*entry) && entry->children().empty())
                chosen = entry;
        }
    } else {
        QMenu qmenu(owner.window());
        std::vector<std::pair<QAction*, const Menu*>> actions;
        fill(&qmenu, menu, actions);
        if (QAction* picked = qmenu.exec(QCursor::pos()))
            for (const auto& [action, entry] : actions)
                if (action == picked) chosen = const_cast<Menu*>(entry);
    }
    // The entry runs once the menu is gone, as part of the handler that showed it.
    if (chosen && chosen->onClick) chosen->onClick();
}

} // namespace forms
