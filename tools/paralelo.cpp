#include "paralelo.hpp"

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "leitura.hpp"
#include "plataforma.hpp"

namespace vumocaixa::cli {
namespace {

// What a thread made of one part.
struct Parte {
  Output text;
  Contas contas;
  AvisosGuardados avisos;
  std::uint64_t start = 0;  // the offset of its first row, as its thread found it
  Parada stop;              // after its last row; lines numbered from 1 in the part
  bool ready = false;
  std::exception_ptr error;
};

// What a thread keeps from part to part.
struct Ferramentas {
  Ferramentas(const Avaliador& modelo, std::size_t part) : av(modelo), in(Fonte(-1), part) {}
  Avaliador av;
  LineReader in;
  std::vector<char> piece = std::vector<char>(std::size_t{4} << 10);
};

class Partes {
 public:
  Partes(int fd, std::uint64_t begin, std::uint64_t end, const Avaliador& modelo, bool csv,
         Relato& relato, const Divisao& divisao)
      : fd_(fd),
        begin_(begin),
        end_(end),
        part_(divisao.part),
        count_((end - begin + divisao.part - 1) / divisao.part),
        threads_(divisao.threads),
        held_(divisao.threads + 2),
        modelo_(modelo),
        csv_(csv),
        relato_(relato),
        slots_(std::make_unique<Parte[]>(held_)) {}

  void Run(std::uint64_t first_line);

 private:
  [[nodiscard]] std::uint64_t Cut(std::size_t k) const {
    return k >= count_ ? end_ : begin_ + k * part_;
  }
  Parte& Slot(std::size_t k) { return slots_[k % held_]; }

  void Work();
  bool Claim(std::size_t& k);
  void Release();
  std::uint64_t FirstRowAfter(std::size_t k, Ferramentas& f);
  void Judge(std::size_t k, std::uint64_t start, Ferramentas& f, Parte& p);
  void WaitFor(Parte& p);
  void StopAll(std::vector<std::thread>& threads);

  int fd_;
  std::uint64_t begin_;
  std::uint64_t end_;
  std::uint64_t part_;
  std::size_t count_;
  unsigned threads_;
  std::size_t held_;  // parts judged and not yet written, at most
  const Avaliador& modelo_;
  bool csv_;
  Relato& relato_;
  std::unique_ptr<Parte[]> slots_;

