#include "plataforma.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace vumocaixa::cli {
namespace {

[[noreturn]] void Falha(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

// Writes all of texto; false when writing fails, errno telling why.
bool TentaEscrever(int fd, std::string_view texto) {
  while (!texto.empty()) {
    const ssize_t n = ::write(fd, texto.data(), texto.size());
    if (n >= 0) {
      texto.remove_prefix(static_cast<std::size_t>(n));
    } else if (errno != EINTR) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::size_t Le(int fd, char* destino, std::size_t tamanho) {
  for (;;) {
    const ssize_t n = ::read(fd, destino, tamanho);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) Falha("leitura");
  }
}

std::size_t LeEm(int fd, std::uint64_t posicao, char* destino, std::size_t tamanho) {
  for (;;) {
    const ssize_t n = ::pread(fd, destino, tamanho, static_cast<off_t>(posicao));
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) Falha("leitura");
  }
}

void EscreveTudo(int fd, std::string_view texto) {
  if (!TentaEscrever(fd, texto)) Falha("escrita");
}

void EscreveErro(std::string_view texto) noexcept { (void)TentaEscrever(kErroPadrao, texto); }

std::vector<std::string> Argumentos(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

bool EhTerminal(int fd) { return ::isatty(fd) != 0; }

std::optional<ArquivoComum> ArquivoComumEm(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  const off_t posicao = ::lseek(fd, 0, SEEK_CUR);
  if (posicao < 0) return std::nullopt;
  return ArquivoComum{static_cast<std::uint64_t>(posicao),
                      static_cast<std::uint64_t>(status.st_size)};
}

Abertura AbreParaLeitura(const std::string& caminho) {
  const int fd = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {-1, "não foi possível abrir '" + caminho + "': " + std::strerror(errno)};
  struct stat status {};
  if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
    ::close(fd);
    return {-1, "'" + caminho + "' é uma pasta, não um arquivo"};
  }
  return {fd, {}};
}

void Fecha(int fd) { ::close(fd); }

}  // namespace vumocaixa::cli
