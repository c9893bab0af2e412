#include "platform/forms/TextEdit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLine>
#include <algorithm>

namespace forms::detail
{

namespace
{

// Layouts kept per box: a scrolling title needs one per character it rotates through. The
// characters are bounded too, or a tag's title of thousands would hold megabytes per layout.
constexpr size_t KeptLayouts = 256;
constexpr qsizetype KeptChars = 64 * 1024;
// The line edit's margins around its text line.
constexpr int HorizontalMargin = 2;
constexpr int VerticalMargin = 1;

// The text as the line edit lays it out: cut at its length limit, control characters as spaces.
QString displayed(const QString& text, int maxLength)
{
    QString shown = text.left(maxLength);
    for (QChar& c : shown)
        if ((c.unicode() < 0x20 && c.unicode() != 0x09) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter)
            c = QChar(0x20);
    return shown;
}

} // namespace

void TextEdit::showText(const QString& text)
{
    // While the user edits, and for right-to-left texts, the line control itself shows it.
    if (hasFocus() || text.isRightToLeft()) {
        pending_.reset();
        setText(text);
        setCursorPosition(0);
        return;
    }
    pending_ = text;
    update();
}

void TextEdit::commit()
{
    if (!pending_) return;
    const QString text = std::move(*pending_);
    pending_.reset();
    setText(text);
    setCursorPosition(0);
}

bool TextEdit::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::InputMethod:
    case QEvent::InputMethodQuery:
        commit();
        break;
    default:
        break;
    }
    return QLineEdit::event(event);
}

void TextEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        drawn_.clear();
        keptChars_ = 0;
    }
    QLineEdit::changeEvent(event);
}

const TextEdit::Drawn& TextEdit::drawn(const QString& text)
{
    if (auto found = drawn_.find(text); found != drawn_.end()) return found->second;
    if (drawn_.size() >= KeptLayouts || keptChars_ + text.size() > KeptChars) {
        drawn_.clear();
        keptChars_ = 0;
    }
    keptChars_ += text.size();
    Drawn& made = drawn_.try_emplace(text).first->second;
    made.layout.setText(displayed(text, maxLength()));
    made.layout.setFont(font());
    made.layout.setCacheEnabled(true);
    QTextOption option = made.layout.textOption();
    option.setTextDirection(Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    made.layout.setTextOption(option);
    made.layout.beginLayout();
    const QTextLine line = made.layout.createLine();
    made.layout.endLayout();
    made.ascent = qRound(line.ascent());
    const QFontMetrics metrics = fontMetrics();
    made.height = std::max(metrics.boundingRect(text).height(), metrics.height());
    return made;
}

// Draws the waiting text where the line edit would draw it with the cursor at its start.
void TextEdit::paintEvent(QPaintEvent* event)
{
    if (!pending_) {
        QLineEdit::paintEvent(event);
        return;
    }
    const Drawn& text = drawn(*pending_);
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect r =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    painter.setClipRect(r);

    const Qt::Alignment align = QStyle::visualAlignment(Qt::LeftToRight, alignment());
    int top = r.y() + (r.height() - text.height + 1) / 2;
    if (align & Qt::AlignTop) top = r.y() + VerticalMargin;
    if (align & Qt::AlignBottom) top = r.y() + r.height() - text.height - VerticalMargin;
    const QRect line(r.x() + HorizontalMargin, top, r.width() - 2 * HorizontalMargin, text.height);

    const int used = qRound(text.layout.lineAt(0).naturalTextWidth()) + 1;
    int scroll = 0;
    if (used <= line.width()) {
        const auto horizontal = align & ~(Qt::AlignAbsolute | Qt::AlignVertical_Mask);
        if (horizontal == Qt::AlignRight) scroll = used - line.width() + 1;
        if (horizontal == Qt::AlignHCenter) scroll = (used - line.width()) / 2;
    }
    const QPoint topLeft = line.topLeft() - QPoint(scroll, text.ascent - fontMetrics().ascent());
    painter.setPen(palette().text().color());
    text.layout.draw(&painter, topLeft, {}, r);
}

} // namespace forms::detail
