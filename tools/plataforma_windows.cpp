// Windows: the C runtime's descriptors stand for the system's handles, which are read
// and written directly, so no text-mode translation ever touches the bytes. Texts
// cross the system's interfaces as UTF-16 and the rest of the command as UTF-8.
#include "plataforma.hpp"

// windows.h before the headers that lean on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace vumocaixa::cli {
namespace {

// The most one call reads or writes: the system counts bytes in a DWORD, and a console
// takes a few thousand characters at a time.
constexpr std::size_t kMaximoPorChamada = std::size_t{1} << 30;
constexpr std::size_t kMaximoNoConsole = 8192;

[[noreturn]] void Falha(const char* what, DWORD erro) {
  throw std::system_error(static_cast<int>(erro), std::system_category(), what);
}

HANDLE HandleDe(int fd) { return reinterpret_cast<HANDLE>(::_get_osfhandle(fd)); }

bool EhConsole(HANDLE handle) {
  DWORD modo = 0;
  return ::GetFileType(handle) == FILE_TYPE_CHAR && ::GetConsoleMode(handle, &modo) != 0;
}

// Malformed UTF-8 becomes U+FFFD.
std::wstring Largo(std::string_view texto) {
  if (texto.empty()) return {};
  const int tamanho = static_cast<int>(texto.size());
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, texto.data(), tamanho, nullptr, 0);
  std::wstring largo(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, texto.data(), tamanho, largo.data(), n);
  return largo;
}

// A lone surrogate becomes U+FFFD.
std::string Estreito(std::wstring_view largo) {
  if (largo.empty()) return {};
  const int tamanho = static_cast<int>(largo.size());
  const int n =
      ::WideCharToMultiByte(CP_UTF8, 0, largo.data(), tamanho, nullptr, 0, nullptr, nullptr);
  std::string texto(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, largo.data(), tamanho, texto.data(), n, nullptr, nullptr);
  return texto;
}

bool EhAlto(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// What was typed at the console, as UTF-8, one line at a time; Ctrl+Z at the start of
// a line ends the input, as the system's own programs take it.
class EntradaDoConsole {
 public:
  std::size_t Le(HANDLE console, char* destino, std::size_t tamanho) {
    if (pendente_.empty() && !fim_) LeLinha(console);
    const std::size_t n = std::min(tamanho, pendente_.size());
    std::memcpy(destino, pendente_.data(), n);
    pendente_.erase(0, n);
    return n;
  }

 private:
  void LeLinha(HANDLE console) {
    wchar_t lido[kMaximoNoConsole];
    DWORD n = 0;
    if (!::ReadConsoleW(console, lido, kMaximoNoConsole - 1, &n, nullptr)) {
      Falha("leitura", ::GetLastError());
    }
    std::wstring linha = std::exchange(alto_, std::wstring()) + std::wstring(lido, n);
    // A pair of surrogates split by the end of the buffer waits for its second half.
    if (!linha.empty() && EhAlto(linha.back())) {
      alto_ = linha.back();
      linha.pop_back();
    }
    fim_ = n == 0 || linha.starts_with(L'\x1A');
    if (!fim_) pendente_ = Estreito(linha);
  }

  std::string pendente_;
  std::wstring alto_;
  bool fim_ = false;
};

void EscreveNoConsole(HANDLE console, std::string_view texto) {
  const std::wstring largo = Largo(texto);
  for (std::wstring_view resto = largo; !resto.empty();) {
    std::size_t parte = std::min(resto.size(), kMaximoNoConsole);
    if (parte < resto.size() && EhAlto(resto[parte - 1])) --parte;
    DWORD escritos = 0;
    if (!::WriteConsoleW(console, resto.data(), static_cast<DWORD>(parte), &escritos, nullptr) ||
        escritos == 0) {
      Falha("escrita", ::GetLastError());
    }
    resto.remove_prefix(escritos);
  }
}

// Writes all of texto; the system's error when writing fails, else 0.
DWORD TentaEscrever(int fd, std::string_view texto) {
  const HANDLE handle = HandleDe(fd);
  if (EhConsole(handle)) {
    try {
      EscreveNoConsole(handle, texto);
    } catch (const std::system_error& e) {
      return static_cast<DWORD>(e.code().value());
    }
    return 0;
  }
  while (!texto.empty()) {
    const auto parte = static_cast<DWORD>(std::min(texto.size(), kMaximoPorChamada));
    DWORD escritos = 0;
    if (!::WriteFile(handle, texto.data(), parte, &escritos, nullptr)) return ::GetLastError();
    texto.remove_prefix(escritos);
  }
  return 0;
}

// A read that fails this way has met the end of the input: a pipe whose writer
// closed it, or an offset past the end of a file.
bool EhFim(DWORD erro) { return erro == ERROR_BROKEN_PIPE || erro == ERROR_HANDLE_EOF; }

}  // namespace

