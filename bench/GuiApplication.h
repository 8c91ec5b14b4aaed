#pragma once
// The one application object of the GUI benchmarks: a QApplication, since some of them make
// widgets, made on first use and kept for the whole run (offscreen under bench/run).

namespace vitalune::bench {

void EnsureGuiApplication();

}  // namespace vitalune::bench
