#include "linhas.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include <vumocaixa/host/text.hpp>

namespace vumocaixa::cli {

LineReader::LineReader(int fd, std::size_t capacity) : fd_(fd), buffer_(capacity) {}

// The rest of Next: reads until a line is complete or the input ends.
bool LineReader::NextAfterFill(std::string_view& line) {
  for (;;) {
    scanned_ = end_ - begin_;
    if (eof_) {
      if (begin_ == end_) return false;
      line = std::string_view(buffer_.data() + begin_, end_ - begin_);
      if (line.back() == '\r') line.remove_suffix(1);
      begin_ = end_;
      scanned_ = 0;
      return true;
    }
    eof_ = !Fill();
    if (std::memchr(buffer_.data() + begin_ + scanned_, '\n', end_ - begin_ - scanned_)) {
      return Next(line);
    }
  }
}

// Moves the unfinished line to the front, grows the buffer when that line fills it,
// and reads more. False at the end of the input.
bool LineReader::Fill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (n > 0) {
      end_ += static_cast<std::size_t>(n);
      return true;
    }
    if (n == 0) return false;
    if (errno != EINTR) throw std::system_error(errno, std::generic_category(), "leitura");
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

bool IsUtf8Beyond(std::string_view text) { return IsValidUtf8(text); }

}  // namespace vumocaixa::cli
