#pragma once
// The tool's help texts, in Portuguese.

#include <string>
#include <string_view>

namespace vumocaixa::cli {

// The general help: every subcommand, the words of the reasons of refusal, the input
// rules and the exit statuses.
[[nodiscard]] std::string GeneralHelp();

// The help of one subcommand ("valida", "mascara", "extenso", "palavras"); empty for
// any other name.
[[nodiscard]] std::string CommandHelp(std::string_view command);

}  // namespace vumocaixa::cli
