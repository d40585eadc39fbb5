// Replays fuzz inputs through a target without libFuzzer, so every build
// keeps the corpus as a regression test: each file of the given folders and
// each of its prefixes (the cut-off files a broken download leaves), every
// input in a buffer of exactly its size.

#include <QDirIterator>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char* argv[])
{
    int files = 0;
    long inputs = 0;
    for (int i = 1; i < argc; ++i) {
        QDirIterator it(QString::fromLocal8Bit(argv[i]), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray data = file.readAll();
            ++files;
            for (int length = 0; length <= data.size(); ++length, ++inputs) {
                const std::vector<uint8_t> input(data.constData(), data.constData() + length);
                LLVMFuzzerTestOneInput(input.data(), input.size());
            }
        }
    }
    std::printf("%ld inputs from %d corpus files\n", inputs, files);
    return files > 0 ? 0 : 1;
}
