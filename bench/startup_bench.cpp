// Start-up: the program and a bare Qt main window of the same size, each started in turn as a
// process of its own, timed from the start to the end of the first painted frame. On Xvfb where
// DISPLAY is set, else on the offscreen platform. Counters: both times, their ratio, and the
// memory each holds at that moment with its ratio. LUMENFOLD_BENCH_PROGRAM names another
// program file to measure in place of this build's (a build of an earlier version).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace {

struct Start {
    double ms = 0;
    double megabytes = 0;
    QSize window;
};

// The resident memory of a running process, in megabytes.
double ResidentMegabytes(qint64 pid) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

// Starts the program in a home of its own and waits for its first frame. A lingering start
// lives on for a second after it, long enough to write what it keeps for the next run.
std::optional<Start> StartOnce(const QString& program, const QStringList& args,
                               const QString& home, bool linger = false) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LUMENFOLD_REPORT_FIRST_PAINT", "1");
    env.insert("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
    env.insert("HOME", home);
    for (const char* xdg : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.insert(xdg, home + "/" + xdg);
    env.insert("XDG_RUNTIME_DIR", home);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, args);
    QByteArray line;
    while (!line.endsWith('\n') && process.waitForReadyRead(30000)) line += process.readLine();
    Start start{double(clock.nsecsElapsed()) / 1e6, ResidentMegabytes(process.processId()), {}};
    if (linger) process.waitForFinished(1000);
    process.kill();
    process.waitForFinished();
    const QList<QByteArray> words = line.trimmed().split(' ');
    if (words.size() != 3 || words[0] != "painted") return std::nullopt;
    start.window = QSize(words[1].toInt(), words[2].toInt());
    return start;
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
    const QString program = qEnvironmentVariableIsEmpty("LUMENFOLD_BENCH_PROGRAM")
                                ? QString(LUMENFOLD_PROGRAM)
                                : qEnvironmentVariable("LUMENFOLD_BENCH_PROGRAM");
    QTemporaryDir home;
    // The starts measured are a user's everyday ones: the program has run before.
    StartOnce(program, {}, home.path(), true);
    for (auto _ : state) {
        const std::optional<Start> lumenfold = StartOnce(program, {}, home.path());
        if (!lumenfold) {
            state.SkipWithError("the program did not report its first paint");
            return;
        }
        const std::optional<Start> bare = StartOnce(LUMENFOLD_BARE_WINDOW,
                                                    {QString::number(lumenfold->window.width()),
                                                     QString::number(lumenfold->window.height())},
                                                    home.path());
        if (!bare) {
            state.SkipWithError("the bare window did not report its first paint");
            return;
        }
        state.SetIterationTime(lumenfold->ms / 1000);
        state.counters["bare_ms"] = bare->ms;
        state.counters["lumenfold_ms"] = lumenfold->ms;
        state.counters["ratio"] = lumenfold->ms / bare->ms;
        state.counters["bare_MB"] = bare->megabytes;
        state.counters["lumenfold_MB"] = lumenfold->megabytes;
        state.counters["memory_ratio"] = lumenfold->megabytes / bare->megabytes;
    }
}
// Each repetition starts both once, alternating; the medians are the figures to read.
BENCHMARK(BM_StartUpToFirstPaint)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
