#include "platform/forms/Form.h"

#include "platform/X11.h"
#include "platform/forms/Internal.h"
#include "platform/forms/PictureData.h"
#include "platform/forms/Pointer.h"
#include "platform/forms/TimerRegistry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <map>
#include <vector>

namespace forms
{

namespace
{

struct Registry {
    std::map<std::type_index, std::unique_ptr<Form>> loaded;
    std::vector<std::unique_ptr<Form>> unloaded; // waiting until no handler runs
    std::map<int, Form*> handles;
    int nextHandle = 0x100;
    bool collectPosted = false;
    bool quitWhenEmpty = false;
};

Registry& registry()
{
    static Registry r;
    return r;
}

} // namespace

// The window of a form: paints the skin, takes the presses that hit no control.
class FormWindow : public QWidget
{
  public:
    FormWindow(Form* form, const FormLayout& layout)
        : form_(form), background_(Picture::fromResource(layout.Picture)), bordered_(layout.Bordered)
    {
        if (layout.Bordered)
            setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        else
            setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setMouseTracking(true);
        setFixedSize(detail::toPixels(layout.Width), detail::toPixels(layout.Height));
    }

    Form* form_;
    Picture background_;
    bool bordered_;

  protected:
    void paintEvent(QPaintEvent*) override
    {
        if (background_.empty()) return;
        QPainter painter(this);
        // Where a window is larger than its skin, the rest stays dark like the skin's panels.
        painter.fillRect(rect(), Qt::black);
        painter.drawImage(QPoint(0, 0), background_.data->image());
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        const int b = detail::buttonOf(e->button()), s = detail::shiftOf(e->modifiers().toInt());
        const float x = detail::toTwips(e->position().x()), y = detail::toTwips(e->position().y());
        detail::runHandler([&] { form_->Form_MouseDown(b, s, x, y); });
    }

    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }

    void mouseMoveEvent(QMouseEvent* e) override
    {
        const int b = detail::buttonsOf(e->buttons().toInt()), s = detail::shiftOf(e->modifiers().toInt());
        const float x = detail::toTwips(e->position().x()), y = detail::toTwips(e->position().y());
        detail::runHandler([&] { form_->Form_MouseMove(b, s, x, y); });
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const int b = detail::buttonOf(e->button()), s = detail::shiftOf(e->modifiers().toInt());
        const float x = detail::toTwips(e->position().x()), y = detail::toTwips(e->position().y());
        detail::runHandler([&] { form_->Form_MouseUp(b, s, x, y); });
    }

    void closeEvent(QCloseEvent* e) override
    {
        // The window system's close (the About box's close box) unloads the window.
        e->ignore();
        Form* f = form_;
        if (detail::findInstance(typeid(*f)) != f) {
            hide();
            return;
        }
        detail::runHandler([f] { detail::unloadInstance(typeid(*f)); });
    }
};

struct Form::Impl {
    std::unique_ptr<FormWindow> window;
    Picture icon;
    int handle = 0;
    int width = 0, height = 0;
};

Form::Form(const FormLayout& layout) : impl_(std::make_unique<Impl>()), caption_(layout.Caption)
{
    detail::watchPointer();
    impl_->window = std::make_unique<FormWindow>(this, layout);
    impl_->width = layout.Width;
    impl_->height = layout.Height;
    impl_->window->setWindowTitle(detail::qs(caption_));
    impl_->icon = Picture::fromResource(layout.Icon);
    // Decoding the icon waits for the event loop: the window appears without waiting for it.
    if (!impl_->icon.empty())
        QTimer::singleShot(0, impl_->window.get(), [w = impl_->window.get(), icon = impl_->icon] {
            w->setWindowIcon(QIcon(QPixmap::fromImage(icon.data->image())));
        });
    Registry& r = registry();
    impl_->handle = r.nextHandle++;
    r.handles[impl_->handle] = this;
}

Form::~Form()
{
    registry().handles.erase(impl_->handle);
    detail::stopTimersOf(this);
}

QWidget* Form::containerWidget() const
{
    return impl_->window.get();
}
QWidget* Form::window() const
{
    return impl_->window.get();
}
int Form::hWnd() const
{
    return impl_->handle;
}

void Form::setCaption(const std::string& caption)
{
    // The scrolling title rewrites the captions ten times a second, also of hidden windows:
    // a hidden window's title reaches the window system only when it is shown.
    if (caption == caption_ && !titleBehind_) return;
    caption_ = caption;
    titleBehind_ = !impl_->window->isVisible();
    if (!titleBehind_) impl_->window->setWindowTitle(detail::qs(caption_));
}

