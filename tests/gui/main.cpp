// One application object for all GUI tests, in a private home.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/UrlaubApp.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    QTemporaryDir heim(QDir::tempPath() + QStringLiteral("/kalvora-gui-XXXXXX"));
    if (!heim.isValid()) return 2;
    const QByteArray pfad = heim.path().toLocal8Bit();
    qputenv("HOME", pfad);
    qputenv("XDG_CONFIG_HOME", pfad + "/.config");
    qputenv("XDG_DATA_HOME", pfad + "/.local/share");
    qputenv("XDG_CACHE_HOME", pfad + "/.cache");
    qunsetenv("XDG_DOCUMENTS_DIR");

    CUrlaubApp app(argc, argv);
    return RUN_ALL_TESTS();
}
