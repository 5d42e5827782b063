// ui tests need a QApplication; it runs on the offscreen platform unless the caller chose one.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "core/base/Format.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    kt::ForceCLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
