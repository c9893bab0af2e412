#pragma once

// Shared pieces of the forms layer's implementation; never included outside src/platform.

#include "platform/forms/Testing.h"
#include "platform/forms/Types.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QMouseEvent;
class QWidget;

namespace forms
{
class Control;
}

namespace forms::detail
{

inline int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
inline float toTwips(double pixels)
{
    return static_cast<float>(pixels * TwipsPerPixel);
}

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// &H00BBGGRR, or a system colour (&H80000000 + index); `fallback` for NoColor.
QColor toQColor(Color color, const QColor& fallback);
// The layouts' font names mapped to installed fonts, at 96 dpi pixel sizes.
QFont toQFont(const Font& font, const QFont& base);
void applyColors(QWidget* w, Color back, Color fore, bool fillBackground);

int buttonOf(int qtButton);
int buttonsOf(int qtButtons);
int shiftOf(int qtModifiers);

// Counts handlers running, so unloaded windows are deleted only once none is.
class HandlerScope
{
  public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
    static int depth();
};

// Runs the handler of a change that code made (a property written): unlike runHandler, its
// exceptions reach the code that wrote the property.
inline void raiseFromCode(const std::function<void()>& handler)
{
    if (!handler) return;
    HandlerScope scope;
    handler();
}

// Deletes unloaded windows from the event loop once no handler runs.
void collectWhenIdle();

// Runs a handler on behalf of the event loop: no exception crosses back into Qt.
void runHandler(const std::function<void()>& handler);

// The script installed by testing::ScriptedUi, or nullptr in the program.
testing::Script* activeScript();

// Case-insensitive file name match against ";"-separated wildcard patterns ("*.*" is everything),
// compiled once for a whole folder.
class NamePatterns
{
  public:
    explicit NamePatterns(const std::string& patterns);
    bool matches(const std::string& name) const;

  private:
    std::vector<QRegularExpression> patterns_;
};

// "description|pattern;pattern|..." as Qt name filters ("description (pattern pattern)").
QStringList nameFiltersOf(const std::string& filter);

// Mouse events of one control: press, moves and release, Click and DblClick.
class MouseRouter : public QObject
{
  public:
    MouseRouter(Control* control, QWidget* widget);
    ~MouseRouter() override;
    void watch(QWidget* surface); // also route a child surface (a list's viewport)
    bool eventFilter(QObject* watched, QEvent* event) override;

    bool passThrough = false;   // the widget handles the events too (text boxes, combo boxes)
    bool clickOnRelease = true; // lists run Click at the press, through `onPress`
    std::function<void(QPoint)> onPress, onDouble; // list extras, in control pixels

    Control* control;
    void forget() { control = nullptr; }

    // One mouse event as it reached `surface` (the widget or a watched child).
    bool handle(QWidget* surface, QMouseEvent* event);

  private:
    int pressed_ = 0;
    bool clickArmed_ = false;
};

} // namespace forms::detail
