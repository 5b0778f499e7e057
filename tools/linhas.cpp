#include "linhas.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>

#include <vumocaixa/host/text.hpp>

namespace vumocaixa::cli {

LineReader::LineReader(int fd, std::size_t capacity) : fd_(fd), buffer_(capacity) {}

bool LineReader::Next(std::string_view& line) {
  for (;;) {
    const char* data = buffer_.data();
    const std::size_t from = begin_ + scanned_;
    const void* found = std::memchr(data + from, '\n', end_ - from);
    if (found != nullptr || (eof_ && begin_ < end_)) {
      const std::size_t stop =
          found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - data)
                           : end_;
      line = std::string_view(data + begin_, stop - begin_);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      begin_ = found != nullptr ? stop + 1 : end_;
      scanned_ = 0;
      return true;
    }
    scanned_ = end_ - begin_;
    if (eof_) return false;
    eof_ = !Fill();
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

void Output::Write(std::string_view text) {
  if (text.size() > buffer_.size() - used_) {
    Flush();
    if (text.size() > buffer_.size()) buffer_.resize(text.size());
  }
  std::memcpy(buffer_.data() + used_, text.data(), text.size());
  used_ += text.size();
}

void Output::Write(char c) {
  if (used_ == buffer_.size()) Flush();
  buffer_[used_++] = c;
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

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t block = 0;
    std::memcpy(&block, text.data() + i, 8);
    if ((block & 0x8080808080808080ULL) != 0) return IsValidUtf8(text.substr(i));
  }
  for (; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0x80) != 0) return IsValidUtf8(text.substr(i));
  }
  return true;
}

}  // namespace vumocaixa::cli
