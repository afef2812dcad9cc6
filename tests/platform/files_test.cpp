#include "platform/files.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace radirav {
namespace {

// A named pipe given as a case is refused at once, without waiting for a writer that never
// comes; so is a folder. Both say why in the reader's words.
TEST(QtFiles, RefusesAPipeAndAFolderAtOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pipe = dir.filePath(QStringLiteral("class.case"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QtFiles files;
    QElapsedTimer timer;
    timer.start();
    const CaseFileResult fromPipe = files.ReadCase(pipe, CaseChecks::Enforce);
    const CaseFileResult fromFolder = files.ReadCase(dir.path(), CaseChecks::Enforce);
    EXPECT_LT(timer.elapsed(), 1000);
    ASSERT_TRUE(fromPipe.error.has_value());
    EXPECT_NE(fromPipe.error->find("не обычный файл"), std::string::npos) << *fromPipe.error;
    ASSERT_TRUE(fromFolder.error.has_value());
    EXPECT_NE(fromFolder.error->find("папка"), std::string::npos) << *fromFolder.error;
    EXPECT_TRUE(files.Exists(pipe));
}

} // namespace
} // namespace radirav
