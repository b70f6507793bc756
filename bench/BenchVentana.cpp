// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a user meets it: the time from start to the first shown
// window; paste-convert-copy of 10, 50 and 100 MB texts, from the click to
// the green light with the result on the clipboard, with the longest time the
// event loop stood still and the peak resident memory; and, for comparison,
// filling and reading a QPlainTextEdit against the window's own text box.
// Run under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.

#include "Corpus.h"
#include "CuadroTexto.h"
#include "Memoria.h"
#include "frmConversor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <QWheelEvent>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

frmConversor *ventana;

QString Texto(std::int64_t megas)
{
    const std::u16string prosa = Corpus::Prosa(std::size_t(megas) * 1'000'000);
    return QString::fromUtf16(prosa.data(), qsizetype(prosa.size()));
}

// Peak resident memory in MB since the last call to BorraPico().
double PicoMB()
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &linea : estado.readAll().split('\n')) {
        if (linea.startsWith("VmHWM:"))
            return linea.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

void BorraPico()
{
    QFile borra(QStringLiteral("/proc/self/clear_refs"));
    if (borra.open(QIODevice::WriteOnly))
        borra.write("5");
}

// The prose of `megas` million characters without its line breaks, in lines
// of `ancho` characters (0: one line).
QString TextoEnLineas(std::int64_t megas, std::int64_t ancho)
{
    std::u16string prosa = Corpus::Prosa(std::size_t(megas) * 1'000'000);
    std::u16string texto;
    texto.reserve(prosa.size() + prosa.size() / 50);
    std::size_t columna = 0;
    for (const char16_t c : prosa) {
        if (c == u'\r' || c == u'\n')
            continue;
        texto += c;
        if (ancho && ++columna == std::size_t(ancho)) {
            texto += u"\r\n";
            columna = 0;
        }
    }
    return QString::fromUtf16(texto.data(), qsizetype(texto.size()));
}

double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void PonOpciones(bool muchas)
{
    for (const char *nombre : {"mnuSaltos", "mnuEntidadesHtml", "mnuEspacios"}) {
        auto *opcion = ventana->findChild<QAction *>(QLatin1String(nombre));
        if (opcion->isChecked() != muchas)
            opcion->trigger();
    }
}

// Arguments: megabytes (millions of characters), then the option word, 32
// (the default: few characters change) or 58 (line breaks, reserved
// characters, blanks and the break after <BR>: the result is more than twice
// as long).
void PegaConvierteCopia(benchmark::State &state)
{
    QString texto = Texto(state.range(0));
    const double utf8 = double(texto.toUtf8().size()) / 1e6;
    PonOpciones(state.range(1) == 58);
    auto *boton = ventana->findChild<QAbstractButton *>(QStringLiteral("cmdPegayCopia"));
    auto *origen = ventana->findChild<CuadroTexto *>(QStringLiteral("sOriginal"));
    double congelado = 0, pico = 0, cpu = 0, ultima = 0;
    qsizetype largo = 0;
    for (auto _ : state) {
        origen->setPlainText(QString());
        QGuiApplication::clipboard()->setText(texto);
        QCoreApplication::processEvents();
        BorraPico();

        // The longest gap between two turns of the event loop, from the click
        // to the end of the command.
        QEventLoop bucle;
        QElapsedTimer reloj, vuelta;
        qint64 hueco = 0;
        QTimer latido;
        latido.setInterval(0);
        QObject::connect(&latido, &QTimer::timeout, [&] {
            hueco = std::max(hueco, vuelta.restart());
        });
        QTimer::singleShot(0, boton, [&] {
            const double antes = CpuMs();
            reloj.start();
            boton->click();
            state.SetIterationTime(double(reloj.nsecsElapsed()) / 1e9);
            ultima = CpuMs() - antes;
            cpu += ultima;
            bucle.quit();
        });
        vuelta.start();
        latido.start();
        bucle.exec();
        latido.stop();
        hueco = std::max(hueco, vuelta.elapsed());
        congelado = std::max(congelado, double(hueco));
        pico = std::max(pico, PicoMB());
        largo = QGuiApplication::clipboard()->text().size();
    }
    state.counters["CPU ms"] = cpu / double(state.iterations());
    // The last run, with the buffers of the runs before it to reuse.
    state.counters["last CPU ms"] = ultima;
    state.counters["UTF-8 MB"] = utf8;
    state.counters["result M chars"] = double(largo) / 1e6;
    state.counters["freeze ms"] = congelado;
    state.counters["peak RSS MB"] = pico;
    state.counters["RSS / UTF-8"] = pico / utf8;
}

BENCHMARK(PegaConvierteCopia)
    ->ArgsProduct({{10, 50, 100}, {32, 58}})
    ->ArgNames({"MB", "options"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

// Paste-convert-copy of 20 M characters as one line (argument 0) against the
// same text in lines of 100 characters (100), in both directions: text to
// HTML with the default options, and back to text from what that gave.
void LineaLarga(benchmark::State &state)
{
    const bool aTexto = state.range(1) != 0;
    QString texto = TextoEnLineas(20, state.range(0));
    PonOpciones(false);
    auto *boton = ventana->findChild<QAbstractButton *>(QStringLiteral("cmdPegayCopia"));
    auto *origen = ventana->findChild<CuadroTexto *>(QStringLiteral("sOriginal"));
    if (aTexto) {
        QGuiApplication::clipboard()->setText(texto);
        boton->click();
        texto = QGuiApplication::clipboard()->text();
        ventana->findChild<QAction *>(QStringLiteral("mnuHTMLaTexto"))->trigger();
    }
    double cpu = 0;
    for (auto _ : state) {
        origen->setPlainText(QString());
        QGuiApplication::clipboard()->setText(texto);
        QCoreApplication::processEvents();
        const double antes = CpuMs();
        QElapsedTimer reloj;
        reloj.start();
        boton->click();
        state.SetIterationTime(double(reloj.nsecsElapsed()) / 1e9);
        cpu += CpuMs() - antes;
    }
    state.counters["CPU ms"] = cpu / double(state.iterations());
    state.counters["broken"] = origen->LineasPartidas();
    if (aTexto)
        ventana->findChild<QAction *>(QStringLiteral("mnuTextoaHTML"))->trigger();
    origen->setPlainText(QString());
}

BENCHMARK(LineaLarga)
    ->ArgsProduct({{100, 0}, {0, 1}})
    ->ArgNames({"line", "to_text"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

// One user action on the upper box while it holds 20 M characters, in lines
// of 100 characters (argument 100) or as one line (0), timed from the event
// to the end of the repaint: a typed key at the end of the text, a Down
// arrow, a click in the middle of the box, one wheel notch down.
enum Accion : std::int64_t { Tecla, Flecha, Clic, Rueda };

void Responde(benchmark::State &state)
{
    auto *caja = ventana->findChild<CuadroTexto *>(QStringLiteral("sOriginal"));
    caja->setPlainText(TextoEnLineas(20, state.range(0)));
    caja->setFocus();
    caja->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    caja->viewport()->repaint();
    QCoreApplication::processEvents();
    QWidget *vista = caja->viewport();
    double cpu = 0, peor = 0;
    for (auto _ : state) {
        const double antes = CpuMs();
        QElapsedTimer reloj;
        reloj.start();
        switch (state.range(1)) {
        case Tecla:
            QTest::keyClick(caja, Qt::Key_X);
            break;
        case Flecha:
            QTest::keyClick(caja, Qt::Key_Down);
            break;
        case Clic:
            QTest::mouseClick(vista, Qt::LeftButton, {}, vista->rect().center());
            break;
        case Rueda: {
            const QPointF punto = vista->rect().center();
            QWheelEvent rueda(punto, vista->mapToGlobal(punto), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(vista, &rueda);
            break;
        }
        }
        vista->repaint();
        const double ms = double(reloj.nsecsElapsed()) / 1e6;
        state.SetIterationTime(ms / 1e3);
        cpu = CpuMs() - antes;
        peor = std::max(peor, ms);
    }
    state.counters["CPU ms"] = cpu;
    state.counters["worst ms"] = peor;
    caja->setPlainText(QString());
}

BENCHMARK(Responde)
    ->ArgsProduct({{100, 0}, {Tecla, Flecha, Clic, Rueda}})
    ->ArgNames({"line", "action"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

// Filling a box with a whole text and reading it back: the window's box
// (argument 1) against a QPlainTextEdit (0).
void LlenaYLeeCaja(benchmark::State &state)
{
    const QString texto = Texto(state.range(0));
    const bool propia = state.range(1) != 0;
    QPlainTextEdit plana;
    CuadroTexto cuadro;
    double llenado = 0, lectura = 0;
    for (auto _ : state) {
        plana.clear();
        cuadro.setPlainText(QString());
        QElapsedTimer reloj;
        reloj.start();
        if (propia)
            cuadro.setPlainText(texto);
        else
            plana.setPlainText(texto);
        llenado = double(reloj.restart());
        const QString leido = propia ? cuadro.toPlainText() : plana.toPlainText();
        lectura = double(reloj.elapsed());
        state.SetIterationTime((llenado + lectura) / 1e3);
        benchmark::DoNotOptimize(leido.size());
    }
    // The last run's, with the buffers of the runs before it to reuse.
    state.counters["fill ms"] = llenado;
    state.counters["read ms"] = lectura;
}

BENCHMARK(LlenaYLeeCaja)
    ->ArgsProduct({{10, 50}, {0, 1}})
    ->ArgNames({"MB", "box"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

}  // namespace

int main(int argc, char **argv)
{
    const auto inicio = std::chrono::steady_clock::now();
    Memoria::ReutilizaBloques();
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
