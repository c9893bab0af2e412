#pragma once

#include "platform/forms/Types.h"

#include <memory>
#include <string>
#include <vector>

namespace forms
{

class Form;

// A menu entry; entries with children are sub-menus. A separator has Caption "-".
class Menu
{
  public:
    Menu(Menu* parent, std::string_view name, std::string_view caption, bool visible = true);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption) { caption_ = caption; }
    bool Visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    const std::vector<Menu*>& children() const { return children_; }
    Handler onClick;

  private:
    Menu* parent_;
    std::string name_, caption_;
    bool visible_ = true, enabled_ = true;
    std::vector<Menu*> children_;
};

// Shows the menu's entries at the pointer, modal, and runs the chosen entry's onClick.
void PopupMenu(Form& owner, Menu& menu);

} // namespace forms
