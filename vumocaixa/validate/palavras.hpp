#pragma once
// Word capitalisation and street-address normalisation of free text.

#include <string>
#include <string_view>

namespace vumocaixa {

// Tidies a name or an address, word by word.
//
// Words are separated by spaces and end at a point, which stays with its word: runs
// of spaces shrink to one, spaces at both ends go, and a point followed directly by
// another character gets a space after it ("r.augusta" gives "R. Augusta"). A point
// between two digits belongs to its number and ends nothing ("1.578" stays "1.578").
// Each word is written with a capital first character and the rest in lower case,
// except the particles o, os, a, as, e, em, de, da, das, do, dos, which stay in lower
// case (even first), and words that NumeroRomano accepts, which go into capitals:
// "dom pedro ii" gives "Dom Pedro II". Tabs and line breaks are part of their word.
//
// With endereco, the first word is read as the street type and written in its normal
// form ("av" gives "Av.", "pr." gives "Praça", "rua" alone gives "Rua"); a text that
// does not begin with a known type gets "Rua " in front ("paulista 100" gives
// "Rua Paulista 100", the empty text gives "Rua ").
//
// Case follows the letters of Windows-1252 (ç/Ç, ã/Ã...). A byte that is not valid
// UTF-8 comes back as U+FFFD. No length limit.
[[nodiscard]] std::string FormataPalavras(std::string_view texto, bool endereco);

// Whether palavra is made only of the letters I, V, X and L, in either case, with no
// letter more than four times in a row: "xiv" and "IL" are, "xiiiii", "mix" and "c"
// are not. Order is not examined. The empty word is accepted.
[[nodiscard]] bool NumeroRomano(std::string_view palavra);

}  // namespace vumocaixa
