// Throughput of the engine beside the literal model and a plain copy of the
// same UTF-16 text, counted as input characters per second.

#include "ConversionesTextoHTML.h"
#include "Corpus.h"
#include "ModeloLiteral.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

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

void Copia(benchmark::State &state)
{
    for (auto _ : state) {
        std::u16string copia(Texto());
        benchmark::DoNotOptimize(copia.data());
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

BENCHMARK(Copia)->Unit(benchmark::kMillisecond);
BENCHMARK(Motor)->ArgsProduct({{0}, {0, 58, 59}})->Args({1, 0})->Args({1, 18})->Unit(benchmark::kMillisecond);
BENCHMARK(Modelo)->ArgsProduct({{0}, {0, 58, 59}})->Args({1, 0})->Args({1, 18})->Unit(benchmark::kMillisecond)->Iterations(1);

// Prints the usual table, then the ratios the targets are stated in.
class Informe : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            velocidad_[run.benchmark_name()] = run.counters.at("items_per_second");
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double copia = velocidad_["Copia"];
        std::printf("\n%-10s %-8s %14s %14s %12s %12s\n", "direction", "options", "engine Mc/s", "model Mc/s",
                    "x model", "copy/engine");
        for (const auto &caso : Casos) {
            const std::string sufijo = "/" + std::to_string(caso[0]) + "/" + std::to_string(caso[1]);
            const double motor = velocidad_["Motor" + sufijo], modelo = velocidad_["Modelo" + sufijo + "/iterations:1"];
            std::printf("%-10s %-8d %14.0f %14.1f %12.0f %12.2f\n", caso[0] == 0 ? "to HTML" : "to text", int(caso[1]),
                        motor / 1e6, modelo / 1e6, motor / modelo, copia / motor);
        }
        std::printf("plain copy: %.0f M chars/s\n", copia / 1e6);
    }

private:
    std::map<std::string, double> velocidad_;
};

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Informe informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    benchmark::Shutdown();
}
