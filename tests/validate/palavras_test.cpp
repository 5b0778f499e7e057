#include <vumocaixa/validate/palavras.hpp>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vumocaixa {
namespace {

struct Row {
  std::string_view input;
  bool endereco;
  std::string_view expected, name;
};

TEST(FormataPalavras, CapitalisesWords) {
  const Row rows[] = {
      {"rua das flores", false, "Rua das Flores", "partícula em minúsculas"},
      {"JOSÉ DA SILVA", false, "José da Silva", "maiúsculas acentuadas"},
      {"a casa do povo", false, "a Casa do Povo", "partícula no início"},
      {"dom pedro ii", false, "Dom Pedro II", "romano"},
      {"papa joão xxiii", false, "Papa João XXIII", "romano com três iguais"},
      {"vila xv de novembro", false, "Vila XV de Novembro", "romano no meio"},
      {"civil ix", false, "Civil IX", "civil não é romano"},
      {"xiiiii", false, "Xiiiii", "cinco iguais não é romano"},
      {"xiiii", false, "XIIII", "quatro iguais é romano"},
      {"mix", false, "Mix", "m não é letra romana"},
      {"r.augusta, 10", false, "R. Augusta, 10", "ponto separa palavras"},
      {"   muitos    espaços   ", false, "Muitos Espaços", "espaços repetidos"},
      {"2a via", false, "2a Via", "palavra que começa por dígito"},
      {"ÇÃO ÁGUA ÉDEN", false, "Ção Água Éden", "primeira letra acentuada"},
      {"O OS A AS E EM DE DA DAS DO DOS", false, "o os a as e em de da das do dos",
       "todas as partículas"},
      {"tab\there", false, "Tab\there", "tabulação pertence à palavra"},
      {"fim.", false, "Fim.", "ponto final"},
      {"a.b.c", false, "A. B. C", "pontos seguidos de letras"},
      {"", false, "", "vazio"},
      {"    ", false, "", "só espaços"},
      {"i", false, "I", "uma letra romana"},
      {"Œuvre ÿ", false, "Œuvre Ÿ", "letras de Windows-1252 fora do Latin-1"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, FormataPalavras(r.input, r.endereco)) << r.name;
}

TEST(FormataPalavras, KeepsNumbersWhole) {
  const Row rows[] = {
      {"av. paulista, 1.578", false, "Av. Paulista, 1.578", "número da casa"},
      {"R$ 1.500,00", false, "R$ 1.500,00", "valor"},
      {"1.500.000 reais", false, "1.500.000 Reais", "vários pontos entre dígitos"},
      {"km 10.5", false, "Km 10.5", "decimal"},
      {"lote 10.a", false, "Lote 10. a", "ponto entre dígito e letra"},
      {"casa a.1", false, "Casa A. 1", "ponto entre letra e dígito"},
      {"n.10", false, "N. 10", "ponto antes de dígito"},
      {"10.", false, "10.", "ponto no fim depois de dígito"},
      {".5", false, ". 5", "ponto no início"},
      {"av paulista, 1.578", true, "Av. Paulista, 1.578", "endereço com número"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, FormataPalavras(r.input, r.endereco)) << r.name;
}

TEST(FormataPalavras, NormalisesStreetTypes) {
  const Row rows[] = {
      {"av paulista 1000", true, "Av. Paulista 1000", "av"},
      {"avenida paulista", true, "Av. Paulista", "avenida"},
      {"R. AUGUSTA", true, "Rua Augusta", "r."},
      {"r augusta", true, "Rua Augusta", "r"},
      {"rua augusta", true, "Rua Augusta", "rua"},
      {"r.augusta", true, "Rua Augusta", "r. colado"},
      {"alameda santos", true, "Al. Santos", "alameda"},
      {"al. santos", true, "Al. Santos", "al."},
      {"prassa xv", true, "Praça XV", "prassa"},
      {"PRAÇA xv", true, "Praça XV", "praça com cedilha"},
      {"pr. da sé", true, "Praça da Sé", "pr."},
      {"pra. da sé", true, "Praça da Sé", "pra."},
      {"est. velha", true, "Estrada Velha", "est."},
      {"estr. velha", true, "Estrada Velha", "estr."},
      {"estrada velha", true, "Estrada Velha", "estrada"},
      {"estr velha", true, "Rua Estr Velha", "estr sem ponto"},
      {"pra velha", true, "Rua Pra Velha", "pra sem ponto"},
      {"aven paulista", true, "Rua Aven Paulista", "aven"},
      {"paulista 100", true, "Rua Paulista 100", "sem tipo"},
      {"paulista", true, "Rua Paulista", "uma palavra sem tipo"},
      {"", true, "Rua ", "vazio"},
      {"   ", true, "Rua ", "só espaços"},
      {"rua", true, "Rua", "só o tipo rua"},
      {"av", true, "Av.", "só o tipo av"},
      {"praça", true, "Praça", "só o tipo praça"},
      {"  estr.  ", true, "Estrada", "só o tipo estr."},
      {"das flores", true, "Rua das Flores", "partícula no início"},
      {"rua das flores", false, "Rua das Flores", "sem endereço"},
      {"paulista", false, "Paulista", "sem endereço não põe rua"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, FormataPalavras(r.input, r.endereco)) << r.name;
}

TEST(FormataPalavras, TreatsMalformedTextAsReplacementCharacters) {
  EXPECT_EQ(
      "\xEF\xBF\xBD"
      "bc \xEF\xBF\xBD",
      FormataPalavras("\xFF"
                      "BC \xC3",
                      false));
  EXPECT_EQ("Rua \xEF\xBF\xBD", FormataPalavras("\x80", true));
}

TEST(FormataPalavras, HasNoLengthLimit) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "ab ";  // 60 000 characters
  const std::string out = FormataPalavras(text, false);
  ASSERT_EQ(text.size() - 1, out.size());
  EXPECT_EQ("Ab Ab", out.substr(0, 5));
  EXPECT_EQ("Ab", out.substr(out.size() - 2));
}

TEST(NumeroRomano, AcceptsOnlyIVXLRuns) {
  struct {
    std::string_view word;
    bool expected;
  } rows[] = {
      {"", true},     {"i", true},      {"XIV", true},   {"vx", true},     {"IL", true},
      {"iiii", true}, {"iiiii", false}, {"xxxxl", true}, {"LLLLL", false}, {"c", false},
      {"mix", false}, {"ii.", false},   {"xv,", false},  {"i i", false},   {"IIIIVIIII", true},
  };
  for (const auto& r : rows) EXPECT_EQ(r.expected, NumeroRomano(r.word)) << r.word;
}

}  // namespace
}  // namespace vumocaixa
