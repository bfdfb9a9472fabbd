// Saves records through the game's real save path, for test_faults.
//   fault_saver loop DIR FIRST         saves FIRST, FIRST+1, ... until killed
//   fault_saver count DIR FIRST COUNT  saves COUNT records from FIRST, then exits
// Record N is the score "N" held by "Player N". "go" on standard output
// means the first save is about to start.
#include "platform/DesktopPlatform.h"
#include "records/record_format.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

using namespace orvetta;

namespace {

bool save(DesktopPlatform& platform, const QString& dir, qint64 n)
{
    const QString number = QString::number(n);
    const FileOutcome saved = platform.replaceFiles({
        {dir + QStringLiteral("/fraprod.txt"), recordLine(number)},
        {dir + QStringLiteral("/fraprod1.txt"), recordLine(QStringLiteral("Player ") + number)},
    });
    if (!saved)
        std::fprintf(stderr, "save %lld failed: %s: %s\n", static_cast<long long>(n),
                     qPrintable(saved.problem.path), qPrintable(saved.problem.reason));
    return saved.ok;
}

int usage()
{
    std::fprintf(stderr, "usage: fault_saver loop DIR FIRST | count DIR FIRST COUNT\n");
    return 64;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return usage();
    const QString mode = args[1];
    const QString dir = args[2];
    bool ok = false;
    const qint64 first = args[3].toLongLong(&ok);
    if (!ok)
        return usage();

    DesktopPlatform platform;
    if (mode == QLatin1String("loop") && args.size() == 4) {
        std::fputs("go\n", stdout);
        std::fflush(stdout);
        for (qint64 n = first;; ++n)
            if (!save(platform, dir, n))
                return 1;
    }
    if (mode == QLatin1String("count") && args.size() == 5) {
        const qint64 count = args[4].toLongLong(&ok);
        if (!ok)
            return usage();
        std::fputs("go\n", stdout);
        std::fflush(stdout);
        for (qint64 n = first; n < first + count; ++n)
            if (!save(platform, dir, n))
                return 1;
        return 0;
    }
    return usage();
}
