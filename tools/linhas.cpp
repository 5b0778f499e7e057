#include "linhas.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <system_error>

#include <vumocaixa/host/text.hpp>

#include "plataforma.hpp"

namespace vumocaixa::cli {

std::size_t Fonte::Le(char* destino, std::size_t tamanho) {
  if (!posicional_) {
    const std::size_t n = cli::Le(fd_, destino, tamanho);
    posicao_ += n;
    return n;
  }
  const std::size_t antes = posicao_ < ate_ ? static_cast<std::size_t>(ate_ - posicao_) : kPedaco;
  const std::size_t n = LeEm(fd_, posicao_, destino, std::min(tamanho, antes));
  posicao_ += n;
  return n;
}

LineReader::LineReader(Fonte fonte, std::size_t capacity, std::size_t limit)
    : fonte_(fonte), buffer_(capacity + kSlack), limit_(limit) {}

// Moves the unfinished line to the front, grows the buffer when that line fills it,
// and reads more. False at the end of the input.
bool LineReader::Fill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == Usable()) buffer_.resize(Usable() * 2 + kSlack);
  const std::size_t count = fonte_.Le(buffer_.data() + end_, Usable() - end_);
  if (count == 0) return false;
  nul_seen_ = nul_seen_ || std::memchr(buffer_.data() + end_, '\0', count) != nullptr;
  end_ += count;
  return true;
}

bool LineReader::SkipByteOrderMark() {
  constexpr std::string_view kMarca = "\xEF\xBB\xBF";
  while (end_ - begin_ < kMarca.size() && !eof_) eof_ = !Fill();
  if (!Pending().starts_with(kMarca)) return false;
  begin_ += kMarca.size();
  return true;
}

Lido LineReader::NextLines(std::string_view& lines) {
  for (;;) {
    const std::size_t from = begin_ + scanned_;
    const char* last = UltimaQuebra(buffer_.data() + from, end_ - from);
    if (last != nullptr) {
      const auto stop = static_cast<std::size_t>(last - buffer_.data()) + 1;
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
      LineEnd end;
      SkipLine(end);
      return Lido::kLongaDemais;
    }
    eof_ = !Fill();
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

// Writes out what is held, or in memory grows, so that `needed` more bytes fit.
void Output::MakeRoom(std::size_t needed) {
  if (fd_ == kEmMemoria) {
    buffer_.resize(std::max(buffer_.size() * 2, used_ + needed));
    return;
  }
  Flush();
  if (needed > buffer_.size()) buffer_.resize(needed);
}

void Output::WriteThrough(std::string_view text) {
  Flush();
  EscreveTudo(fd_, text);
}

void Output::Flush() {
  if (fd_ == kEmMemoria || used_ == 0) return;
  const std::string_view held(buffer_.data(), used_);
  used_ = 0;
  EscreveTudo(fd_, held);
}

void AnnounceTerminalInput() {
  static bool announced = false;
  if (announced || !EhTerminal(kEntradaPadrao)) return;
  announced = true;
  EscreveErro("vumocaixa: lendo da entrada padrão; " + std::string(kTeclasDoFim) + " termina\n");
}

namespace {

// The offset of the first byte above 0x7F at or after i, or text.size(); eight
// bytes at a time over ASCII.
std::size_t SkipAscii(std::string_view text, std::size_t i) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  for (std::uint64_t bytes = 0; i + 8 <= text.size(); i += 8) {
    std::memcpy(&bytes, text.data() + i, 8);
    if ((bytes & kHighBits) != 0) break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 0x7F) ++i;
  return i;
}

}  // namespace

// Every sequence of a character beyond ASCII starts with a byte above 0x7F: ASCII is
// skipped in blocks and only those sequences go to the decoder, which gives U+FFFD
// for a malformed one (advancing one byte, where the character U+FFFD takes three).
bool IsUtf8Beyond(std::string_view text) {
  for (std::size_t i = SkipAscii(text, 0); i < text.size(); i = SkipAscii(text, i)) {
    // A lead byte of C2 to DF and one continuation byte are always well-formed: the
    // accented letters of Portuguese, checked here without the decoder.
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xC2 && lead <= 0xDF && i + 1 < text.size() &&
        (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      i += 2;
      continue;
    }
    const std::size_t start = i;
    if (DecodeNext(text, i) == kReplacementChar && i - start != 3) return false;
  }
  return true;
}

}  // namespace vumocaixa::cli
