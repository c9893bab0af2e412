#include "platform/forms/Controls.h"

#include "platform/forms/Internal.h"
#include "platform/forms/ListSurface.h"
#include "platform/forms/TextEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace forms
{

namespace
{

Qt::Alignment alignmentOf(int alignment)
{
    switch (alignment) {
    case 1:
        return Qt::AlignRight | Qt::AlignTop;
    case 2:
        return Qt::AlignHCenter | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

} // namespace

// Label ------------------------------------------------------------------------------------

Label::Label(Container& parent, const Layout& layout) : Control(parent, layout), caption_(layout.Caption)
{
    auto* w = new QLabel;
    w->setTextFormat(Qt::PlainText);
    w->setWordWrap(true); // a caption wider than its label breaks between words
    w->setAlignment(alignmentOf(layout.Alignment));
    w->setFont(detail::toQFont(layout.Font, w->font()));
    w->setText(detail::qs(caption_));
    attach(w, layout);
    detail::applyColors(w, layout.BackColor, layout.ForeColor, !layout.Transparent);
}

void Label::setCaption(const std::string& caption)
{
    if (caption == caption_) return;
    caption_ = caption;
    // Value-holding labels are hidden and written per played frame: laying out text that
    // nobody sees is the cost, so a hidden label's widget gets its caption when it is shown.
    widgetBehind_ = !Visible();
    if (auto* w = static_cast<QLabel*>(widget()); w && !widgetBehind_) w->setText(detail::qs(caption_));
    detail::raiseFromCode(onChange);
}

void Label::showing()
{
    if (auto* w = static_cast<QLabel*>(widget()); w && widgetBehind_) w->setText(detail::qs(caption_));
    widgetBehind_ = false;
}

void Label::setForeColor(Color color)
{
    if (widget()) detail::applyColors(widget(), NoColor, color, widget()->autoFillBackground());
}

void Label::setBackColor(Color color)
{
    if (widget()) detail::applyColors(widget(), color, NoColor, widget()->autoFillBackground());
}

// TextBox ----------------------------------------------------------------------------------

TextBox::TextBox(Container& parent, const Layout& layout) : Control(parent, layout), text_(layout.Caption)
{
    auto* w = new detail::TextEdit;
    w->setFrame(false);
    // Value-holding boxes lie outside the window: they must not take the keyboard on their own.
    w->setFocusPolicy(Qt::ClickFocus);
    w->setAlignment(alignmentOf(layout.Alignment) & Qt::AlignHorizontal_Mask);
    w->setFont(detail::toQFont(layout.Font, w->font()));
    w->showText(detail::qs(text_)); // laid out when first drawn: most boxes are never shown
    attach(w, layout);
    router()->passThrough = true;
    detail::applyColors(w, layout.BackColor, layout.ForeColor, true);
    QObject::connect(w, &QLineEdit::textEdited, w, [this](const QString& text) {
        text_ = detail::utf8(text);
        detail::runHandler(onChange);
    });
}

void TextBox::setText(const std::string& text)
{
    if (text == text_) return;
    text_ = text;
    if (auto* w = static_cast<detail::TextEdit*>(widget())) w->showText(detail::qs(text_));
    detail::raiseFromCode(onChange);
}

// ListBox ----------------------------------------------------------------------------------

namespace
{
detail::ListSurface* surfaceOf(const Control& c)
{
    return static_cast<detail::ListSurface*>(c.widget());
}
} // namespace

ListBox::ListBox(Container& parent, const Layout& layout) : Control(parent, layout)
{
    auto* s = new detail::ListSurface(layout);
    s->model.count = [this] { return static_cast<int>(items_.size()); };
    s->model.text = [this](int row) { return detail::qs(items_[static_cast<std::size_t>(row)]); };
    attach(s, layout);
    s->routeRows(*router(), [this](int row) { setListIndex(row); });
}

void ListBox::AddItem(const std::string& item)
{
    auto* s = surfaceOf(*this);
    const int row = static_cast<int>(items_.size());
    if (s) s->model.beginInsert(row, row);
    items_.push_back(item);
    if (s) s->model.endInsert();
}

void ListBox::AddItems(const std::vector<std::string>& items)
{
    if (items.empty()) return;
    auto* s = surfaceOf(*this);
    const int first = static_cast<int>(items_.size());
    if (s) s->model.beginInsert(first, first + static_cast<int>(items.size()) - 1);
    items_.insert(items_.end(), items.begin(), items.end());
    if (s) s->model.endInsert();
}

void ListBox::RemoveItem(int index)
{
    if (index < 0 || index >= ListCount()) return;
    auto* s = surfaceOf(*this);
    if (s) s->model.beginRemove(index, index);
    items_.erase(items_.begin() + index);
    if (s) s->model.endRemove();
    if (index_ == index)
        index_ = -1;
    else if (index_ > index)
        --index_;
    if (s) s->showSelected(index_);
}

void ListBox::Clear()
{
    auto* s = surfaceOf(*this);
    if (s) s->model.beginReset();
    items_.clear();
    index_ = -1;
    if (s) s->model.endReset();
}

std::string ListBox::List(int index) const
{
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<std::size_t>(index)];
}

int ListBox::ListCount() const
{
    return static_cast<int>(items_.size());
}
int ListBox::ListIndex() const
{
    return index_;
}

void ListBox::setListIndex(int index)
{
    detail::selectIndex(surfaceOf(*this), index_, index, ListCount(), onClick);
}

void ListBox::setForeColor(Color color)
{
    if (auto* s = surfaceOf(*this)) detail::applyColors(s->viewport(), NoColor, color, true);
}

void ListBox::setBackColor(Color color)
{
    if (auto* s = surfaceOf(*this)) detail::applyColors(s->viewport(), color, NoColor, true);
}

// ComboBox ---------------------------------------------------------------------------------

namespace
{
QComboBox* comboOf(const Control& c)
{
    return static_cast<QComboBox*>(c.widget());
}

// Shows the picked row and the text without raising the widget's own signals.
void showInCombo(QComboBox* w, int index, const std::string& text)
{
    const QSignalBlocker block(w);
    w->setCurrentIndex(index);
    w->setEditText(detail::qs(text));
}
} // namespace

ComboBox::ComboBox(Container& parent, const Layout& layout) : Control(parent, layout), text_(layout.Caption)
{
    auto* w = new QComboBox;
    w->setEditable(true);
    w->setFocusPolicy(Qt::ClickFocus);
    w->setInsertPolicy(QComboBox::NoInsert);
    w->setFont(detail::toQFont(layout.Font, w->font()));
    w->setEditText(detail::qs(text_));
    attach(w, layout);
    router()->passThrough = true;
    detail::applyColors(w, layout.BackColor, layout.ForeColor, false);
    QObject::connect(w->lineEdit(), &QLineEdit::textEdited, w, [this](const QString& text) {
        text_ = detail::utf8(text);
        detail::runHandler(onChange);
    });
    QObject::connect(w, &QComboBox::activated, w, [this](int row) {
        if (row < 0 || row >= ListCount()) return;
        index_ = row;
        text_ = items_[static_cast<std::size_t>(row)];
        detail::runHandler(onClick);
    });
}

std::string ComboBox::Text() const
{
    return text_;
}

void ComboBox::setText(const std::string& text)
{
    if (text == text_) return;
    text_ = text;
    index_ = -1;
    for (int i = 0; i < ListCount(); ++i)
        if (items_[static_cast<std::size_t>(i)] == text_) index_ = i;
    if (auto* w = comboOf(*this)) showInCombo(w, index_, text_);
    detail::raiseFromCode(onChange);
}

void ComboBox::AddItem(const std::string& item)
{
    items_.push_back(item);
    if (auto* w = comboOf(*this)) {
        const QSignalBlocker block(w);
        w->addItem(detail::qs(item));
        showInCombo(w, index_, text_);
    }
}

void ComboBox::Clear()
{
    items_.clear();
    index_ = -1;
    text_.clear();
    if (auto* w = comboOf(*this)) {
        const QSignalBlocker block(w);
        w->clear();
        w->setEditText(QString());
    }
}

std::string ComboBox::List(int index) const
{
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<std::size_t>(index)];
}

int ComboBox::ListCount() const
{
    return static_cast<int>(items_.size());
}
int ComboBox::ListIndex() const
{
    return index_;
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= ListCount()) return;
    index_ = index;
    text_ = index >= 0 ? items_[static_cast<std::size_t>(index)] : std::string();
    if (auto* w = comboOf(*this)) showInCombo(w, index_, text_);
    detail::raiseFromCode(onClick);
}

} // namespace forms
