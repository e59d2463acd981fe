// Runs a fuzz target once over every file of the folders and files given, as
// libFuzzer does with -runs=0, for builds without libFuzzer.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

int runOne(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    int inputs = 0;
    int unreadable = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(path).isDir()) {
            QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                unreadable += runOne(files.next());
                ++inputs;
            }
        } else {
            unreadable += runOne(path);
            ++inputs;
        }
    }
    std::printf("%d inputs run\n", inputs);
    return inputs == 0 || unreadable > 0 ? 1 : 0;
}
