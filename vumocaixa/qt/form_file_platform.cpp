#include <vumocaixa/qt/form_file_platform.hpp>

#include <algorithm>
#include <string>

#if defined(_WIN32)
#include <windows.h>

#include <system_error>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>
#endif

namespace vumocaixa::qt {

#if defined(_WIN32)

namespace {

[[noreturn]] void Refuse(DWORD error) {
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
    throw FileRefused("o arquivo não existe");
  }
  throw FileRefused(std::system_category().message(static_cast<int>(error)));
}

HANDLE HandleOf(std::intptr_t file) { return reinterpret_cast<HANDLE>(file); }

// Opens path with the given access; a folder opens as well, to be told apart.
HANDLE Open(const QString& path, DWORD access) {
  return ::CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// A file on a disk, not a folder: a device, a console or a pipe has another type.
bool IsRegular(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info{};
  return ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info) &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

// Opening a pipe's client end does not wait for its server: with no free instance the
// call fails at once.
RegularFileReader::RegularFileReader(const QString& path) {
  const HANDLE file = Open(path, GENERIC_READ);
  if (file == INVALID_HANDLE_VALUE) Refuse(::GetLastError());
  m_file = reinterpret_cast<std::intptr_t>(file);
  try {
    LARGE_INTEGER size{};
    if (!IsRegular(file)) throw FileRefused("não é um arquivo comum");
    if (!::GetFileSizeEx(file, &size)) Refuse(::GetLastError());
    m_size = size.QuadPart;
  } catch (...) {
    Close(m_file);
    throw;
  }
}

void RegularFileReader::Close(std::intptr_t file) { ::CloseHandle(HandleOf(file)); }

qint64 RegularFileReader::Read(char* into, qint64 most) {
  const auto want = static_cast<DWORD>(std::min<qint64>(most, qint64{1} << 30));
  DWORD read = 0;
  if (!::ReadFile(HandleOf(m_file), into, want, &read, nullptr)) Refuse(::GetLastError());
  return read;
}

bool IsSpecialFile(const QString& path) {
  const HANDLE file = Open(path, 0);  // no access: only its type is asked for
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool special = !IsRegular(file);
  ::CloseHandle(file);
  return special;
}

#else

namespace {

[[noreturn]] void Refuse(int error) {
  throw FileRefused(error == ENOENT ? std::string("o arquivo não existe") : std::strerror(error));
}

}  // namespace

RegularFileReader::RegularFileReader(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) Refuse(errno);
  m_file = fd;
  struct stat info {};
  const int error = ::fstat(fd, &info) != 0 ? errno : 0;
  if (error == 0 && S_ISREG(info.st_mode)) {
    m_size = info.st_size;
    return;
  }
  Close(m_file);
  if (error != 0) Refuse(error);
  throw FileRefused("não é um arquivo comum");
}

void RegularFileReader::Close(std::intptr_t file) { ::close(static_cast<int>(file)); }

qint64 RegularFileReader::Read(char* into, qint64 most) {
  for (;;) {
    const ssize_t n = ::read(static_cast<int>(m_file), into, static_cast<size_t>(most));
    if (n >= 0) return n;
    if (errno != EINTR) Refuse(errno);
  }
}

bool IsSpecialFile(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  struct stat info {};
  return ::stat(native.constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

#endif

RegularFileReader::~RegularFileReader() { Close(m_file); }

}  // namespace vumocaixa::qt
