#include "platform/forms/Testing.h"

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Internal.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

namespace forms
{

namespace
{

std::vector<std::unique_ptr<testing::Script>>& scripts()
{
    static std::vector<std::unique_ptr<testing::Script>> stack;
    return stack;
}

// The test pointer: which widget took the press, and which buttons are held.
struct Pointer {
    QPointer<QWidget> grabbed;
    Qt::MouseButtons held;
};

Pointer& pointer()
{
    static Pointer p;
    return p;
}

Qt::MouseButton qtButton(int button)
{
    switch (button) {
    case 2:
        return Qt::RightButton;
    case 4:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

Qt::KeyboardModifiers qtShift(int shift)
{
    Qt::KeyboardModifiers m;
    if (shift & 1) m |= Qt::ShiftModifier;
    if (shift & 2) m |= Qt::ControlModifier;
    if (shift & 4) m |= Qt::AltModifier;
    return m;
}

// Delivers one mouse event at a point of `window` as the window system would: to the widget
// lying there (hidden and mouse-transparent widgets skipped), or to the one holding the grab.
void deliver(QWidget* window, QPoint at, QEvent::Type type, int button, int shift)
{
    Pointer& p = pointer();
    if (!p.grabbed) p.held = {}; // the widget holding the press is gone: the press is over
    const Qt::MouseButton b = type == QEvent::MouseMove ? Qt::NoButton : qtButton(button);
    QWidget* target = nullptr;
    if (p.held && p.grabbed)
        target = p.grabbed;
    else {
        target = window->childAt(at);
        if (!target) target = window;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        if (!p.held) p.grabbed = target;
        p.held |= b;
    } else if (type == QEvent::MouseButtonRelease) {
        p.held &= ~b;
    }
    Qt::MouseButtons buttons = p.held;
    if (type == QEvent::MouseMove && !p.held && button) buttons = qtButton(button);
    const QPoint local = target->mapFrom(window, at);
    const QPoint global = window->mapToGlobal(at);
    QMouseEvent event(type, QPointF(local), QPointF(at), QPointF(global), b, buttons, qtShift(shift));
    QApplication::sendEvent(target, &event);
    if (!p.held) p.grabbed = nullptr;
}

QPoint pixelsOf(float x, float y)
{
    return {detail::toPixels(x), detail::toPixels(y)};
}

void onControl(Control& c, QEvent::Type type, int button, float x, float y, int shift)
{
    QWidget* w = c.widget();
    if (!w) return;
    QWidget* window = w->window();
    deliver(window, w->mapTo(window, pixelsOf(x, y)), type, button, shift);
}

void onForm(Form& f, QEvent::Type type, int button, float x, float y, int shift)
{
    deliver(f.window(), pixelsOf(x, y), type, button, shift);
}

} // namespace

namespace detail
{
testing::Script* activeScript()
{
    return scripts().empty() ? nullptr : scripts().back().get();
}
} // namespace detail

namespace testing
{

ScriptedUi::ScriptedUi()
{
    scripts().push_back(std::make_unique<Script>());
}
ScriptedUi::~ScriptedUi()
{
    scripts().pop_back();
}
Script& ScriptedUi::script()
{
    return *scripts().back();
}

void press(Control& c, int button, float x, float y, int shift)
{
    onControl(c, QEvent::MouseButtonPress, button, x, y, shift);
}
void move(Control& c, int button, float x, float y, int shift)
{
    onControl(c, QEvent::MouseMove, button, x, y, shift);
}
void release(Control& c, int button, float x, float y, int shift)
{
    onControl(c, QEvent::MouseButtonRelease, button, x, y, shift);
}
void click(Control& c, float x, float y)
{
    press(c, 1, x, y);
    release(c, 1, x, y);
}
void doubleClick(Control& c, float x, float y)
{
    click(c, x, y);
    onControl(c, QEvent::MouseButtonDblClick, 1, x, y, 0);
    release(c, 1, x, y);
}
void press(Form& f, int button, float x, float y, int shift)
{
    onForm(f, QEvent::MouseButtonPress, button, x, y, shift);
}
void move(Form& f, int button, float x, float y, int shift)
{
    onForm(f, QEvent::MouseMove, button, x, y, shift);
}
void release(Form& f, int button, float x, float y, int shift)
{
    onForm(f, QEvent::MouseButtonRelease, button, x, y, shift);
}

} // namespace testing
} // namespace forms
