#pragma once

#include "platform/forms/Control.h"

#include <memory>
#include <string>
#include <typeindex>

namespace forms
{

class Picture;

struct FormLayout {
    std::string_view Caption;
    int Width = 0, Height = 0;     // twips
    std::string_view Picture = {}; // skin resource of the background (drawn at its own size)
    std::string_view Icon = {};    // skin resource of the 32 x 32 icon; empty = none
    bool Bordered = false;         // title bar and close box (fixed single border)
};

// A top-level window. Frameless unless its layout says Bordered. Derived classes are the
// system's windows; they declare their controls as members in layout order.
class Form : public Container
{
  public:
    explicit Form(const FormLayout& layout);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QWidget* containerWidget() const override;
    Form* form() override { return this; }
    int hWnd() const; // a number naming this window while it lives

    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int twips);
    void setTop(int twips);
    bool Visible() const;
    void setVisible(bool visible);
    void Show() { setVisible(true); }
    void Hide() { setVisible(false); }
    int WindowState() const; // 0 normal, 1 minimised
    void setWindowState(int state);
    const forms::Picture& Icon() const;

    // Window events; defaults do nothing.
    virtual void Form_Load() {}
    virtual void Form_Unload(int& Cancel) { (void)Cancel; }
    virtual void Form_Terminate() {}
    virtual void Form_MouseDown(int Button, int Shift, float X, float Y)
    {
        (void)Button, (void)Shift, (void)X, (void)Y;
    }
    virtual void Form_MouseMove(int Button, int Shift, float X, float Y)
    {
        (void)Button, (void)Shift, (void)X, (void)Y;
    }
    virtual void Form_MouseUp(int Button, int Shift, float X, float Y)
    {
        (void)Button, (void)Shift, (void)X, (void)Y;
    }

    // Lets the window system move the window with the pointer until the button goes up.
    void DragWindow();

    QWidget* window() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string caption_;
    bool titleBehind_ = false; // the hidden window's title is set when it is shown
};

namespace detail
{
Form* findInstance(std::type_index type);
void registerInstance(std::type_index type, std::unique_ptr<Form> form);
void unloadInstance(std::type_index type);
Form* formFromHandle(int hWnd); // nullptr once the window is gone
void unloadAll();               // at the end of the program: discards every window quietly
void quitWhenNoneLoaded();      // the program ends once its last window is unloaded
} // namespace detail

// The program-wide instance of window W: created hidden on first reference (its Form_Load
// runs then), in its layout state.
template <class W> W& the()
{
    if (Form* f = detail::findInstance(typeid(W))) return static_cast<W&>(*f);
    auto form = std::make_unique<W>();
    W& ref = *form;
    detail::registerInstance(typeid(W), std::move(form));
    ref.Form_Load();
    return ref;
}

template <class W> bool isLoaded()
{
    return detail::findInstance(typeid(W)) != nullptr;
}

// Unload: runs Form_Unload, hides and discards the instance; the object itself is deleted
// only once the running handler has returned, so a window may unload itself.
template <class W> void Unload()
{
    detail::unloadInstance(typeid(W));
}

// Deletes unloaded windows now (the event loop does this on its own; tests call it).
void collectUnloaded();

} // namespace forms
