#include "platform/forms/Internal.h"

#include "platform/forms/Dialogs.h"

#include <QPalette>
#include <QRegularExpression>
#include <QWidget>
#include <cstdio>
#include <exception>

namespace forms::detail
{

namespace
{
int handlerDepth = 0;
}

QColor toQColor(Color color, const QColor& fallback)
{
    if (color == NoColor) return fallback;
    if (color & 0x80000000u) {
        // System colours: the few the layouts use, on the application palette.
        const QPalette p = QPalette();
        switch (color & 0xFFu) {
        case 5:
            return p.color(QPalette::Base);
        case 8:
            return p.color(QPalette::Text);
        case 15:
            return p.color(QPalette::Button);
        case 18:
            return p.color(QPalette::ButtonText);
        default:
            return fallback;
        }
    }
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

QFont toQFont(const Font& font, const QFont& base)
{
    QFont f = base;
    double scale = 1;
    if (!font.Name.empty()) {
        const QString name = qs(font.Name);
        if (name.compare(QLatin1String("MS Serif"), Qt::CaseInsensitive) == 0) {
            f.setFamily(QStringLiteral("DejaVu Serif"));
        } else if (name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0) {
            // A narrower face than DejaVu Sans: at nine tenths of the size DejaVu Sans takes
            // about its width, so a number laid out to fit its label still fits ("100" in 21
            // pixels at 8.25 points, bold).
            f.setFamily(QStringLiteral("DejaVu Sans"));
            scale = 0.9;
        } else if (name.compare(QLatin1String("Small Fonts"), Qt::CaseInsensitive) == 0) {
            f.setFamily(QStringLiteral("DejaVu Sans"));
        } else {
            f.setFamily(name);
        }
    }
    if (font.Size > 0)
        // Points at the original 96 dpi: 20 twips a point, 15 twips a pixel.
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * scale * 20.0 / TwipsPerPixel))));
    f.setBold(font.Bold);
    return f;
}

void applyColors(QWidget* w, Color back, Color fore, bool fillBackground)
{
    QPalette p = w->palette();
    const QColor bg = toQColor(back, p.color(QPalette::Window));
    const QColor fg = toQColor(fore, p.color(QPalette::WindowText));
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        p.setColor(role, bg);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, fg);
    w->setPalette(p);
    w->setAutoFillBackground(fillBackground);
}

int buttonOf(int qtButton)
{
    switch (qtButton) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int buttonsOf(int qtButtons)
{
    return (qtButtons & Qt::LeftButton ? 1 : 0) | (qtButtons & Qt::RightButton ? 2 : 0) |
           (qtButtons & Qt::MiddleButton ? 4 : 0);
}

int shiftOf(int qtModifiers)
{
    return (qtModifiers & Qt::ShiftModifier ? 1 : 0) | (qtModifiers & Qt::ControlModifier ? 2 : 0) |
           (qtModifiers & Qt::AltModifier ? 4 : 0);
}

HandlerScope::HandlerScope()
{
    ++handlerDepth;
}

HandlerScope::~HandlerScope()
{
    if (--handlerDepth == 0) collectWhenIdle();
}

int HandlerScope::depth()
{
    return handlerDepth;
}

void runHandler(const std::function<void()>& handler)
{
    if (!handler) return;
    HandlerScope scope;
    try {
        handler();
    } catch (const DialogCancelled&) {
        // A cancelled dialog that reports itself as a failure ends its handler quietly.
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sonavel: a handler failed: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "sonavel: a handler failed\n");
    }
}

NamePatterns::NamePatterns(const std::string& patterns)
{
    for (const QString& raw : qs(patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString pattern = raw.trimmed();
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*"); // every file, with or without an extension
        patterns_.emplace_back(QRegularExpression::wildcardToRegularExpression(pattern),
                               QRegularExpression::CaseInsensitiveOption);
    }
}

bool NamePatterns::matches(const std::string& name) const
{
    const QString file = qs(name);
    for (const QRegularExpression& re : patterns_)
        if (re.match(file).hasMatch()) return true;
    return false;
}

} // namespace forms::detail
