// Start-up to the first painted frame, offscreen: the gallery against a bare Fusion dialog with
// as many widgets, each started as its own process, taking turns; and the peak memory of both.
#include "BenchSupport.h"
#include "FirstFrame.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace {

struct Run {
    double ms = -1;
    double peakMiB = 0;
    int widgets = 0;
};

Run start(const QString& program, const QStringList& arguments, const QString& workingDir)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("BENCH_T0_NS"), QString::number(Bench::monotonicNs()));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingDir);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 4 && fields[0] == "FIRSTFRAME") {
            run.ms = fields[1].toDouble();
            run.peakMiB = fields[2].toDouble() / 1024.0;
            run.widgets = fields[3].toInt();
        }
    }
    return run;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QDir here(QCoreApplication::applicationDirPath());
    const QString galleryDir
        = QFileInfo(here.filePath(QStringLiteral("../gallery"))).absoluteFilePath();
    const QString gallery = QDir(galleryDir).filePath(QStringLiteral("vitrina-firstframe"));
    const QString dialog = here.filePath(QStringLiteral("firstframe-dialog"));

    // The first start warms the page cache and tells how many widgets the gallery has.
    const Run first = start(gallery, {}, galleryDir);
    if (first.ms < 0) {
        std::fprintf(stderr, "%s did not report its first frame\n", qPrintable(gallery));
        return 1;
    }
    const QStringList dialogArguments {QString::number(first.widgets)};
    if (start(dialog, dialogArguments, galleryDir).ms < 0)
        return 1;

    QVector<double> time[2];
    QVector<double> memory[2];
    int widgets[2] = {first.widgets, 0};
    const int roundCount = Bench::rounds(15);
    for (int round = 0; round < roundCount; ++round) {
        for (int k = 0; k < 2; ++k) {
            const int variant = (round + k) % 2;
            const Run run = variant == 0 ? start(gallery, {}, galleryDir)
                                         : start(dialog, dialogArguments, galleryDir);
            if (run.ms < 0)
                return 1;
            time[variant] << run.ms;
            memory[variant] << run.peakMiB;
            widgets[variant] = run.widgets;
        }
    }
    const QString section = QStringLiteral("start to first frame");
    const QString galleryLabel = QStringLiteral("Vitrina (%1 widgets)").arg(widgets[0]);
    const QString dialogLabel = QStringLiteral("Fusion dialog (%1 widgets)").arg(widgets[1]);
    Bench::printFigure(section, galleryLabel, time[0], "ms");
    Bench::printFigure(section, dialogLabel, time[1], "ms");
    Bench::printRatio(section, QStringLiteral("Vitrina / Fusion dialog, time"), time[0], time[1]);
    Bench::printFigure(section, galleryLabel + QStringLiteral(", peak memory"), memory[0], "MiB");
    Bench::printFigure(section, dialogLabel + QStringLiteral(", peak memory"), memory[1], "MiB");
    Bench::printRatio(
        section, QStringLiteral("Vitrina / Fusion dialog, peak memory"), memory[0], memory[1]);
    return 0;
}
