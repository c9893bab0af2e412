#pragma once

namespace forms
{
class Form;
namespace detail
{
// Disables every timer that lives on the form (an unloaded window's timers stop).
void stopTimersOf(Form* form);
} // namespace detail
} // namespace forms
