#pragma once

#include "platform/forms/Control.h"

#include <string>
#include <vector>

namespace forms
{

// A picture: a skin resource or a bitmap loaded from a file; empty when nothing loaded.
class Picture
{
  public:
    Picture();
    ~Picture();
    Picture(const Picture&);
    Picture& operator=(const Picture&);
    static Picture fromResource(std::string_view name);
    bool empty() const;
    int widthPixels() const;
    int heightPixels() const;
    int Handle() const; // a number naming this picture (0 when empty), for the tray record
    struct Data;
    std::shared_ptr<const Data> data;
};

// LoadPicture: a picture read from a bitmap file; empty (and no failure raised) when unreadable.
Picture LoadPicture(const std::string& path);

// An image shown at its own size (skinned buttons).
class Image : public Control
{
  public:
    Image(Container& parent, const Layout& layout);
    const forms::Picture& Picture() const { return picture_; }
    void setPicture(const forms::Picture& picture);

  private:
    forms::Picture picture_;
};

// A box with a background colour and an optional picture; may hold controls.
class PictureBox : public Control, public Container
{
  public:
    PictureBox(Container& parent, const Layout& layout);
    QWidget* containerWidget() const override;
    Form* form() override { return parent_.form(); }
    const forms::Picture& Picture() const { return picture_; }
    void setPicture(const forms::Picture& picture);
    Color BackColor() const { return back_; }
    void setBackColor(Color color);

  private:
    forms::Picture picture_;
    Color back_;
};

// A caption; onChange runs before setCaption returns, and only when the text differs.
class Label : public Control
{
  public:
    Label(Container& parent, const Layout& layout);
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    void setForeColor(Color color);
    void setBackColor(Color color);
    Handler onChange;

  private:
    void showing() override;
    std::string caption_;
    bool widgetBehind_ = false; // the widget shows an older caption (the label is hidden)
};

// A one-line text; onChange runs on every change of text, from code or from the user.
class TextBox : public Control
{
  public:
    TextBox(Container& parent, const Layout& layout);
    const std::string& Text() const { return text_; }
    void setText(const std::string& text);
    Handler onChange;

  private:
    std::string text_;
};

// A list of texts. Setting ListIndex from code runs onClick at once, as a user's pick does,
// also for the same index and for -1 (no selection); an index past the end changes nothing.
class ListBox : public Control
{
  public:
    ListBox(Container& parent, const Layout& layout);
    void AddItem(const std::string& item);
    void RemoveItem(int index); // out of range: nothing happens
    void Clear();
    std::string List(int index) const; // past the end (or negative): empty text
    int ListCount() const;
    int ListIndex() const; // -1 when nothing is selected
    void setListIndex(int index);
    // Bulk fill without repainting per item (playlist files of tens of thousands of lines).
    void AddItems(const std::vector<std::string>& items);
    void setForeColor(Color color);
    void setBackColor(Color color);

  private:
    std::vector<std::string> items_;
    int index_ = -1;
};

// An editable text with a drop-down list of entries.
class ComboBox : public Control
{
  public:
    ComboBox(Container& parent, const Layout& layout);
    std::string Text() const;
    void setText(const std::string& text);
    void AddItem(const std::string& item);
    void Clear();
    std::string List(int index) const;
    int ListCount() const;
    int ListIndex() const;
    void setListIndex(int index); // runs onClick, as a user's pick does
    Handler onChange;

  private:
    std::vector<std::string> items_;
    std::string text_;
    int index_ = -1;
};

} // namespace forms