  std::mutex mutex_;
  std::condition_variable ready_;  // a part was judged
  std::condition_variable free_;   // a part was written, or the run stops
  std::size_t next_claim_ = 0;
  std::size_t next_write_ = 0;
  bool stop_ = false;
};

// Takes the next part to judge, once there is room to hold it; false when there is
// none left or the run stops.
bool Partes::Claim(std::size_t& k) {
  std::unique_lock lock(mutex_);
  free_.wait(
      lock, [this] { return stop_ || next_claim_ >= count_ || next_claim_ < next_write_ + held_; });
  if (stop_ || next_claim_ >= count_) return false;
  k = next_claim_++;
  return true;
}

void Partes::Work() {
  Ferramentas f(modelo_, part_);
  for (std::size_t k = 0; Claim(k);) {
    Parte& p = Slot(k);
    try {
      Judge(k, k == 0 ? begin_ : FirstRowAfter(k, f), f, p);
    } catch (...) {
      p.error = std::current_exception();
    }
    {
      const std::lock_guard lock(mutex_);
      p.ready = true;
    }
    ready_.notify_one();
  }
}

// Where the first row of part k starts, if the "\n" before it is the first one at or
// after the part's start: always so for lines, and for CSV rows unless the part starts
// inside a quoted field, which the writer finds out and mends. The part's end when no
// "\n" is in it.
std::uint64_t Partes::FirstRowAfter(std::size_t k, Ferramentas& f) {
  const std::uint64_t limit = Cut(k + 1) - 1;
  for (std::uint64_t at = Cut(k) - 1; at < limit;) {
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(f.piece.size(), limit - at));
    const std::size_t n = LeEm(fd_, at, f.piece.data(), want);
    if (n == 0) break;
    if (const void* found = std::memchr(f.piece.data(), '\n', n)) {
      return at + static_cast<std::uint64_t>(static_cast<const char*>(found) - f.piece.data()) + 1;
    }
    at += n;
  }
  return Cut(k + 1);
}

// Judges the rows that start in part k from `start` on, into p.
void Partes::Judge(std::size_t k, std::uint64_t start, Ferramentas& f, Parte& p) {
  p.text.Clear();
  p.contas = {};
  p.avisos.Clear();
  p.error = nullptr;
  p.start = start;
  p.stop = {start, 1};
  const std::uint64_t stop = Cut(k + 1);
  if (start >= stop) return;
  f.in.Restart(Fonte(fd_, start, stop));
  f.av.Usa(p.text, p.contas, p.avisos);
  WithSaida(relato_.escrita().saida, [&]<Saida S>() {
    if (csv_) {
      RowEnd row_end(relato_.escrita().separador);
      p.stop = JulgaRegistros<S>(f.in, row_end, f.av, 1, stop);
    } else {
      p.stop = JulgaLinhas<S>(f.in, f.av, 1, stop);
    }
  });
}

void Partes::WaitFor(Parte& p) {
  std::unique_lock lock(mutex_);
  ready_.wait(lock, [&p] { return p.ready; });
}

void Partes::Release() {
  {
    const std::lock_guard lock(mutex_);
    Slot(next_write_).ready = false;
    ++next_write_;
  }
  free_.notify_all();
}

void Partes::StopAll(std::vector<std::thread>& threads) {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  free_.notify_all();
  for (std::thread& t : threads) t.join();
}

// Writes the parts in order. Each part starts where the one before it ended; a part
// whose thread guessed another start is judged again here, and a part in which no
// row starts (a long row crosses it) is left out.
void Partes::Run(std::uint64_t first_line) {
  std::vector<std::thread> threads;
  struct Joiner {
    Partes& partes;
    std::vector<std::thread>& threads;
    ~Joiner() { partes.StopAll(threads); }
  } joiner{*this, threads};
  for (unsigned i = 0; i < threads_; ++i) threads.emplace_back([this] { Work(); });
  std::optional<Ferramentas> own;  // for the parts judged again here, made when one is
  std::uint64_t expected = begin_;
  std::uint64_t line = first_line;
  for (std::size_t k = 0; k < count_; ++k) {
    Parte& p = Slot(k);
    WaitFor(p);
    if (p.error) std::rethrow_exception(p.error);
    if (expected < Cut(k + 1)) {
      if (p.start != expected) Judge(k, expected, own ? *own : own.emplace(modelo_, part_), p);
      relato_.Part(p.text.Held(), p.contas, p.avisos, line);
      line += p.stop.line - 1;
      expected = p.stop.offset;
    }
    Release();
  }
}

std::size_t FromEnvironment(const char* name, std::size_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr) return fallback;
  char* stop = nullptr;
  const unsigned long long value = std::strtoull(text, &stop, 10);
  return stop != text && *stop == '\0' && value > 0 ? static_cast<std::size_t>(value) : fallback;
}

}  // namespace

Divisao DivisaoDaMaquina() {
  Divisao divisao;
  divisao.threads = static_cast<unsigned>(
      FromEnvironment("VUMOCAIXA_THREADS", std::max(1u, std::thread::hardware_concurrency())));
  divisao.part = FromEnvironment("VUMOCAIXA_CHUNK", divisao.part);
  return divisao;
}

void JulgaEmPartes(int fd, std::uint64_t begin, std::uint64_t end, std::uint64_t first_line,
                   const Avaliador& modelo, bool csv, Relato& relato, const Divisao& divisao) {
  if (end <= begin) return;
  Partes(fd, begin, end, modelo, csv, relato, divisao).Run(first_line);
}

}  // namespace vumocaixa::cli
