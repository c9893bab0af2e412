#pragma once

// Shared fixture of the forms layer's tests: every test leaves no window behind.

#include "platform/forms/Form.h"
#include "platform/forms/Menu.h"

#include <gtest/gtest.h>

class FormsTest : public ::testing::Test
{
  protected:
    void TearDown() override
    {
        forms::detail::unloadAll();
        forms::collectUnloaded();
    }
};

// A window carrying a small popup menu: a hidden root, a separator, a sub-menu, a hidden entry.
struct Options : forms::Form {
    Options() : Form({.Caption = "About", .Width = 1500, .Height = 1500}) {}
    forms::Menu mnuFile{nullptr, "mnuFile", "Options", false};
    forms::Menu mnuAbout{&mnuFile, "mnuAbout", "About"};
    forms::Menu Hyphen{&mnuFile, "Hyphen", "-"};
    forms::Menu mnuTools{&mnuFile, "mnuTools", "Sonavel Tools"};
    forms::Menu mnuEncoder{&mnuTools, "mnuEncoder", "Encoder"};
    forms::Menu mnuHidden{&mnuFile, "mnuHidden", "Hidden", false};
};
