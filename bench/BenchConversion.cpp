// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of the engine beside the literal model and a plain copy of the
// same UTF-16 text, counted as input characters per second. Every case
// measures the whole call, including the owning std::u16string it returns.
// The UTF-8 engine runs on the UTF-8 of the same text, counted in the same
// characters (not bytes), so the two are compared per character.
//
// Heap. By default the allocator is told to keep freed memory and to serve
// large blocks from the heap (glibc: no mmap, no trimming), so the copy, the
// engine and the model all run on memory that is already mapped, as in a
// program that converts again and again. Without this, glibc maps every block
// above 32 MB afresh, the engine's 43 MB results pay a page fault per 4 KB
// page while the 20 MB copy is reused warm, and the comparison measures the
// kernel rather than the conversion. VELMORA_BENCH_COLD=1 does the opposite:
// every large block of every case is mapped afresh, so all cases pay their
// page faults; the summary says which table it is.
//
// The machine is shared, so the copy and the engine run five times and the
// summary takes the best; the model, at about a second per call, runs once.

#include "Codificaciones.h"
#include "ConversionesTextoHTML.h"
#include "Corpus.h"
#include "ModeloLiteral.h"

#include <benchmark/benchmark.h>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

using ConversionesTextoHTML::ConvierteTextoHTML;

const std::size_t Tamano = 10'000'000;

const std::u16string &Texto()
{
    static const std::u16string texto = Corpus::Prosa(Tamano);
    return texto;
}

const std::u16string &Codificado()
{
    static const std::u16string codificado = ConvierteTextoHTML(Texto(), 0, 58);
    return codificado;
}

const std::u16string &Entrada(int modo) { return modo == 0 ? Texto() : Codificado(); }

const std::string &Entrada8(int modo)
{
    using namespace Codificaciones;
    static const std::string texto = Codifica(Texto(), Codificacion::Utf8, Politica::Estricta);
    static const std::string codificado = Codifica(Codificado(), Codificacion::Utf8, Politica::Estricta);
    return modo == 0 ? texto : codificado;
}

// The baseline does what the engine's signature does: view in, owning string out.
[[gnu::noinline]] std::u16string CopiaPlana(std::u16string_view texto) { return std::u16string(texto); }

void Copia(benchmark::State &state)
{
    for (auto _ : state) {
        auto r = CopiaPlana(Texto());
        benchmark::DoNotOptimize(r.data());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations() * Texto().size()));
}

void Motor(benchmark::State &state)
{
    const int modo = int(state.range(0)), opciones = int(state.range(1));
    for (auto _ : state) {
        auto r = ConvierteTextoHTML(Entrada(modo), std::int16_t(modo), std::int16_t(opciones));
        benchmark::DoNotOptimize(r.data());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations() * Entrada(modo).size()));
}

void Motor8(benchmark::State &state)
{
    const int modo = int(state.range(0)), opciones = int(state.range(1));
    for (auto _ : state) {
        auto r = ConvierteTextoHTML(Entrada8(modo), std::int16_t(modo), std::int16_t(opciones));
        benchmark::DoNotOptimize(r.data());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations() * Entrada(modo).size()));
}

void Modelo(benchmark::State &state)
{
    const int modo = int(state.range(0)), opciones = int(state.range(1));
    for (auto _ : state) {
        auto r = ModeloLiteral::Convierte(Entrada(modo), modo, opciones);
        benchmark::DoNotOptimize(r.data());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations() * Entrada(modo).size()));
}

const std::vector<std::vector<std::int64_t>> Casos = {{0, 0}, {0, 58}, {0, 59}, {1, 0}, {1, 18}};

double Menor(const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); }

BENCHMARK(Copia)->Unit(benchmark::kMillisecond)->Repetitions(5)->ComputeStatistics("min", Menor)->ReportAggregatesOnly();
BENCHMARK(Motor)
    ->ArgsProduct({{0}, {0, 58, 59}})
    ->Args({1, 0})
    ->Args({1, 18})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", Menor)
    ->ReportAggregatesOnly();
BENCHMARK(Motor8)
    ->ArgsProduct({{0}, {0, 58, 59}})
    ->Args({1, 0})
    ->Args({1, 18})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", Menor)
    ->ReportAggregatesOnly();
BENCHMARK(Modelo)->ArgsProduct({{0}, {0, 58, 59}})->Args({1, 0})->Args({1, 18})->Unit(benchmark::kMillisecond)->Iterations(1);

bool Frio() { return std::getenv("VELMORA_BENCH_COLD") != nullptr; }

// Chooses the heap the header comment describes, before anything is allocated.
void PreparaMemoria()
{
#if defined(__GLIBC__)
    if (Frio()) {
        mallopt(M_MMAP_THRESHOLD, 1 << 20);  // a fixed threshold: every large block mapped afresh
    } else {
        mallopt(M_MMAP_MAX, 0);              // large blocks from the heap too
        mallopt(M_TRIM_THRESHOLD, 1 << 30);  // and keep what is freed
    }
#endif
}

// Prints the usual table, then the ratios the targets are stated in.
class Informe : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // Milliseconds per call: the best of the repetitions, or the one run.
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "min")
                tiempo_[run.run_name.function_name + Sufijo(run.run_name.args)] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto velocidad = [](std::size_t caracteres, double ms) { return double(caracteres) / (ms / 1e3); };
        const double copia = velocidad(Texto().size(), tiempo_["Copia"]);
        std::printf("\nheap: %s; engine and copy: best of 5\n",
                    Frio() ? "cold (every large block mapped afresh)" : "warm (freed memory reused)");
        std::printf("%-10s %-8s %10s %14s %14s %10s %12s %10s %10s\n", "direction", "options", "engine ms",
                    "engine Mc/s", "model Mc/s", "x model", "engine/copy", "utf-8 ms", "utf-8/16");
        for (const auto &caso : Casos) {
            const std::string sufijo = Sufijo(std::to_string(caso[0]) + "/" + std::to_string(caso[1]));
            const std::size_t caracteres = Entrada(int(caso[0])).size();
            const double motor = velocidad(caracteres, tiempo_["Motor" + sufijo]);
            const double modelo = velocidad(caracteres, tiempo_["Modelo" + sufijo]);
            const double ocho = tiempo_["Motor8" + sufijo];
            std::printf("%-10s %-8d %10.2f %14.0f %14.2f %10.0f %12.2f %10.2f %10.2f\n",
                        caso[0] == 0 ? "to HTML" : "to text", int(caso[1]), tiempo_["Motor" + sufijo], motor / 1e6,
                        modelo / 1e6, motor / modelo, copia / motor, ocho, ocho / tiempo_["Motor" + sufijo]);
        }
        std::printf("plain copy: %.2f ms, %.0f M chars/s\n", tiempo_["Copia"], copia / 1e6);
    }

private:
    static std::string Sufijo(const std::string &argumentos) { return argumentos.empty() ? "" : "/" + argumentos; }

    std::map<std::string, double> tiempo_;
};

}  // namespace

int main(int argc, char **argv)
{
    PreparaMemoria();
    benchmark::Initialize(&argc, argv);
    Informe informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    benchmark::Shutdown();
}
