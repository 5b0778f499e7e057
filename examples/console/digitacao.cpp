// Typing into a CPF box key by key, leaving it with a wrong and a right number.
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include <vumocaixa/control/memory_form.hpp>

#include "sections.hpp"

namespace vumocaixa::demo {
namespace {

// Types keys one at a time and shows the box after each.
void DigitaMostrando(std::ostream& out, MemoryForm& f, std::string_view teclas) {
  for (char c : teclas) {
    f.Type(std::string(1, c));
    out << "    '" << c << "' -> " << f.Shown() << '\n';
  }
}

// Leaves the box and tells what the user saw.
void Sai(std::ostream& out, MemoryForm& f) {
  const std::size_t antes = f.Runtime().Messages().size();
  f.Leave();
  if (f.Runtime().Messages().size() > antes) {
    const ShownMessage& m = f.Runtime().Messages().back();
    out << "  Sair da caixa: \"" << m.prompt << "\" (título \"" << m.title << "\", estilo "
        << m.style << "); o foco " << (f.Caixa().HasFocus() ? "volta" : "não volta")
        << " para a caixa, com " << f.Caixa().SelLength() << " caracteres selecionados.\n";
  } else {
    out << "  Sair da caixa: aceito; o foco vai para o próximo campo.\n";
  }
  out << "  Text = \"" << std::get<std::string>(f.Control().Text()) << "\"\n";
}

}  // namespace

void DigitacaoCPF(std::ostream& out) {
  MemoryForm f;
  f.Control().SetTipoDados(kCIC);
  f.Control().SetTamanhoMáximo(14);
  std::string teclasDoHost;
  f.Container().On.KeyPress = [&](std::int16_t& k) { teclasDoHost += std::to_string(k) + ' '; };
  out << "Um controle TipoDados 9 (CIC). O usuário digita 1234a56789w00, tecla a tecla:\n";
  DigitaMostrando(out, f, "1234a56789w00");
  out << "  As letras não entram na caixa, mas o KeyPress do host recebe cada tecla:\n    "
      << teclasDoHost << '\n';
  Sai(out, f);
  out << "\n  O usuário redigita o número certo, 12345678909, sobre a seleção:\n";
  f.Type("12345678909");
  out << "    " << f.Shown() << '\n';
  Sai(out, f);

  out << "\n  Com o cursor depois de \"123.4\", Delete corta o resto da entrada:\n";
  f.Enter();
  f.Caixa().SetSelStart(5);
  f.PressDelete();
  out << "    " << f.Shown() << '\n';
  out << "  Enter com TeclaEnter ligada envia {Tab}: o foco passa ao próximo campo.\n";
  f.Type("5678909");
  f.PressEnter();
  out << "    " << f.Shown() << (f.HasFocus() ? " (o foco ficou)\n" : " (o foco saiu)\n");
}

}  // namespace vumocaixa::demo
