#include "LayoutMatch.h"

#include "platform/forms/Control.h"
#include "platform/forms/TextEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace windows_test
{

namespace
{

// A container's child widgets from the top of the stack down (Qt lists them bottom first).
std::vector<QWidget*> stackedChildren(QWidget* container)
{
    std::vector<QWidget*> out;
    const QObjectList& kids = container->children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it)
        if ((*it)->isWidgetType() && !static_cast<QWidget*>(*it)->isWindow())
            out.push_back(static_cast<QWidget*>(*it));
    return out;
}

bool isTimer(const forms::Layout& row)
{
    return row.Interval > 0;
}

// Only picture boxes that hold controls are looked into: other controls have inner widgets of their own.
bool holdsControls(std::string_view name, std::span<const layout::Nesting> parents)
{
    for (const auto& nesting : parents)
        if (nesting.second == name) return true;
    return false;
}

// Pixel and twips values agree when the pixel is the twips value's nearest.
void expectTwips(int pixels, int twips, const char* what)
{
    EXPECT_LE(std::abs(pixels * forms::TwipsPerPixel - twips), forms::TwipsPerPixel / 2)
        << what << ": " << pixels << " px for " << twips << " twips";
}

std::string textOf(QWidget* w, bool* hasText)
{
    *hasText = true;
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* edit = dynamic_cast<forms::detail::TextEdit*>(w)) return edit->shownText().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable())
        return combo->currentText().toStdString();
    *hasText = false;
    return {};
}

void expectRow(QWidget* w, const forms::Layout& row)
{
    expectTwips(w->x(), row.Left, "Left");
    expectTwips(w->y(), row.Top, "Top");
    expectTwips(w->width(), row.Width, "Width");
    expectTwips(w->height(), row.Height, "Height");
    EXPECT_EQ(!w->isHidden(), row.Visible) << "Visible";
    EXPECT_EQ(w->isEnabled(), row.Enabled) << "Enabled";
    EXPECT_EQ(w->toolTip().toStdString(), std::string(row.ToolTipText)) << "ToolTipText";
    bool hasText = false;
    const std::string text = textOf(w, &hasText);
    if (hasText) {
        EXPECT_EQ(text, std::string(row.Caption)) << "Caption";
    }
}

void expectContainer(QWidget* container, std::string_view containerName, std::span<const forms::Layout> rows,
                     std::span<const layout::Nesting> parents, std::map<std::string_view, QWidget*>* found)
{
    std::vector<const forms::Layout*> expected;
    for (const forms::Layout& row : rows)
        if (!isTimer(row) && layout::parentIn(parents, row.Name) == containerName) expected.push_back(&row);
    const std::vector<QWidget*> actual = stackedChildren(container);
    ASSERT_EQ(actual.size(), expected.size())
        << "controls in " << (containerName.empty() ? "the window" : containerName);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const forms::Layout& row = *expected[i];
        SCOPED_TRACE(std::string(row.Name));
        expectRow(actual[i], row);
        if (found) (*found)[row.Name] = actual[i];
        if (holdsControls(row.Name, parents)) expectContainer(actual[i], row.Name, rows, parents, found);
    }
}

} // namespace

void expectMatchesLayout(const forms::Form& form, std::span<const forms::Layout> rows,
                         std::span<const layout::Nesting> parents)
{
    expectContainer(form.containerWidget(), {}, rows, parents, nullptr);
}

std::map<std::string_view, QWidget*> widgetsByName(const forms::Form& form,
                                                   std::span<const forms::Layout> rows,
                                                   std::span<const layout::Nesting> parents)
{
    std::map<std::string_view, QWidget*> found;
    expectContainer(form.containerWidget(), {}, rows, parents, &found);
    return found;
}

} // namespace windows_test
