#pragma once
// Line and CSV row input and buffered output, for piping files of millions of lines
// through the tool in constant memory.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vumocaixa::cli {

// Where a reader's bytes come from: a stream read in order, or a part of a regular
// file read at its offsets (as threads do, each in its own part).
class Fonte {
 public:
  // The stream fd, from its current position, which counts as offset 0.
  explicit Fonte(int fd) : fd_(fd) {}
  // The regular file fd from offset inicio. Reads end at offset ate, and past it go
  // on in small pieces: enough to finish the row that crosses it.
  Fonte(int fd, std::uint64_t inicio, std::uint64_t ate)
      : fd_(fd), posicional_(true), posicao_(inicio), ate_(ate) {}

  // Reads up to tamanho bytes; 0 at the end. Throws std::system_error on failure.
  std::size_t Le(char* destino, std::size_t tamanho);
  // The offset of the next byte to be read.
  [[nodiscard]] std::uint64_t Posicao() const { return posicao_; }

 private:
  static constexpr std::size_t kPedaco = std::size_t{4} << 10;

  int fd_;
  bool posicional_ = false;
  std::uint64_t posicao_ = 0;
  std::uint64_t ate_ = 0;
};

// What a reader gave.
enum class Lido {
  kLinha,        // a line or row
  kLongaDemais,  // a line or row beyond the limit, skipped up to its end
  kFim,          // the end of the input
};

// The longest line or row a reader holds; a longer one is skipped.
inline constexpr std::size_t kLinhaMaxima = std::size_t{8} << 20;

// Finds the end of a plain line: its "\n".
struct LineEnd {
  // The offset of the "\n" that ends the line in pending, searched from `from`;
  // npos when pending holds none.
  std::size_t Find(std::string_view pending, std::size_t from) const {
    const void* found = std::memchr(pending.data() + from, '\n', pending.size() - from);
    if (found == nullptr) return std::string_view::npos;
    return static_cast<std::size_t>(static_cast<const char*>(found) - pending.data());
  }
  // How many lines of the input the current line spans.
  [[nodiscard]] std::uint64_t Lines() const { return 1; }
  void Reset() {}
  void Drop(char /*last*/) {}
};

// Reads a source line by line, or row by row with a finder that knows where a row
// ends. Memory stays at the buffer's size unless a single line is longer; the buffer
// then grows up to the limit, and a line beyond it is skipped up to its end as the
// finder sees it (a CSV row's end lies outside quotes).
class LineReader {
 public:
  explicit LineReader(Fonte fonte, std::size_t capacity = std::size_t{1} << 20,
                      std::size_t limit = kLinhaMaxima);
  explicit LineReader(int fd, std::size_t capacity = std::size_t{1} << 20,
                      std::size_t limit = kLinhaMaxima)
      : LineReader(Fonte(fd), capacity, limit) {}

  // The next line (or row), without its "\n" and without one trailing "\r". A last
  // line without "\n" counts when it is not empty. The view lives until the next
  // call. Throws std::system_error when reading fails.
  template <class Finder = LineEnd>
  Lido Next(std::string_view& line, Finder&& finder = {}) {
    const std::size_t at = finder.Find(Pending(), scanned_);
    if (at == std::string_view::npos) return NextAfterFill(line, finder);
    return Take(at, finder, line);
  }

  // Every complete line held, as one block of lines each ending in "\n", reading
  // more when none is; at the end of the input, a last line without "\n" alone,
  // followed in memory by a "\n" that is not part of it. Lines beyond the limit are
  // skipped (kLongaDemais) as in Next. Split the block with LineEndAt. Does not count
  // lines for Line().
  Lido NextLines(std::string_view& lines);

  // Reads fonte from its start, as a new reader would, keeping the buffer.
  void Restart(Fonte fonte) {
    fonte_ = fonte;
    begin_ = scanned_ = end_ = 0;
    line_ = 0;
    next_line_ = 1;
    eof_ = crlf_ = newline_ = nul_seen_ = false;
  }

  // Drops a byte-order mark at the reader's position, before anything has been
  // read; gives whether there was one.
  bool SkipByteOrderMark();

  // The number of the first line of what Next gave last, counting from 1.
  [[nodiscard]] std::uint64_t Line() const { return line_; }
  // The number of the line that Next gives next.
  [[nodiscard]] std::uint64_t NextLine() const { return next_line_; }
  // Whether what Next gave last ended in "\r\n".
  [[nodiscard]] bool EndedInCrLf() const { return crlf_; }
  // Whether what Next gave last was followed by its "\n" (a last line may lack it).
  [[nodiscard]] bool EndedInNewline() const { return newline_; }
  // False while no NUL byte has been read.
  [[nodiscard]] bool MayHoldNul() const { return nul_seen_; }
  // The source's offset of the first byte not yet given out.
  [[nodiscard]] std::uint64_t Offset() const { return fonte_.Posicao() - (end_ - begin_); }

