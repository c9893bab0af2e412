#include <QApplication>
#include <gtest/gtest.h>

TEST(Smoke, ApplicationExists) { EXPECT_NE(QApplication::instance(), nullptr); }
