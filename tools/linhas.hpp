#pragma once
// Line input and buffered output on file descriptors, for piping files of millions
// of lines through the tool in constant memory.

#include <cstddef>
#include <string_view>
#include <vector>

namespace vumocaixa::cli {

// Reads a file descriptor line by line. Memory stays at the buffer's size unless a
// single line is longer, in which case the buffer grows to hold that line.
class LineReader {
 public:
  explicit LineReader(int fd, std::size_t capacity = std::size_t{1} << 20);

  // The next line, without its "\n" and without one trailing "\r". A last line
  // without "\n" counts when it is not empty. False at the end of the input.
  // Throws std::system_error when reading fails. The view lives until the next call.
  bool Next(std::string_view& line);

 private:
  bool Fill();

  int fd_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;    // start of the current line
  std::size_t scanned_ = 0;  // bytes from begin_ known to hold no "\n"
  std::size_t end_ = 0;      // end of the bytes read
  bool eof_ = false;
};

// Collects output and writes it to a file descriptor in large blocks.
class Output {
 public:
  explicit Output(int fd, std::size_t capacity = std::size_t{1} << 20);
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;
  ~Output();

  void Write(std::string_view text);
  void Write(char c);
  // Writes what is held. Throws std::system_error when writing fails.
  void Flush();

 private:
  int fd_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
};

// Whether text is well-formed UTF-8; fast on plain ASCII.
[[nodiscard]] bool IsUtf8(std::string_view text);

}  // namespace vumocaixa::cli
