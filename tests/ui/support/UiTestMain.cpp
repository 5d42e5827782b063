// ui tests need a QApplication; it runs on the offscreen platform unless the caller chose one.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "core/base/Format.h"
#include "core/update/UpdateSite.h"
#include "ui/support/LocalHttpServer.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    kt::ForceCLocale();
    // The version check at start-up must never leave the machine: nobody listens on this site.
    static const kt::UpdateSite dead = kt::test::DeadSite();
    kt::SetUpdateSiteForTesting(&dead);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
