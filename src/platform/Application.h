#pragma once

#include <functional>

namespace platform
{

// Runs the program's event loop; `start` runs once the application object exists.
int runApplication(int argc, char** argv, const std::function<void()>& start);

} // namespace platform