 private:
  // Bytes after the buffer's usable part, so that LineEndAt may read a block past
  // the last "\n".
  static constexpr std::size_t kSlack = 64;
  [[nodiscard]] std::size_t Usable() const { return buffer_.size() - kSlack; }

  [[nodiscard]] std::string_view Pending() const {
    return {buffer_.data() + begin_, end_ - begin_};
  }

  template <class Finder>
  Lido Take(std::size_t length, Finder& finder, std::string_view& line) {
    line = std::string_view(buffer_.data() + begin_, length);
    crlf_ = !line.empty() && line.back() == '\r';
    if (crlf_) line.remove_suffix(1);
    newline_ = begin_ + length < end_;
    begin_ += length + (newline_ ? 1 : 0);
    scanned_ = 0;
    line_ = next_line_;
    next_line_ += finder.Lines();
    finder.Reset();
    return Lido::kLinha;
  }

  template <class Finder>
  Lido NextAfterFill(std::string_view& line, Finder& finder) {
    for (;;) {
      scanned_ = end_ - begin_;
      if (eof_) {
        if (begin_ == end_) return Lido::kFim;
        // Only a row whose quote never closed can hold its last "\n" here.
        const bool newline_at_end = buffer_[end_ - 1] == '\n';
        return Take(end_ - begin_ - (newline_at_end ? 1 : 0), finder, line);
      }
      if (end_ - begin_ >= limit_) {
        SkipLine(finder);
        line_ = next_line_;
        next_line_ += finder.Lines();
        finder.Reset();
        return Lido::kLongaDemais;
      }
      eof_ = !Fill();
      const std::size_t at = finder.Find(Pending(), scanned_);
      if (at != std::string_view::npos) return Take(at, finder, line);
    }
  }

  // Drops what is held of the current line and reads on past its end, which the
  // finder goes on looking for with what it learnt of the bytes dropped.
  template <class Finder>
  void SkipLine(Finder& finder) {
    scanned_ = 0;
    for (;;) {
      if (end_ > begin_) finder.Drop(buffer_[end_ - 1]);
      begin_ = end_;
      if (eof_ || (eof_ = !Fill())) return;
      const std::size_t at = finder.Find(Pending(), 0);
      if (at != std::string_view::npos) {
        begin_ += at + 1;
        return;
      }
    }
  }

  bool Fill();

  Fonte fonte_;
  std::vector<char> buffer_;
  std::size_t limit_;
  std::size_t begin_ = 0;    // start of the current line
  std::size_t scanned_ = 0;  // bytes from begin_ that the finder has seen
  std::size_t end_ = 0;      // end of the bytes read
  std::uint64_t line_ = 0;
  std::uint64_t next_line_ = 1;
  bool eof_ = false;
  bool crlf_ = false;
  bool newline_ = false;
  bool nul_seen_ = false;
};

// The "\n" that ends the line starting at p, in a block from LineReader::NextLines
// (where one always lies ahead). Reads up to 15 bytes past it, which the reader's
// slack allows.
[[nodiscard]] inline const char* LineEndAt(const char* p) {
#if defined(__SSE2__)
  const __m128i newline = _mm_set1_epi8('\n');
  for (;; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, newline)));
    if (found != 0) return p + __builtin_ctz(found);
  }
#else
  while (*p != '\n') ++p;
  return p;
#endif
}

// Tells the user once, on standard error, that the tool waits for lines typed on the
// terminal, when standard input is one.
void AnnounceTerminalInput();

// Whether text, which holds some byte above 0x7F, is well-formed UTF-8.
[[nodiscard]] bool IsUtf8Beyond(std::string_view text);

// Collects output and writes it to a file descriptor in large blocks; or, made
// without one, holds it all in memory until it is taken.
class Output {
 public:
  explicit Output(int fd, std::size_t capacity = std::size_t{1} << 20);
  Output() : Output(kEmMemoria, 0) {}
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;
  ~Output();

  void Write(std::string_view text) {
    if (text.size() > buffer_.size() - used_) MakeRoom(text.size());
    if (!text.empty()) std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
  }
  void Write(char c) {
    if (used_ == buffer_.size()) MakeRoom(1);
    buffer_[used_++] = c;
  }
  // Writes what is held, then text, which is not copied. Throws as Flush does.
  void WriteThrough(std::string_view text);
  // Writes what is held. Throws std::system_error when writing fails.
  void Flush();

  // What an output in memory holds, and emptying it (keeping its memory).
  [[nodiscard]] std::string_view Held() const { return {buffer_.data(), used_}; }
  void Clear() { used_ = 0; }

 private:
  static constexpr int kEmMemoria = -1;
  void MakeRoom(std::size_t needed);

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
