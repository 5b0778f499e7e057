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
    field_starts_ = true;
  }
  // The row goes on in a new pending text, after a part of it that ended in `last`
  // was dropped: a quote that then starts the pending text opens a field only after a
  // separator.
  void Drop(char last) { field_starts_ = last == separator_; }
  [[nodiscard]] bool LastRowUnclosed() const { return unclosed_; }

 private:
  enum class State { kUnquoted, kQuoted, kQuoteInQuoted };
  std::size_t FindUnquoted(std::string_view pending, std::size_t& at);

  char separator_;
  State state_ = State::kUnquoted;
  std::uint64_t lines_ = 1;
  bool unclosed_ = false;
  bool field_starts_ = true;  // whether a field starts at the pending text's first byte
};

// The fields of one CSV row, in order. A row of no characters has one empty field.
class Campos {
 public:
  Campos(std::string_view row, char separator) : row_(row), rest_(row), separator_(separator) {}

  // The next field, its quotes taken away and doubled quotes made single; text
  // between a closing quote and the separator stays in the field, and a quote never
  // closed runs to the end of the row. A quoted field's text is built in scratch.
  // False after the last field.
  bool Next(std::string_view& field, std::string& scratch);

  // Where the last field given stands in the row, as written (quotes included):
  // the row is row.substr(0, Begin()) + the field + row.substr(End()).
  [[nodiscard]] std::size_t Begin() const { return begin_; }
  [[nodiscard]] std::size_t End() const { return end_; }
  // Whether the last field given was in quotes.
  [[nodiscard]] bool WasQuoted() const { return quoted_; }

 private:
  std::string_view Quoted(std::string& scratch);
  void SkipPast(std::size_t separator);

  std::string_view row_;
  std::string_view rest_;
  char separator_;
  bool done_ = false;
  bool quoted_ = false;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

// Appends value to out as one CSV field: in quotes, with its quotes doubled, when
// `quoted` asks for it or when it holds the separator, a quote or a line break;
// as it is otherwise.
void AppendField(std::string& out, std::string_view value, char separator, bool quoted = false);

}  // namespace vumocaixa::cli
