#include "platform/program_folder.h"

#include "platform/registry_store.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace arkivo;

TEST(ProgramFolder, ArkivoHomeDecidesTheFolderAndTheRegistryFile) {
    QTemporaryDir dir;
    const QByteArray old = qgetenv("ARKIVO_HOME");
    const QString home = dir.filePath(QStringLiteral("koti/arkivo"));
    qputenv("ARKIVO_HOME", QFile::encodeName(home));
    EXPECT_EQ(platform::programFolder(), home);
    EXPECT_TRUE(QDir(home).exists()); // made when missing
    EXPECT_EQ(platform::defaultRegistryPath(), home + QStringLiteral("/Arkivo.reg"));
    if (old.isEmpty())
        qunsetenv("ARKIVO_HOME");
    else
        qputenv("ARKIVO_HOME", old);
}
