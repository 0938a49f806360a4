#pragma once
// Each group registers its benchmarks and their figures; prepareContext runs first.

namespace bench {

void registerLoginBenchmarks();
void registerTicketBenchmarks();
void registerSearchBenchmarks();
void registerPrintingBenchmarks();

} // namespace bench
