#pragma once

// The shuffled play order.

#include <cstddef>
#include <vector>

// A uniformly drawn order of the indices 0 .. n - 1, each once, from the program's generator.
std::vector<std::size_t> shuffledOrder(std::size_t n);
