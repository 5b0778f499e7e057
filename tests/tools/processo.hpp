#pragma once
// Starting a program with its standard streams in files, on POSIX systems and on
// Windows, and waiting for its exit status and the peak of its memory.

#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
// psapi.h after windows.h, which it leans on.
#include <psapi.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace vumocaixa::testing {

struct Saida {
  int status = -1;
  long peak_kb = 0;  // the child's largest resident set
};

// The streams of a child: the files its standard input is read from and its output
// and errors are written to.
struct Fluxos {
  std::string entrada, saida, erro;
};

#if defined(_WIN32)

inline unsigned long IdDoProcesso() { return ::GetCurrentProcessId(); }

inline std::wstring Largo(const std::string& texto) {
  const int n =
      ::MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0);
  std::wstring largo(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), largo.data(), n);
  return largo;
}

// One argument of a command line, quoted so that the child's C runtime (and
// CommandLineToArgvW) reads back exactly the text: backslashes are doubled only before
// a quote.
inline std::wstring Citado(const std::wstring& argumento) {
  if (!argumento.empty() && argumento.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argumento;
  }
  std::wstring citado = L"\"";
  std::size_t barras = 0;
  for (const wchar_t c : argumento) {
    if (c == L'\\') {
      ++barras;
      continue;
    }
    citado.append(c == L'"' ? barras * 2 + 1 : barras, L'\\');
    barras = 0;
    citado.push_back(c);
  }
  citado.append(barras * 2, L'\\');
  citado.push_back(L'"');
  return citado;
}

// This process's environment with the variables of `env` ("NAME=value") in place of
// any of the same names, as the system wants it: each one ended by a NUL, and one
// more NUL at the end.
inline std::wstring Ambiente(const std::vector<std::string>& env) {
  std::wstring bloco;
  std::vector<std::wstring> nomes;
  for (const auto& variavel : env) {
    const std::wstring largo = Largo(variavel);
    nomes.push_back(largo.substr(0, largo.find(L'=') + 1));
    bloco += largo + L'\0';
  }
  const LPWCH atual = ::GetEnvironmentStringsW();
  for (const wchar_t* v = atual; *v != L'\0'; v += std::wstring_view(v).size() + 1) {
    bool trocada = false;
    for (const auto& nome : nomes) trocada = trocada || std::wstring_view(v).starts_with(nome);
    if (!trocada) bloco += std::wstring(v) + L'\0';
  }
  ::FreeEnvironmentStringsW(atual);
  return bloco + L'\0';
}

inline HANDLE AbreHerdavel(const std::string& caminho, DWORD acesso, DWORD criacao) {
  SECURITY_ATTRIBUTES herdavel{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return ::CreateFileW(Largo(caminho).c_str(), acesso,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &herdavel, criacao,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

inline Saida Executa(const std::vector<std::string>& argv, const Fluxos& fluxos,
                     const std::vector<std::string>& env) {
  std::wstring linha;
  for (const auto& argumento : argv)
    linha += (linha.empty() ? L"" : L" ") + Citado(Largo(argumento));
  std::wstring ambiente = Ambiente(env);
  STARTUPINFOW inicio{};
  inicio.cb = sizeof(inicio);
  inicio.dwFlags = STARTF_USESTDHANDLES;
  inicio.hStdInput = AbreHerdavel(fluxos.entrada, GENERIC_READ, OPEN_EXISTING);
  inicio.hStdOutput = AbreHerdavel(fluxos.saida, GENERIC_WRITE, CREATE_ALWAYS);
  inicio.hStdError = AbreHerdavel(fluxos.erro, GENERIC_WRITE, CREATE_ALWAYS);
  PROCESS_INFORMATION processo{};
  Saida saida;
  if (::CreateProcessW(Largo(argv.front()).c_str(), linha.data(), nullptr, nullptr, TRUE,
                       CREATE_UNICODE_ENVIRONMENT, ambiente.data(), nullptr, &inicio, &processo)) {
    ::WaitForSingleObject(processo.hProcess, INFINITE);
    DWORD status = 0;
    ::GetExitCodeProcess(processo.hProcess, &status);
    saida.status = static_cast<int>(status);
    PROCESS_MEMORY_COUNTERS memoria{};
    if (::K32GetProcessMemoryInfo(processo.hProcess, &memoria, sizeof(memoria))) {
      saida.peak_kb = static_cast<long>(memoria.PeakWorkingSetSize / 1024);
    }
    ::CloseHandle(processo.hThread);
    ::CloseHandle(processo.hProcess);
  }
  for (HANDLE h : {inicio.hStdInput, inicio.hStdOutput, inicio.hStdError}) ::CloseHandle(h);
  return saida;
}

#else

inline unsigned long IdDoProcesso() { return static_cast<unsigned long>(::getpid()); }

inline Saida Executa(const std::vector<std::string>& argv, const Fluxos& fluxos,
                     const std::vector<std::string>& env) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, fluxos.entrada.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, fluxos.saida.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, fluxos.erro.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  std::vector<std::string> all(argv);
  std::vector<char*> args;
  for (auto& a : all) args.push_back(a.data());
  args.push_back(nullptr);
  std::vector<std::string> variables(env);
  std::vector<char*> envp;
  for (auto& v : variables) envp.push_back(v.data());
  for (char** e = environ; *e != nullptr; ++e) envp.push_back(*e);
  envp.push_back(nullptr);
  pid_t pid = 0;
  Saida saida;
  if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data()) == 0) {
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    saida.peak_kb = usage.ru_maxrss;
    saida.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  return saida;
}

#endif

}  // namespace vumocaixa::testing
