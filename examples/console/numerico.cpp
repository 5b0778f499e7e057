// Typing into the numeric box: a currency amount key by key, then leaving and
// entering the box again; numbers out of their type's range and an entry that is no
// number.
#include <string>
#include <string_view>

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/host/text.hpp>

#include "sections.hpp"

namespace vumocaixa::demo {
namespace {

// The box's text with the selection in brackets and the caret as '|' when nothing
// is selected.
std::string ComCursor(MemoryWidget& caixa) {
  const std::u32string texto = DecodeUtf8(caixa.Text());
  const auto inicio = static_cast<std::size_t>(caixa.SelStart());
  const auto tamanho = static_cast<std::size_t>(caixa.SelLength());
  const std::u32string antes = texto.substr(0, inicio);
  const std::u32string depois = texto.substr(inicio + tamanho);
  if (tamanho == 0) return EncodeUtf8(antes) + "|" + EncodeUtf8(depois);
  return EncodeUtf8(antes) + "[" + EncodeUtf8(texto.substr(inicio, tamanho)) + "]" +
         EncodeUtf8(depois);
}

// The character a key stands for, quoted for the listing.
std::string Tecla(char32_t c) { return "'" + EncodeUtf8(c) + "'"; }

void DigitaMoeda(std::ostream& out) {
  MemoryForm f;
  f.Control().SetTipoDados(kMoeda);
  f.Enter();
  out << "  Entrando na caixa Moeda vazia:  " << ComCursor(f.Caixa1()) << '\n';
  for (char32_t c : std::u32string_view(U"1a234.5,0")) {
    f.Container().ClearLog();
    f.Type(EncodeUtf8(c));
    const int recebidas = f.Container().Count("KeyPress");
    const int zeradas = f.Container().Count("KeyPress(0)");
    out << "  tecla " << Tecla(c) << "  caixa " << ComCursor(f.Caixa1());
    if (recebidas == 0) out << "   (recusada; o host nem a recebe)";
    if (zeradas > 0) out << "   (recusada; o host recebe 0)";
    out << '\n';
  }
  f.Leave();
  out << "  Saindo da caixa:                " << f.Caixa1().Text() << '\n';
  f.Enter();
  out << "  Entrando de novo:               " << ComCursor(f.Caixa1()) << '\n';
  f.Leave();
  out << "  Saindo outra vez:               " << f.Caixa1().Text()
      << "   (Text = " << std::get<std::string>(f.Control().Text()) << ")\n";
}

void Limites(std::ostream& out) {
  const struct {
    std::int16_t tipo;
    std::string_view nome;
    std::string_view colado;
  } casos[] = {
      {kInteiro, "Inteiro", "40000"},
      {kInteiro, "Inteiro", "-1.000.000"},
      {kLongo, "Longo", "99999999999"},
      {kMoeda, "Moeda", "1000000000000000"},
      {kDecimal, "Decimal", "999999999999999999999999999999"},
      {kDuplo, "Duplo", "12w"},
  };
  for (const auto& c : casos) {
    MemoryForm f;
    f.Control().SetTipoDados(c.tipo);
    f.Enter();
    f.Paste(c.colado);
    f.Leave();
    out << "  " << c.nome << ", colado " << c.colado << ": ";
    if (f.Runtime().Messages().empty()) {
      out << "mostra " << f.Caixa1().Text() << '\n';
    } else {
      const ShownMessage& m = f.Runtime().Messages().front();
      out << "\"" << m.prompt << "\" (\"" << m.title << "\"), a caixa volta com "
          << f.Caixa1().Text() << " e o foco\n";
    }
  }
}

}  // namespace

void CaixaNumerica(std::ostream& out) {
  out << "Digitando tecla a tecla numa caixa Moeda ('|' é o cursor, [ ] a seleção):\n";
  DigitaMoeda(out);
  out << "\nAo sair, o que o tipo não comporta é recusado:\n";
  Limites(out);
}

}  // namespace vumocaixa::demo
