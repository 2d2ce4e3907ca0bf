#include <QApplication>

#include <gtest/gtest.h>

TEST(UiSmoke, OffscreenApplicationRuns)
{
    EXPECT_NE(qApp, nullptr);
}
