#pragma once
// Rows and fields of CSV text: a separator between fields, fields in double quotes
// with doubled quotes inside, rows ending in "\n" or "\r\n" outside quotes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vumocaixa::cli {

// Finds where a CSV row ends, for LineReader::Next: the first "\n" outside quotes.
// A double quote opens a quoted field only at the start of a field; elsewhere it is
// text, as in  Bar "do Zé";12  whose row ends at the first "\n".
class RowEnd {
 public:
  explicit RowEnd(char separator) : separator_(separator) {}

  // The offset of the "\n" that ends the row in pending, which starts with the row,
  // scanning on from `from`; npos when pending holds none. Keeps what it learnt of
  // [from, end) for the next call on the same row.
  std::size_t Find(std::string_view pending, std::size_t from);
  // How many lines of the input the row spans: one more than its quoted "\n"s.
  [[nodiscard]] std::uint64_t Lines() const { return lines_; }
  // Starts a new row, remembering whether the last one ended inside quotes (which
  // only the end of the input allows).
  void Reset() {
    unclosed_ = state_ == State::kQuoted;
    state_ = State::kUnquoted;
    lines_ = 1;
  }
  [[nodiscard]] bool LastRowUnclosed() const { return unclosed_; }

 private:
  enum class State { kUnquoted, kQuoted, kQuoteInQuoted };
  std::size_t FindUnquoted(std::string_view pending, std::size_t& at);

  char separator_;
  State state_ = State::kUnquoted;
  std::uint64_t lines_ = 1;
  bool unclosed_ = false;
};

// The fields of one CSV row, in order. A row of no characters has one empty field.
class Campos {
 public:
  Campos(std::string_view row, char separator) : rest_(row), separator_(separator) {}

  // The next field, its quotes taken away and doubled quotes made single; text
  // between a closing quote and the separator stays in the field, and a quote never
  // closed runs to the end of the row. A quoted field's text is built in scratch.
  // False after the last field.
  bool Next(std::string_view& field, std::string& scratch);

 private:
  std::string_view Quoted(std::string& scratch);
  void SkipPast(std::size_t separator);

  std::string_view rest_;
  char separator_;
  bool done_ = false;
};

}  // namespace vumocaixa::cli
