// Decoding with GSV: the real multi-constellation captures of tests/data (about half their
// lines GSV), read line by line into the receiver details (decode, GSV groups, used from GSA)
// as the link's reader thread does, the decoding alone, and every reader of a line (the details,
// and for GGA, RMC and GSA the update fold and the receiver fixes). items_per_second is
// sentences a second.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "gps/GpsDetailsReader.h"
#include "gps/GpsEpoch.h"
#include "gps/GpsUpdateFold.h"
#include "gps/NmeaDecode.h"

namespace {

std::vector<std::string> CaptureLines() {
    std::vector<std::string> lines;
    for (const char* name : {"ublox-zed-f9p-nmea", "unicore-um621", "telit-pls83-w",
                             "quectel-eg25-g", "sl869", "bu353-glonass"}) {
        std::ifstream in(std::string(QUILO_TEST_DATA) + "/nmea/" + name + ".log");
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.rfind('$', 0) == 0)
                lines.push_back(line);
        }
    }
    return lines;
}

void BM_DetailsFromEveryLine(benchmark::State& state) {
    const std::vector<std::string> lines = CaptureLines();
    gps::GpsDetailsReader reader;
    for (auto _ : state) {
        for (const std::string& line : lines)
            benchmark::DoNotOptimize(reader.Add(gps::DecodeSentence(line)));
        benchmark::DoNotOptimize(reader.Details().sky.size());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}
BENCHMARK(BM_DetailsFromEveryLine);

void BM_DecodeEveryLine(benchmark::State& state) {
    const std::vector<std::string> lines = CaptureLines();
    for (auto _ : state) {
        for (const std::string& line : lines)
            benchmark::DoNotOptimize(gps::DecodeSentence(line));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}
BENCHMARK(BM_DecodeEveryLine);

void BM_EveryReaderOfALine(benchmark::State& state) {
    const std::vector<std::string> lines = CaptureLines();
    gps::GpsDetailsReader reader;
    gps::UsedSatellites used;
    gps::GpsEpochAssembler epochs;
    gps::GpsFix fix;
    for (auto _ : state) {
        gps::GpsUpdateFold fold(used);
        for (const std::string& line : lines) {
            const gps::DecodedSentence sentence = gps::DecodeSentence(line);
            benchmark::DoNotOptimize(reader.Add(sentence));
            if (gps::IsHandheldType(sentence.Type())) {
                fold.Add(sentence);
                epochs.Add(sentence);
            }
        }
        benchmark::DoNotOptimize(fold.ApplyTo(fix));
        benchmark::DoNotOptimize(epochs.TakeCompleted().size());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}
BENCHMARK(BM_EveryReaderOfALine);

} // namespace

BENCHMARK_MAIN();