int Form::Left() const
{
    return impl_->window->x() * TwipsPerPixel;
}
int Form::Top() const
{
    return impl_->window->y() * TwipsPerPixel;
}
int Form::Width() const
{
    return impl_->width;
}
int Form::Height() const
{
    return impl_->height;
}
void Form::setLeft(int twips)
{
    impl_->window->move(detail::toPixels(twips), impl_->window->y());
}
void Form::setTop(int twips)
{
    impl_->window->move(impl_->window->x(), detail::toPixels(twips));
}
bool Form::Visible() const
{
    return impl_->window->isVisible();
}

void Form::setVisible(bool visible)
{
    QWidget* w = impl_->window.get();
    if (!visible) {
        w->hide();
        return;
    }
    if (titleBehind_) w->setWindowTitle(detail::qs(caption_));
    titleBehind_ = false;
    if (w->isMinimized()) {
        w->showMinimized();
    } else {
        platform::x11::clearStaleIconicHint(w);
        w->show();
    }
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
}

int Form::WindowState() const
{
    return impl_->window->isMinimized() ? 1 : 0;
}

void Form::setWindowState(int state)
{
    QWidget* w = impl_->window.get();
    if (state == 1) {
        if (w->isVisible())
            w->showMinimized();
        else
            w->setWindowState(w->windowState() | Qt::WindowMinimized);
    } else {
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        if (w->isVisible()) w->showNormal();
    }
}

const forms::Picture& Form::Icon() const
{
    return impl_->icon;
}

void Form::DragWindow()
{
    QWidget* w = impl_->window.get();
    if (testing::Script* script = detail::activeScript())
        ++script->dragRequests; // the window system is never asked under test
    else if (QWindow* handle = w->windowHandle(); handle && handle->startSystemMove())
        return;
    detail::followPointer(w);
}

namespace detail
{

Form* findInstance(std::type_index type)
{
    auto& loaded = registry().loaded;
    auto it = loaded.find(type);
    return it == loaded.end() ? nullptr : it->second.get();
}

void registerInstance(std::type_index type, std::unique_ptr<Form> form)
{
    // Windows hold widgets, which must go before the application object does.
    static const bool cleanupAtExit = [] {
        qAddPostRoutine([] { unloadAll(); });
        return true;
    }();
    (void)cleanupAtExit;
    registry().loaded[type] = std::move(form);
}

void unloadInstance(std::type_index type)
{
    Registry& r = registry();
    auto it = r.loaded.find(type);
    if (it == r.loaded.end()) return;
    std::unique_ptr<Form> form = std::move(it->second);
    r.loaded.erase(it);
    int cancel = 0;
    form->Form_Unload(cancel);
    form->Hide();
    stopTimersOf(form.get());
    r.unloaded.push_back(std::move(form));
    collectWhenIdle();
}

Form* formFromHandle(int hWnd)
{
    auto& handles = registry().handles;
    auto it = handles.find(hWnd);
    return it == handles.end() ? nullptr : it->second;
}

void collectWhenIdle()
{
    Registry& r = registry();
    if (r.unloaded.empty() || r.collectPosted || !QCoreApplication::instance()) return;
    r.collectPosted = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        registry().collectPosted = false;
        collectUnloaded();
    });
}

void quitWhenNoneLoaded()
{
    registry().quitWhenEmpty = true;
}

void unloadAll()
{
    Registry& r = registry();
    while (!r.loaded.empty()) {
        auto node = r.loaded.extract(r.loaded.begin());
        node.mapped()->Hide();
        r.unloaded.push_back(std::move(node.mapped()));
    }
    r.unloaded.clear();
}

} // namespace detail

void collectUnloaded()
{
    Registry& r = registry();
    if (detail::HandlerScope::depth() > 0)
        return; // a handler of one of them may still be running; the scope's end retries
    while (!r.unloaded.empty()) {
        std::vector<std::unique_ptr<Form>> batch = std::move(r.unloaded);
        r.unloaded.clear();
        for (auto& form : batch)
            detail::runHandler([&form] { form->Form_Terminate(); });
        // Terminate handlers may unload more windows; the loop takes them too.
    }
    if (r.quitWhenEmpty && r.loaded.empty()) QCoreApplication::quit();
}

} // namespace forms
