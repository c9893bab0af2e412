#pragma once

#include <functional>

namespace forms
{
class Form;
namespace detail
{
// Disables every timer that lives on the form (an unloaded window's timers stop).
void stopTimersOf(Form* form);
// Work that waits for the UI thread to wake anyway: it runs after every timer tick, and its
// owner removes it before it goes. UI thread only.
void addTickCompanion(const void* owner, std::function<void()> work);
void removeTickCompanion(const void* owner);
} // namespace detail
} // namespace forms
