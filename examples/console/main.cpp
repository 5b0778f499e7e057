// A console walk-through of VumoCaixaControl on the in-memory host.
#include <iostream>
#include <string_view>

#include "sections.hpp"

namespace {

struct Section {
  std::string_view title;
  void (*show)(std::ostream&);
};

constexpr Section kSections[] = {
    {"Tipos de dados e widgets", vumocaixa::demo::TiposEWidgets},
    {"Dimensionamento", vumocaixa::demo::Dimensionamento},
    {"Digitando um CPF", vumocaixa::demo::DigitacaoCPF},
    {"Caixa numérica", vumocaixa::demo::CaixaNumerica},
};

}  // namespace

int main() {
  std::cout << "VumoCaixa - Caixa de Texto Vumo, no host em memória\n";
  for (const Section& s : kSections) {
    std::cout << "\n== " << s.title << " ==\n";
    s.show(std::cout);
  }
  return 0;
}
