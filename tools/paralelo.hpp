#pragma once
// Judging a regular file with every core: the file is cut into parts of a fixed size,
// each thread judges the rows that start in one part at a time, and the parts are
// written in the file's order, with at most a few of them held at once.

#include <cstddef>
#include <cstdint>

#include "avaliador.hpp"
#include "relato.hpp"

namespace vumocaixa::cli {

// How the rows of a regular file are shared among threads.
struct Divisao {
  unsigned threads = 1;                     // below 2, files are read as streams
  std::size_t part = std::size_t{1} << 19;  // bytes of the file in one part
};

// The machine's cores, and parts of 512 KiB; the environment variables
// VUMOCAIXA_THREADS and VUMOCAIXA_CHUNK (bytes) set others, for tests.
[[nodiscard]] Divisao DivisaoDaMaquina();

// Judges the rows of the regular file fd from offset `begin`, where a row starts
// whose first line is numbered first_line, to offset `end`, with divisao.threads
// threads, each with a copy of modelo, and tells each part to relato in order. csv:
// rows end outside quotes, separated by relato's separator. The bytes written,
// totals and problems are those of reading the same rows as a stream. Throws
// std::system_error when reading or writing fails.
void JulgaEmPartes(int fd, std::uint64_t begin, std::uint64_t end, std::uint64_t first_line,
                   const Avaliador& modelo, bool csv, Relato& relato, const Divisao& divisao);

}  // namespace vumocaixa::cli