std::vector<std::string> Argumentos(int, char**) {
  int n = 0;
  LPWSTR* largos = ::CommandLineToArgvW(::GetCommandLineW(), &n);
  std::vector<std::string> argumentos;
  for (int i = 1; i < n; ++i) argumentos.push_back(Estreito(largos[i]));
  ::LocalFree(largos);
  return argumentos;
}

std::size_t Le(int fd, char* destino, std::size_t tamanho) {
  const HANDLE handle = HandleDe(fd);
  if (EhConsole(handle)) {
    static EntradaDoConsole console;
    return console.Le(handle, destino, tamanho);
  }
  DWORD lidos = 0;
  const auto parte = static_cast<DWORD>(std::min(tamanho, kMaximoPorChamada));
  if (!::ReadFile(handle, destino, parte, &lidos, nullptr)) {
    const DWORD erro = ::GetLastError();
    if (EhFim(erro)) return 0;
    Falha("leitura", erro);
  }
  return lidos;
}

// Each read names its offset, so that threads share the handle; the handle's own
// position is left where the last read ended.
std::size_t LeEm(int fd, std::uint64_t posicao, char* destino, std::size_t tamanho) {
  OVERLAPPED onde{};
  onde.Offset = static_cast<DWORD>(posicao);
  onde.OffsetHigh = static_cast<DWORD>(posicao >> 32);
  DWORD lidos = 0;
  const auto parte = static_cast<DWORD>(std::min(tamanho, kMaximoPorChamada));
  if (!::ReadFile(HandleDe(fd), destino, parte, &lidos, &onde)) {
    const DWORD erro = ::GetLastError();
    if (EhFim(erro)) return 0;
    Falha("leitura", erro);
  }
  return lidos;
}

void EscreveTudo(int fd, std::string_view texto) {
  if (const DWORD erro = TentaEscrever(fd, texto)) Falha("escrita", erro);
}

void EscreveErro(std::string_view texto) noexcept {
  try {
    (void)TentaEscrever(kErroPadrao, texto);
  } catch (...) {  // no memory for the UTF-16 copy: the message is lost
  }
}

bool EhTerminal(int fd) { return EhConsole(HandleDe(fd)); }

std::optional<ArquivoComum> ArquivoComumEm(int fd) {
  const HANDLE handle = HandleDe(fd);
  if (::GetFileType(handle) != FILE_TYPE_DISK) return std::nullopt;
  LARGE_INTEGER tamanho{}, posicao{}, nenhum{};
  if (!::GetFileSizeEx(handle, &tamanho) ||
      !::SetFilePointerEx(handle, nenhum, &posicao, FILE_CURRENT)) {
    return std::nullopt;
  }
  return ArquivoComum{static_cast<std::uint64_t>(posicao.QuadPart),
                      static_cast<std::uint64_t>(tamanho.QuadPart)};
}

// The C runtime gives the same reasons as elsewhere ("No such file or directory",
// "Permission denied"); a folder cannot be opened as a file here, so it is told apart
// before.
Abertura AbreParaLeitura(const std::string& caminho) {
  const std::wstring largo = Largo(caminho);
  WIN32_FILE_ATTRIBUTE_DATA atributos{};
  if (::GetFileAttributesExW(largo.c_str(), GetFileExInfoStandard, &atributos) &&
      (atributos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {-1, "'" + caminho + "' é uma pasta, não um arquivo"};
  }
  const int fd = ::_wopen(largo.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  if (fd < 0) return {-1, "não foi possível abrir '" + caminho + "': " + std::strerror(errno)};
  return {fd, {}};
}

void Fecha(int fd) { ::_close(fd); }

}  // namespace vumocaixa::cli
