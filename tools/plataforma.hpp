#pragma once
// The operating system's files, streams and terminals, in one place: the rest of the
// command reads and writes through these functions only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vumocaixa::cli {

inline constexpr int kEntradaPadrao = 0;
inline constexpr int kSaidaPadrao = 1;

// Reads up to `tamanho` bytes into destino from the file's current position; 0 at
// the end of the input. Throws std::system_error ("leitura: <reason>") when reading
// fails.
[[nodiscard]] std::size_t Le(int fd, char* destino, std::size_t tamanho);

// Reads up to `tamanho` bytes at offset `posicao` of a regular file without moving
// its position, so that several threads may read one file; 0 past its end. Throws
// as Le does.
[[nodiscard]] std::size_t LeEm(int fd, std::uint64_t posicao, char* destino, std::size_t tamanho);

// Writes all of texto. Throws std::system_error ("escrita: <reason>") when writing
// fails.
void EscreveTudo(int fd, std::string_view texto);

// Whether fd is a terminal.
[[nodiscard]] bool EhTerminal(int fd);

// A regular file: its size, and the offset that its next read starts at.
struct ArquivoComum {
  std::uint64_t posicao = 0;
  std::uint64_t tamanho = 0;
};

// fd as a regular file, whose bytes can be read at any offset; nothing for a pipe,
// a terminal or a device.
[[nodiscard]] std::optional<ArquivoComum> ArquivoComumEm(int fd);

// A file opened for reading, or why it could not be.
struct Abertura {
  int fd = -1;
  std::string erro;  // set when fd is -1: "'x' é uma pasta, não um arquivo" or the system's reason
};

// Opens caminho for reading; a folder is refused.
[[nodiscard]] Abertura AbreParaLeitura(const std::string& caminho);

void Fecha(int fd);

// The last "\n" of the `tamanho` bytes at inicio, or nullptr when there is none.
[[nodiscard]] const char* UltimaQuebra(const char* inicio, std::size_t tamanho);

}  // namespace vumocaixa::cli
