// Prints the start-up time and peak memory of the tool beside those of a
// minimal Qt program, measured in the same run, and the time of one
// calculation per grille type through the core, for a typical input and for
// the worst case inside the input limits.

#include "calculators/calculator.h"
#include "fuzzinput.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Start {
    double milliseconds;
    long peakKb;
};

Start startOnce(const QString& program) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    process.waitForFinished(30000);
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const QByteArray out = process.readAllStandardOutput().trimmed();
    const long peak = out.startsWith("shown ") ? out.mid(6).toLong() : -1;
    return {elapsed, peak};
}

// The median time and the largest peak memory of several starts.
Start summary(const char* label, const std::vector<Start>& starts) {
    std::vector<double> times;
    long peak = 0;
    for (const Start& start : starts) {
        times.push_back(start.milliseconds);
        peak = std::max(peak, start.peakKb);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf(
        "  %-28s start to window shown: median %7.1f ms (min %7.1f)   peak memory %6.1f MiB\n",
        label, median, times.front(), static_cast<double>(peak) / 1024.0);
    return {median, peak};
}

void benchCalculation(const QString& window, const QString& a, const QString& b, const QString& q,
                      const char* what) {
    const auto calculate = talir::calculators::calculatorFor(window);
    if (!calculate) {
        std::printf("  %-8s %-34s (no calculator)\n", qPrintable(window), what);
        return;
    }
    const talir::calculators::Input input{a, b, q, false, QLocale(QStringLiteral("en_US"))};
    int rounds = 0;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 200) {
        for (int i = 0; i < 100; ++i)
            (void)calculate(input);
        rounds += 100;
    }
    const double micro = static_cast<double>(timer.nsecsElapsed()) / 1e3 / rounds;
    std::printf("  %-8s %-34s %8.2f µs per calculation\n", qPrintable(window), what, micro);
}

// Replays every input of the fuzz corpora and names the slowest: the fuzz
// run itself only fails on a hang, the figure belongs here.
void benchSlowestFuzzInput(const QStringList& corpora) {
    QString slowestFile;
    talir::fuzz::FuzzInput slowest;
    double slowestMicro = -1;
    int inputs = 0;
    for (const QString& corpus : corpora) {
        const QDir dir(corpus);
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = file.readAll();
            const auto fuzz = talir::fuzz::decodeFuzzInput(
                reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                static_cast<std::size_t>(bytes.size()));
            const auto calculate = talir::calculators::calculatorFor(fuzz.window);
            constexpr int kRounds = 20;
            double best = 1e300;
            for (int i = 0; i < kRounds; ++i) {
                QElapsedTimer timer;
                timer.start();
                (void)calculate(fuzz.input);
                best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1e3);
            }
            ++inputs;
            if (best > slowestMicro) {
                slowestMicro = best;
                slowest = fuzz;
                slowestFile = file.fileName();
            }
        }
    }
    if (inputs == 0) {
        std::printf("  no fuzz corpus found (make fuzz grows one in build-fuzz/corpus)\n");
        return;
    }
    std::printf("  %d inputs; slowest %.2f µs: %s (window %s, locale %s, texts [%s] [%s] [%s])\n",
                inputs, slowestMicro, qPrintable(slowestFile), qPrintable(slowest.window),
                qPrintable(slowest.input.locale.name()), slowest.input.a.toUtf8().constData(),
                slowest.input.b.toUtf8().constData(), slowest.input.q.toUtf8().constData());
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM",
            qgetenv("DISPLAY").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The two programs take turns, so a busy moment of the machine weighs
    // on both alike.
    const int runs = qEnvironmentVariableIntValue("TALIR_BENCH_RUNS") > 0
                         ? qEnvironmentVariableIntValue("TALIR_BENCH_RUNS")
                         : 15;
    std::printf("Start-up (%s platform, %d runs each):\n",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default"
                                                     : qgetenv("QT_QPA_PLATFORM").constData(),
                runs);
    std::vector<Start> minimal;
    std::vector<Start> talir;
    for (int i = 0; i < runs; ++i) {
        minimal.push_back(startOnce(QStringLiteral(START_MINIMAL)));
        talir.push_back(startOnce(QStringLiteral(START_TALIR)));
    }
    const Start minimalStart = summary("minimal Qt window", minimal);
    const Start talirStart = summary("talir, main window", talir);
    std::printf("  ratio talir / minimal: time %.2f (median), peak memory %.2f\n",
                talirStart.milliseconds / minimalStart.milliseconds,
                static_cast<double>(talirStart.peakKb) / static_cast<double>(minimalStart.peakKb));

    std::printf("Calculations through the core:\n");
    for (const QString& window : talir::calculators::calculationWindowNames()) {
        if (window == QLatin1String("PTLD")) {
            benchCalculation(window, QStringLiteral("2030"), QStringLiteral("305"),
                             QStringLiteral("1000"), "typical (2030, 305, 1000)");
            benchCalculation(window, QStringLiteral("100000"), QStringLiteral("505"),
                             QStringLiteral("1000000"), "at the limits (100000, 505, 1e6)");
            continue;
        }
        benchCalculation(window, QStringLiteral("2500"), QStringLiteral("600"),
                         QStringLiteral("200"), "typical (2500 x 600, 200)");
        benchCalculation(window, QStringLiteral("100000"), QStringLiteral("100000"),
                         QStringLiteral("1000000"), "at the limits (100000 x 100000)");
        // Nearly square and huge: the adjustment loops take the most rounds here.
        benchCalculation(window, QStringLiteral("100000"), QStringLiteral("99999"),
                         QStringLiteral("1000000"), "at the limits (100000 x 99999)");
        benchCalculation(window, QStringLiteral("100000"), QStringLiteral("100"),
                         QStringLiteral("1000000"), "at the limits (100000 x 100)");
        benchCalculation(window, QStringLiteral("100"), QStringLiteral("100000"),
                         QStringLiteral("1000000"), "at the limits (100 x 100000)");
    }

    std::printf("Fuzz corpus replayed through the core (fastest of 20 runs per input):\n");
    QStringList corpora = QCoreApplication::arguments().mid(1);
    if (corpora.isEmpty())
        corpora << QStringLiteral(FUZZ_SEEDS);
    benchSlowestFuzzInput(corpora);
    return 0;
}
