// The full-size template written as a PDF file, as "Save as PDF…" in the template dialog and the
// command line write it: the pages laid out, drawn at 1200 dots to the inch and saved to a file
// that replaces the old one only once complete.
//
// The rings, on Letter: the largest the spinners allow (24 segments, 72 and 71 inches, fudge 4:
// a segment of 10.5 by 8.8 inches, on 2 by 2 tiles) and the start inputs (6 segments, 36 and 30
// inches: a long side of 21 inches, on 4 by 1 tiles); five pages each with the cut list.

#include "report/templateoutput.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> folder;

void savePdf(benchmark::State &state, const orvane::TemplateRing &ring)
{
    const QString fileName = folder->filePath(QStringLiteral("template.pdf"));
    const QList<orvane::TemplateRing> rings { ring };
    for (auto _ : state) {
        if (const auto failure
            = orvane::saveTemplateAsPdf(fileName, rings, QPageSize(QPageSize::Letter))) {
            state.SkipWithError(qPrintable(*failure));
            break;
        }
    }
    state.counters["bytes"] = double(QFile(fileName).size());
}

void largestRingPdf(benchmark::State &state)
{
    savePdf(state,
        orvane::makeTemplateRing(
            QStringLiteral("Largest ring"), orvane::ringOf({ 24, 72, 71, 4 }, 8, 0.125)));
}

void startRingPdf(benchmark::State &state)
{
    savePdf(state,
        orvane::makeTemplateRing(
            QStringLiteral("Segmented Circle"), orvane::ringOf({ 6, 36, 30, 0.25 }, 0.75, 0.125)));
}

} // namespace

BENCHMARK(largestRingPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(startRingPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime; // somewhere for the toolkit's runtime files, when there is none
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        QFile::setPermissions(
            runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
    QGuiApplication app(argc, argv);
    folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid())
        return 1;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    folder.reset();
    return 0;
}
