#include "platform/forms/Control.h"

#include "platform/forms/Internal.h"
#include "platform/forms/Pointer.h"

#include <QMouseEvent>
#include <QWidget>

namespace forms
{

Control::Control(Container& parent, const Layout& layout) : parent_(parent), name_(layout.Name) {}

Control::~Control()
{
    if (router_) router_->forget();
    delete widget_;
}

void Control::attach(QWidget* widget, const Layout& layout)
{
    widget_ = widget;
    router_ = new detail::MouseRouter(this, widget);
    widget->setParent(parent_.containerWidget());
    parent_.adopt(widget);
    widget->setMouseTracking(true);
    left_ = layout.Left;
    top_ = layout.Top;
    width_ = layout.Width;
    height_ = layout.Height;
    place();
    if (!layout.ToolTipText.empty()) widget->setToolTip(detail::qs(layout.ToolTipText));
    setEnabled(layout.Enabled);
    setVisible(layout.Visible);
}

void Control::place()
{
    if (widget_)
        widget_->setGeometry(detail::toPixels(left_), detail::toPixels(top_), detail::toPixels(width_),
                             detail::toPixels(height_));
}

int Control::Left() const
{
    return left_;
}
int Control::Top() const
{
    return top_;
}
int Control::Width() const
{
    return width_;
}
int Control::Height() const
{
    return height_;
}

void Control::setLeft(int twips)
{
    Move(twips, top_, width_, height_);
}
void Control::setTop(int twips)
{
    Move(left_, twips, width_, height_);
}
void Control::setWidth(int twips)
{
    Move(left_, top_, twips, height_);
}
void Control::setHeight(int twips)
{
    Move(left_, top_, width_, twips);
}

void Control::Move(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    place();
}

bool Control::Visible() const
{
    return visible_;
}

void Control::setVisible(bool visible)
{
    if (visible && !visible_) showing();
    visible_ = visible;
    if (widget_) widget_->setVisible(visible);
}

bool Control::Enabled() const
{
    return enabled_;
}

void Control::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (widget_) {
        widget_->setEnabled(enabled);
        // A disabled control lets the press through to whatever lies below it.
        widget_->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
    }
}

std::string Control::ToolTipText() const
{
    return widget_ ? detail::utf8(widget_->toolTip()) : std::string();
}

void Control::setToolTipText(const std::string& text)
{
    if (widget_) widget_->setToolTip(detail::qs(text));
}

void Container::adopt(QWidget* child)
{
    // Children created later lie below the earlier ones.
    child->lower();
}

namespace detail
{

MouseRouter::MouseRouter(Control* c, QWidget* widget) : QObject(widget), control(c)
{
    widget->installEventFilter(this);
}

MouseRouter::~MouseRouter()
{
    // Qt deleted the widget (its container went first): the control must not delete it again.
    if (control) {
        control->widget_ = nullptr;
        control->router_ = nullptr;
    }
}

void MouseRouter::watch(QWidget* surface)
{
    surface->installEventFilter(this);
    surface->setMouseTracking(true);
}

bool MouseRouter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        if (control && control->widget())
            return handle(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
        return false;
    default:
        return false;
    }
}

bool MouseRouter::handle(QWidget* surface, QMouseEvent* event)
{
    Control* c = control;
    QWidget* w = c->widget();
    const QPoint local =
        surface == w ? event->position().toPoint() : surface->mapTo(w, event->position().toPoint());
    const float x = toTwips(local.x()), y = toTwips(local.y());
    const int shift = shiftOf(event->modifiers().toInt());
    const int button = buttonOf(event->button());
    const bool live = c->Enabled() && c->Visible();
    auto call = [](const MouseHandler& h, int b, int s, float hx, float hy) {
        if (h) runHandler([&] { h(b, s, hx, hy); });
    };

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (!live) return false;
        const bool dbl = event->type() == QEvent::MouseButtonDblClick;
        pressed_ |= event->button();
        capturePointer(this, surface);
        if (dbl && (c->onDblClick || onDouble)) {
            // The second press of a double click is the DblClick, not another press.
            clickArmed_ = false;
            if (onDouble) runHandler([&] { onDouble(local); });
            if (control) runHandler(c->onDblClick);
            return !passThrough;
        }
        if (event->button() == Qt::LeftButton) clickArmed_ = clickOnRelease;
        call(c->onMouseDown, button, shift, x, y);
        if (control && onPress && event->button() == Qt::LeftButton) runHandler([&] { onPress(local); });
        return !passThrough;
    }
    case QEvent::MouseMove:
        if (!pressed_ && !live) return false;
        call(c->onMouseMove, buttonsOf(event->buttons().toInt()), shift, x, y);
        return !passThrough;
    case QEvent::MouseButtonRelease: {
        if (!(pressed_ & event->button())) return false;
        pressed_ &= ~event->button();
        const bool click = event->button() == Qt::LeftButton && clickArmed_ && w->rect().contains(local);
        if (event->button() == Qt::LeftButton) clickArmed_ = false;
        call(c->onMouseUp, button, shift, x, y);
        if (click && control) runHandler(c->onClick);
        return !passThrough;
    }
    default:
        return false;
    }
}

} // namespace detail
} // namespace forms
