// The main of every GUI test program: GoogleTest with one QApplication, made when the
// tests run (listing them for CTest needs no display).
#include "QtTestEnvironment.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new vka_test::QtTestEnvironment);
    return RUN_ALL_TESTS();
}
