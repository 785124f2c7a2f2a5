#include <gtest/gtest.h>
#include <QCoreApplication>

// The commands start and wait for processes, which wants an application object.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
