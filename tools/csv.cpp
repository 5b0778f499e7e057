#include "csv.hpp"

#include <algorithm>
#include <cstring>
#include <string>

namespace vumocaixa::cli {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

std::size_t Offset(const void* found, std::string_view text) {
  return found == nullptr ? kNone
                          : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
}

std::size_t Search(std::string_view text, char c, std::size_t from, std::size_t to) {
  return Offset(std::memchr(text.data() + from, c, to - from), text);
}

}  // namespace

std::size_t RowEnd::Find(std::string_view pending, std::size_t from) {
  std::size_t at = from;
  while (at < pending.size()) {
    switch (state_) {
      case State::kQuoted: {
        const std::size_t quote = Search(pending, '"', at, pending.size());
        const std::size_t stop = quote == kNone ? pending.size() : quote;
        lines_ +=
            static_cast<std::uint64_t>(std::count(pending.begin() + static_cast<long>(at),
                                                  pending.begin() + static_cast<long>(stop), '\n'));
        if (quote == kNone) return kNone;
        at = quote + 1;
        state_ = State::kQuoteInQuoted;
        break;
      }
      case State::kQuoteInQuoted:
        // A second quote is a quote inside the field; anything else follows the field.
        state_ = pending[at] == '"' ? State::kQuoted : State::kUnquoted;
        if (state_ == State::kQuoted) ++at;
        break;
      case State::kUnquoted: {
        const std::size_t end = FindUnquoted(pending, at);
        if (end != kNone || state_ == State::kUnquoted) return end;
        break;
      }
    }
  }
  return kNone;
}

// Scans unquoted text from at up to the end of its line. Gives that end, or npos
// with at moved past an opening quote (state kQuoted) or to the end of pending.
std::size_t RowEnd::FindUnquoted(std::string_view pending, std::size_t& at) {
  const std::size_t newline = Search(pending, '\n', at, pending.size());
  const std::size_t line_end = newline == kNone ? pending.size() : newline;
  for (std::size_t quote = Search(pending, '"', at, line_end); quote != kNone;
       quote = Search(pending, '"', quote + 1, line_end)) {
    if (quote == 0 ? field_starts_ : pending[quote - 1] == separator_) {
      at = quote + 1;
      state_ = State::kQuoted;
      return kNone;
    }
  }
  at = line_end;
  return newline;
}

bool Campos::Next(std::string_view& field, std::string& scratch) {
  if (done_) return false;
  begin_ = row_.size() - rest_.size();
  quoted_ = !rest_.empty() && rest_.front() == '"';
  if (quoted_) {
    field = Quoted(scratch);
    return true;
  }
  const std::size_t separator = rest_.find(separator_);
  field = rest_.substr(0, separator);
  SkipPast(separator);
  return true;
}

std::string_view Campos::Quoted(std::string& scratch) {
  scratch.clear();
  std::size_t from = 1;
  for (;;) {
    const std::size_t quote = rest_.find('"', from);
    if (quote == kNone) {
      scratch.append(rest_.substr(from));
      SkipPast(kNone);
      return scratch;
    }
    scratch.append(rest_.substr(from, quote - from));
    if (quote + 1 < rest_.size() && rest_[quote + 1] == '"') {
      scratch.push_back('"');
      from = quote + 2;
      continue;
    }
    const std::size_t separator = rest_.find(separator_, quote + 1);
    scratch.append(rest_.substr(quote + 1, separator - std::min(separator, quote + 1)));
    SkipPast(separator);
    return scratch;
  }
}

void Campos::SkipPast(std::size_t separator) {
  if (separator == kNone) {
    done_ = true;
    rest_ = {};
    end_ = row_.size();
  } else {
    end_ = row_.size() - rest_.size() + separator;
    rest_.remove_prefix(separator + 1);
  }
}

void AppendField(std::string& out, std::string_view value, char separator, bool quoted) {
  const auto special = [separator](char c) {
    return c == separator || c == '"' || c == '\n' || c == '\r';
  };
  if (!quoted && std::none_of(value.begin(), value.end(), special)) {
    out.append(value);
    return;
  }
  out.push_back('"');
  for (char c : value) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

}  // namespace vumocaixa::cli
