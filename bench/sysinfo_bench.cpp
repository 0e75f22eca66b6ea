// How long one System Info press spends reading the registry file (both
// lookups of a press share one reading): a usual export of the two keys
// against hostile files, the largest one read and one just too large.
#include "sysinfo/FileRegistry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

const QByteArray kExport = "Windows Registry Editor Version 5.00\r\n\r\n"
                           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
                           "\"PATH\"=\"/usr/bin/hardinfo\"\r\n\r\n"
                           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\r\n"
                           "\"MSINFO\"=\"/usr/bin\"\r\n";

// Sections of one short value each, as many as fit in `bytes`, then the two
// keys and a comment to fill the file to exactly `bytes`.
QByteArray manySections(qint64 bytes)
{
    const QByteArray keys = kExport.mid(kExport.indexOf('['));
    QByteArray file = kExport.left(kExport.indexOf('['));
    for (int section = 0;; ++section) {
        const QByteArray next = "[HKEY_LOCAL_MACHINE\\S\\" + QByteArray::number(section) + "]\r\n\"V\"=\"x\"\r\n";
        if (file.size() + next.size() + keys.size() + 1 > bytes)
            break;
        file += next;
    }
    file += keys + ';';
    return file.leftJustified(bytes, ';');
}

// One press: the program's path, else its folder.
bool press(Registry &registry)
{
    QString path;
    registry.beginLookups();
    const bool found =
        readValueText(registry, Registry::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)
        || readValueText(registry, Registry::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                         path);
    registry.endLookups();
    return found;
}

double bestPressMs(const QByteArray &contents, bool &found)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("registry.reg"));
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.close();
    FileRegistry registry(file.fileName(), false);
    double best = 1e100;
    for (int round = 0; round < 10; ++round) {
        QElapsedTimer timer;
        timer.start();
        found = press(registry);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main()
{
    constexpr double kFrameMs = 1000.0 / 60;
    struct Case
    {
        const char *name;
        QByteArray contents;
    };
    const Case cases[] = {{"the two keys", kExport},
                          {"1 MiB of sections (largest read)", manySections(FileRegistry::kLargestFile)},
                          {"1 MiB and a byte (refused)", manySections(FileRegistry::kLargestFile + 1)},
                          {"16 MiB of sections (refused)", manySections(16 * FileRegistry::kLargestFile)}};
    std::printf("one System Info press, best of 10\n");
    double usual = 0;
    for (const Case &oneCase : cases) {
        bool found = false;
        const double ms = bestPressMs(oneCase.contents, found);
        if (usual == 0)
            usual = ms;
        std::printf("  %-34s %9lld bytes %9.3f ms  %-9s %7.1fx the two keys, %.2f of a 60 Hz frame\n", oneCase.name,
                    static_cast<long long>(oneCase.contents.size()), ms, found ? "found" : "not found", ms / usual,
                    ms / kFrameMs);
    }
    return 0;
}
