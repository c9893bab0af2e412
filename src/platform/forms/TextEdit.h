#pragma once

// The text box's widget. A box that code rewrites several times a second (the scrolling title)
// would have its text shaped twice and its line control rebuilt at every change; while the box
// has no keyboard focus, a text set from code is only drawn, from layouts kept per text, and
// enters the line control when the user clicks into the box.

#include <QLineEdit>
#include <QString>
#include <QTextLayout>
#include <optional>
#include <unordered_map>

namespace forms::detail
{

class TextEdit : public QLineEdit
{
  public:
    // Shows the text from its start, as a box does whose text code has set.
    void showText(const QString& text);
    // What the box shows: the line control's text, or the one waiting to enter it.
    QString shownText() const { return pending_ ? *pending_ : text(); }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Drawn {
        QTextLayout layout;
        int height = 0; // the line's height as the line edit reckons it
        int ascent = 0;
    };
    const Drawn& drawn(const QString& text);
    void commit();

    std::optional<QString> pending_;
    std::unordered_map<QString, Drawn> drawn_;
    qsizetype keptChars_ = 0;
};

} // namespace forms::detail
