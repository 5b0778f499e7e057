#pragma once
// What the form benchmarks of both Qt hosts share: the heap in use (to measure the
// memory a form holds) and a reporter that prints, after Google Benchmark's own table,
// the cost of one control beside the cost of the toolkit's own field at each form size.
//
// A benchmark named "BM_Form<Kind>/<rows>" reports its time per iteration and the
// counter "bytes", the heap its form held. The form of 0 rows is the window alone: its
// time and memory are taken off the others before they are divided by the rows, so
// that a control's share is not hidden by the window's (its backing store alone is
// about 2 MB). The reporter pairs the kind named `field` with the kind named
// `reference` at each size. Times are the process's CPU time (the benchmarks measure
// it): on a machine that other work shares, wall-clock time says more about the other
// work than about the form.
//
//   controls  QLineEdit us  VumoCaixa us  time x  QLineEdit B  VumoCaixa B  memory x
//       1000          65.2          80.1    1.23         6120         7500      1.23

#include <malloc.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include <benchmark/benchmark.h>

namespace vumocaixa::bench {

// Bytes of the heap in use now.
inline double HeapInUse() { return static_cast<double>(mallinfo2().uordblks); }

class FormRatioReporter final : public benchmark::ConsoleReporter {
 public:
  FormRatioReporter(std::string reference, std::string field)
      : ConsoleReporter(OO_Tabular), m_reference(std::move(reference)), m_field(std::move(field)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) Keep(run);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%9s %14s %14s %7s %13s %13s %9s\n", "controls", (m_reference + " us").c_str(),
                (m_field + " us").c_str(), "time x", (m_reference + " B").c_str(),
                (m_field + " B").c_str(), "memory x");
    for (const auto& [rows, kinds] : m_forms) {
      if (rows == 0) continue;
      const Figures r = PerControl(m_reference, rows);
      const Figures f = PerControl(m_field, rows);
      if (r.us <= 0 || f.us <= 0) continue;
      std::printf("%9ld %14.1f %14.1f %7.2f %13.0f %13.0f %9.2f\n", rows, r.us, f.us, f.us / r.us,
                  r.bytes, f.bytes, f.bytes / r.bytes);
    }
    std::fflush(stdout);
  }

 private:
  struct Figures {
    double us = 0;     // microseconds
    double bytes = 0;  // heap bytes
  };

  // The cost of one control of kind in the form of rows rows, the window's taken off.
  Figures PerControl(const std::string& kind, long rows) const {
    const Figures whole = Form(kind, rows);
    const Figures window = Form(kind, 0);
    const double n = static_cast<double>(rows);
    return {(whole.us - window.us) / n, (whole.bytes - window.bytes) / n};
  }

  [[nodiscard]] Figures Form(const std::string& kind, long rows) const {
    const auto form = m_forms.find(rows);
    if (form == m_forms.end()) return {};
    const auto figures = form->second.find(kind);
    return figures != form->second.end() ? figures->second : Figures{};
  }

  // Keeps the median of repeated runs, or the single run when there is no repetition.
  void Keep(const Run& run) {
    if (run.error_occurred) return;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (run.run_type == Run::RT_Aggregate && !median) return;
    const std::string name = run.run_name.function_name;
    const std::string kind = name.substr(name.find("BM_Form") == 0 ? 7 : 0);
    const long rows = std::stol(run.run_name.args);
    const auto bytes = run.counters.find("bytes");
    Figures& figures = m_forms[rows][kind];
    if (!median && figures.us > 0) return;  // a median already reported wins
    figures.us = run.GetAdjustedCPUTime() * Microseconds(run.time_unit);
    figures.bytes = bytes != run.counters.end() ? bytes->second.value : 0;
  }

  static double Microseconds(benchmark::TimeUnit unit) {
    switch (unit) {
      case benchmark::kNanosecond: return 1e-3;
      case benchmark::kMicrosecond: return 1;
      case benchmark::kMillisecond: return 1e3;
      case benchmark::kSecond: return 1e6;
    }
    return 1;
  }

  std::string m_reference;
  std::string m_field;
  std::map<long, std::map<std::string, Figures>> m_forms;
};

}  // namespace vumocaixa::bench
