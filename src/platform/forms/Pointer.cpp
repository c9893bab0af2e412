#include "platform/forms/Pointer.h"

#include "platform/forms/Internal.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace forms::detail
{

namespace
{

class PointerFilter : public QObject
{
  public:
    static PointerFilter* instance()
    {
        static QPointer<PointerFilter> filter;
        if (!filter && QCoreApplication::instance()) {
            filter = new PointerFilter(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(filter);
        }
        return filter;
    }

    QPointer<MouseRouter> router;
    QPointer<QWidget> surface;
    QPointer<QWidget> dragged;
    QPoint lastPress, dragOffset;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (watched->isWidgetType()) pressed(static_cast<QMouseEvent*>(event));
            return false;
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return follow(watched, static_cast<QMouseEvent*>(event));
        default:
            return false;
        }
    }

  private:
    using QObject::QObject;

    void pressed(QMouseEvent* event)
    {
        lastPress = event->globalPosition().toPoint();
        if (event->buttons() == event->button())
            router = nullptr; // a fresh press: whoever takes it captures the pointer anew
    }

    bool follow(QObject* watched, QMouseEvent* event)
    {
        const bool release = event->type() == QEvent::MouseButtonRelease;
        const bool last = release && event->buttons() == Qt::NoButton;
        if (dragged) {
            if (!watched->isWidgetType()) return false;
            if (last)
                dragged = nullptr;
            else if (!release)
                dragged->move(event->globalPosition().toPoint() - dragOffset);
            return true;
        }
        if (!router || !surface) return false;
        if (event->buttons() == Qt::NoButton && !release) {
            router = nullptr; // the release went elsewhere (a popup took it): the press is over
            return false;
        }
        // Qt keeps the press's receiver while it stays visible; a hidden one gets nothing from
        // Qt (the window drops the event), so it is given the event here.
        bool redirect = false;
        if (watched->isWidgetType())
            redirect = watched != surface && static_cast<QWidget*>(watched)->window() == surface->window();
        else
            redirect =
                !surface->isVisible() && watched == static_cast<QObject*>(surface->window()->windowHandle());
        if (!redirect) {
            if (last && watched == surface) router = nullptr;
            return false;
        }
        const QPointF local = surface->mapFromGlobal(event->globalPosition());
        QMouseEvent redirected(event->type(), local, event->scenePosition(), event->globalPosition(),
                               event->button(), event->buttons(), event->modifiers());
        QPointer<MouseRouter> target = router;
        if (last) router = nullptr;
        target->handle(surface, &redirected);
        return true;
    }
};

} // namespace

void watchPointer()
{
    PointerFilter::instance();
}

void capturePointer(MouseRouter* router, QWidget* surface)
{
    if (PointerFilter* f = PointerFilter::instance()) {
        f->router = router;
        f->surface = surface;
    }
}

void followPointer(QWidget* window)
{
    if (PointerFilter* f = PointerFilter::instance()) {
        f->dragged = window;
        f->dragOffset = f->lastPress - window->pos();
    }
}

} // namespace forms::detail
