#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Runs a fuzz entry (which traps on a broken result) over its seed corpus and the inputs that
// once crashed it. The program is built once per fuzz target, naming the corpus folder.
TEST(FuzzCorpus, EveryCorpusFileReadsSoundly)
{
    const QDir corpus(QStringLiteral(KINROW_SOURCE_DIR "/fuzz/corpus/" KINROW_FUZZ_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_GE(names.size(), 4);
    for (const QString& name : names) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                         size_t(bytes.size())),
                  0)
            << name.toStdString();
    }
}
