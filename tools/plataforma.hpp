#pragma once
// The operating system's files, streams and terminals, in one place: the rest of the
// command reads and writes through these functions only.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vumocaixa::cli {

inline constexpr int kEntradaPadrao = 0;
inline constexpr int kSaidaPadrao = 1;
inline constexpr int kErroPadrao = 2;

// The keys that end typed input at a terminal.
#if defined(_WIN32)
inline constexpr std::string_view kTeclasDoFim = "Ctrl+Z e Enter";
#else
inline constexpr std::string_view kTeclasDoFim = "Ctrl+D";
#endif

// The program's arguments, the program's name left out, in UTF-8. Windows hands them
// over as UTF-16 whatever the code page; elsewhere they are argv's bytes.
[[nodiscard]] std::vector<std::string> Argumentos(int argc, char** argv);

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

// Writes texto to standard error, as much as it takes: a message has nowhere else to go.
void EscreveErro(std::string_view texto) noexcept;

// Whether fd is a terminal (on Windows, a console: what it shows is written as UTF-16,
// and what is typed into it read as UTF-8; files and pipes get the bytes unchanged).
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

// Opens caminho (UTF-8) for reading; a folder is refused.
[[nodiscard]] Abertura AbreParaLeitura(const std::string& caminho);

void Fecha(int fd);

// The last "\n" of the `tamanho` bytes at inicio, or nullptr when there is none.
[[nodiscard]] inline const char* UltimaQuebra(const char* inicio, std::size_t tamanho) {
#if defined(__GLIBC__)
  return static_cast<const char*>(::memrchr(inicio, '\n', tamanho));
#else
  for (const char* p = inicio + tamanho; p != inicio;) {
    if (*--p == '\n') return p;
  }
  return nullptr;
#endif
}

}  // namespace vumocaixa::cli
