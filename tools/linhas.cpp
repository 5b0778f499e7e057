#include "linhas.hpp"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include <vumocaixa/host/text.hpp>

namespace vumocaixa::cli {

LineReader::LineReader(int fd, std::size_t capacity, std::size_t limit)
    : fd_(fd), buffer_(capacity + kSlack), limit_(limit) {}

// Moves the unfinished line to the front, grows the buffer when that line fills it,
// and reads more. False at the end of the input.
bool LineReader::Fill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == Usable()) buffer_.resize(Usable() * 2 + kSlack);
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data() + end_, Usable() - end_);
    if (n > 0) {
      const auto count = static_cast<std::size_t>(n);
      nul_seen_ = nul_seen_ || std::memchr(buffer_.data() + end_, '\0', count) != nullptr;
      end_ += count;
      return true;
    }
    if (n == 0) return false;
    if (errno != EINTR) throw std::system_error(errno, std::generic_category(), "leitura");
  }
}

Lido LineReader::NextLines(std::string_view& lines) {
  for (;;) {
    const std::size_t from = begin_ + scanned_;
    const void* last = ::memrchr(buffer_.data() + from, '\n', end_ - from);
    if (last != nullptr) {
      const auto stop =
          static_cast<std::size_t>(static_cast<const char*>(last) - buffer_.data()) + 1;
      lines = std::string_view(buffer_.data() + begin_, stop - begin_);
      begin_ = stop;
      scanned_ = 0;
      return Lido::kLinha;
    }
    scanned_ = end_ - begin_;
    if (eof_) {
      if (begin_ == end_) return Lido::kFim;
      lines = std::string_view(buffer_.data() + begin_, end_ - begin_);
      buffer_[end_] = '\n';  // in the slack when the buffer is full
      begin_ = end_;
      scanned_ = 0;
      return Lido::kLinha;
    }
    if (end_ - begin_ >= limit_) {
      SkipLine();
      return Lido::kLongaDemais;
    }
    eof_ = !Fill();
  }
}

// Drops what is held of the current line and reads on past its "\n".
void LineReader::SkipLine() {
  begin_ = end_;
  scanned_ = 0;
  while (!eof_) {
    eof_ = !Fill();
    const void* found = std::memchr(buffer_.data() + begin_, '\n', end_ - begin_);
    if (found != nullptr) {
      begin_ = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data()) + 1;
      return;
    }
    begin_ = end_;
  }
}

Output::Output(int fd, std::size_t capacity) : fd_(fd), buffer_(capacity) {}

Output::~Output() {
  try {
    Flush();
  } catch (const std::system_error&) {
    // A destructor cannot report; callers flush explicitly to see the error.
  }
}

void Output::WriteLarge(std::string_view text) {
  Flush();
  if (text.size() > buffer_.size()) buffer_.resize(text.size());
  std::memcpy(buffer_.data(), text.data(), text.size());
  used_ = text.size();
}

void Output::Flush() {
  std::size_t done = 0;
  while (done < used_) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, used_ - done);
    if (n >= 0) {
      done += static_cast<std::size_t>(n);
    } else if (errno != EINTR) {
      used_ = 0;
      throw std::system_error(errno, std::generic_category(), "escrita");
    }
  }
  used_ = 0;
}

void AnnounceTerminalInput() {
  static bool announced = false;
  if (announced || ::isatty(STDIN_FILENO) == 0) return;
  announced = true;
  std::fputs("vumocaixa: lendo da entrada padrão; Ctrl+D termina\n", stderr);
}

// Every sequence of a character beyond ASCII is made of bytes above 0x7F only, so the
// text is UTF-8 when each run of such bytes is: only the runs go to the decoder.
bool IsUtf8Beyond(std::string_view text) {
  const auto high = [](char c) { return static_cast<unsigned char>(c) > 0x7F; };
  const auto end = text.end();
  for (auto run = std::find_if(text.begin(), end, high); run != end;) {
    const auto stop = std::find_if_not(run, end, high);
    if (!IsValidUtf8(std::string_view(run, stop))) return false;
    run = std::find_if(stop, end, high);
  }
  return true;
}

}  // namespace vumocaixa::cli
