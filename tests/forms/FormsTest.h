#pragma once

// Shared fixture of the forms layer's tests: every test leaves no window behind.

#include "platform/forms/Form.h"

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
