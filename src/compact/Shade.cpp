#include "compact/Shade.h"

Shade::Shade() : forms::Form(ShadeLayout::form) {}
