#include "gui_test_support.h"

#include <gtest/gtest.h>

// One QApplication for every test of the program, in test mode with a temporary home.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    tarnlink::testing::ensureApp();
    return RUN_ALL_TESTS();
}
