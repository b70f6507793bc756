// The window as a user meets it: the time from start to the first shown
// window, and paste-convert-copy of a 10 MB text from the click to the green
// light with the result on the clipboard. Run under a display (xvfb-run) or
// with QT_QPA_PLATFORM=offscreen.

#include "Corpus.h"
#include "frmConversor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {

frmConversor *ventana;

QString Texto()
{
    const std::u16string prosa = Corpus::Prosa(10'000'000);
    return QString::fromUtf16(prosa.data(), qsizetype(prosa.size()));
}

// Options 0 changes few characters; 58 (line breaks, reserved characters,
// blanks, break after <BR>) makes the result more than twice as long.
void PegaConvierteCopia(benchmark::State &state)
{
    const QString texto = Texto();
    const bool muchas = state.range(0) != 0;
    for (const char *nombre : {"mnuSaltos", "mnuEntidadesHtml", "mnuEspacios"}) {
        auto *opcion = ventana->findChild<QAction *>(QLatin1String(nombre));
        if (opcion->isChecked() != muchas)
            opcion->trigger();
    }
    auto *boton = ventana->findChild<QAbstractButton *>(QStringLiteral("cmdPegayCopia"));
    for (auto _ : state) {
        state.PauseTiming();
        QGuiApplication::clipboard()->setText(texto);
        ventana->findChild<QPlainTextEdit *>(QStringLiteral("sOriginal"))->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        boton->click();
    }
    state.counters["MB"] = double(texto.size()) / 1e6;
    state.counters["result MB"] = double(QGuiApplication::clipboard()->text().size()) / 1e6;
}

BENCHMARK(PegaConvierteCopia)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char **argv)
{
    const auto inicio = std::chrono::steady_clock::now();
    QApplication aplicacion(argc, argv);
    frmConversor principal;
    principal.show();
    if (!QTest::qWaitForWindowExposed(&principal))
        return 1;
    const auto mostrada = std::chrono::steady_clock::now();
    std::printf("start to window shown: %.1f ms\n",
                std::chrono::duration<double, std::milli>(mostrada - inicio).count());
    ventana = &principal;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
