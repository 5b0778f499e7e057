#pragma once
// The system calls behind form files, on POSIX systems and on Windows: a regular file
// read whole, and whether a path names something that is not a regular file.

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace vumocaixa::qt {

// Why the system refused a file: the text told after the file's name.
class FileRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A regular file open for reading, closed when it goes out of scope. It is opened
// without waiting, so that a pipe with no writer is refused at once instead of
// blocking, and the check that it is a regular file is made on what was opened.
// Throws FileRefused ("o arquivo não existe", "não é um arquivo comum", the system's
// reason).
class RegularFileReader {
 public:
  explicit RegularFileReader(const QString& path);
  ~RegularFileReader();
  RegularFileReader(const RegularFileReader&) = delete;
  RegularFileReader& operator=(const RegularFileReader&) = delete;

  // The size when it was opened.
  [[nodiscard]] qint64 Size() const { return m_size; }
  // Reads up to `most` bytes into `into`; 0 at the end. Throws FileRefused.
  [[nodiscard]] qint64 Read(char* into, qint64 most);

 private:
  static void Close(std::intptr_t file);

  std::intptr_t m_file = -1;  // a descriptor, or on Windows a HANDLE
  qint64 m_size = 0;
};

// Whether path names something that exists and is not a regular file (a folder, a
// device, a pipe); a symbolic link counts as what it leads to.
[[nodiscard]] bool IsSpecialFile(const QString& path);

}  // namespace vumocaixa::qt
