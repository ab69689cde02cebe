// SPDX-License-Identifier: GPL-3.0-or-later
// GETINI and PutIni on a settings file of 200 keys in 8 sections, in a temporary folder. Every call
// reads the whole file, and every changing write replaces it through a temporary file.
#include "app/settings/settings_file.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kSections = 8;
constexpr int kKeysPerSection = 25;

std::string SectionName(int s) {
    return "Section" + std::to_string(s);
}
std::string KeyName(int k) {
    return "Key" + std::to_string(k);
}

// A fresh folder holding the 200-key file, removed when the benchmark ends.
struct SettingsFixture {
    QTemporaryDir folder;
    std::string file = folder.filePath(QStringLiteral("QMK.ini")).toStdString();

    SettingsFixture() {
        for (int s = 0; s < kSections; ++s)
            for (int k = 0; k < kKeysPerSection; ++k)
                PutIni(file, SectionName(s), KeyName(k), "value of " + SectionName(s) + "/" + KeyName(k));
    }
};

void BM_GetIniFirstKey(benchmark::State& state) {
    SettingsFixture fixture;
    for (auto _ : state)
        benchmark::DoNotOptimize(GETINI(fixture.file, SectionName(0), KeyName(0), "d"));
}

void BM_GetIniLastKey(benchmark::State& state) {
    SettingsFixture fixture;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            GETINI(fixture.file, SectionName(kSections - 1), KeyName(kKeysPerSection - 1), "d"));
}

void BM_GetIniMissingKey(benchmark::State& state) {
    SettingsFixture fixture;
    for (auto _ : state)
        benchmark::DoNotOptimize(GETINI(fixture.file, "Missing", "Key", "d"));
}

void BM_PutIniChangedValue(benchmark::State& state) {
    SettingsFixture fixture;
    int n = 0;
    for (auto _ : state)
        PutIni(fixture.file, SectionName(4), KeyName(12), std::to_string(n++ % 2));
}

void BM_PutIniUnchangedValue(benchmark::State& state) {
    SettingsFixture fixture;
    PutIni(fixture.file, SectionName(4), KeyName(12), "same");
    for (auto _ : state)
        PutIni(fixture.file, SectionName(4), KeyName(12), "same");
}

} // namespace

BENCHMARK(BM_GetIniFirstKey);
BENCHMARK(BM_GetIniLastKey);
BENCHMARK(BM_GetIniMissingKey);
BENCHMARK(BM_PutIniChangedValue);
BENCHMARK(BM_PutIniUnchangedValue);

BENCHMARK_MAIN();
