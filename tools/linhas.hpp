#pragma once
// Line input and buffered output on file descriptors, for piping files of millions
// of lines through the tool in constant memory.

#include <cstddef>
#include <cstdint>
#include <cstring>
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
  bool Next(std::string_view& line) {
    const std::size_t from = begin_ + scanned_;
    const void* found = std::memchr(buffer_.data() + from, '\n', end_ - from);
    if (found == nullptr) return NextAfterFill(line);
    const auto stop = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
    line = std::string_view(buffer_.data() + begin_, stop - begin_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    begin_ = stop + 1;
    scanned_ = 0;
    return true;
  }

 private:
  bool NextAfterFill(std::string_view& line);
  bool Fill();

  int fd_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;    // start of the current line
  std::size_t scanned_ = 0;  // bytes from begin_ known to hold no "\n"
  std::size_t end_ = 0;      // end of the bytes read
  bool eof_ = false;
};

// Whether text, which holds some byte above 0x7F, is well-formed UTF-8.
[[nodiscard]] bool IsUtf8Beyond(std::string_view text);

// Collects output and writes it to a file descriptor in large blocks.
class Output {
 public:
  explicit Output(int fd, std::size_t capacity = std::size_t{1} << 20);
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;
  ~Output();

  void Write(std::string_view text) {
    if (text.size() > buffer_.size() - used_) {
      WriteLarge(text);
      return;
    }
    std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
  }
  void Write(char c) {
    if (used_ == buffer_.size()) Flush();
    buffer_[used_++] = c;
  }
  // Writes what is held. Throws std::system_error when writing fails.
  void Flush();

 private:
  void WriteLarge(std::string_view text);

  int fd_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
};

// Whether text is well-formed UTF-8; fast on plain ASCII.
[[nodiscard]] inline bool IsUtf8(std::string_view text) {
  const auto block = [&text](std::size_t at) {
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, text.data() + at, 8);
    return bytes;
  };
  std::uint64_t any = 0;
  if (text.size() >= 8) {
    for (std::size_t i = 0; i + 8 <= text.size(); i += 8) any |= block(i);
    any |= block(text.size() - 8);  // the tail, overlapping the last block
  } else {
    for (char c : text) any |= static_cast<unsigned char>(c);
  }
  return (any & 0x8080808080808080ULL) == 0 || IsUtf8Beyond(text);
}

}  // namespace vumocaixa::cli
