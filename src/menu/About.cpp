#include "menu/About.h"

About::About() : forms::Form(AboutLayout::form) {}
