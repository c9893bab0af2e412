#pragma once

#include "platform/forms/Types.h"

#include <memory>

class QWidget;

namespace forms
{

class Container;
class Form;
namespace detail
{
class MouseRouter;
}

// Base of every visible control: geometry in twips, visibility, enabled state, tooltip and
// the mouse events. A disabled or hidden control takes no mouse events: a press reaches
// whatever lies below it. Controls listed earlier in a layout lie above later ones.
class Control
{
  public:
    Control(Container& parent, const Layout& layout);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void Move(int left, int top, int width, int height);
    bool Visible() const;
    void setVisible(bool visible);
    bool Enabled() const;
    void setEnabled(bool enabled);
    std::string ToolTipText() const;
    void setToolTipText(const std::string& text);

    MouseHandler onMouseDown, onMouseMove, onMouseUp;
    Handler onClick, onDblClick;

    QWidget* widget() const { return widget_; } // the layer's own use and tests

  protected:
    // Derived constructors create their widget and hand it here before anything else.
    void attach(QWidget* widget, const Layout& layout);
    // Runs just before a hidden control is shown: a control whose text went to no widget while
    // hidden (nobody could see it) hands it over here.
    virtual void showing() {}
    Container& parent_;

    detail::MouseRouter* router() const { return router_; }

  private:
    friend class detail::MouseRouter;
    void place();
    std::string name_;
    QWidget* widget_ = nullptr; // owned by the container's widget; cleared when Qt deletes it
    detail::MouseRouter* router_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0; // twips, kept exactly as set
    bool visible_ = true;                             // the control's own flag; a hidden window keeps it
    bool enabled_ = true;
};

// Something that holds controls: a form or a picture box.
class Container
{
  public:
    virtual ~Container() = default;
    virtual QWidget* containerWidget() const = 0;
    // Places a newly created child below every earlier one (layout order is stacking order).
    void adopt(QWidget* child);
    // The form this container lies on.
    virtual Form* form() = 0;
};

} // namespace forms
