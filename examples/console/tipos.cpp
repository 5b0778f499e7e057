// Which widget each data type shows, and where the widgets stand.
#include <string>
#include <string_view>

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/host/text.hpp>

#include "sections.hpp"

namespace vumocaixa::demo {
namespace {

// text followed by spaces up to width characters (not bytes: the labels are UTF-8).
std::string Pad(std::string_view text, std::size_t width) {
  const std::size_t n = CharCount(text);
  return std::string(text) + std::string(n < width ? width - n : 1, ' ');
}

// "Caixa 0..3015" for each visible widget, left to right.
std::string Disposicao(MemoryForm& f) {
  std::string line;
  for (MemoryWidget* w : {&f.Caixa(), &f.Caixa1(), &f.Caixa2(), &f.Btn_Evento()}) {
    if (w->Visible()) {
      line += Pad(w->Name() + " " + std::to_string(w->Left()) + ".." +
                      std::to_string(w->Left() + w->Width()),
                  22);
    }
  }
  return line;
}

void Linha(std::ostream& out, MemoryForm& f, std::string_view rotulo) {
  out << "  " << Pad(rotulo, 24) << Pad(f.Active().Name(), 8) << Pad(Disposicao(f), 46)
      << f.Container().Width() << " x " << f.Container().Height() << '\n';
}

}  // namespace

void TiposEWidgets(std::ostream& out) {
  out << "Um controle de 3015 x 285 twips recebe cada TipoDados; widgets visíveis com\n"
         "suas bordas esquerda..direita, em twips, e o tamanho final do controle:\n\n";
  out << "  " << Pad("TipoDados", 24) << Pad("ativo", 8) << Pad("disposição", 46) << "controle\n";
  for (std::int16_t t = 0; const TipoDadosInfo& tipo : kTiposDeDados) {
    MemoryForm f;
    f.Control().SetTipoDados(t++);
    Linha(out, f, tipo.rotulo);
  }
  MemoryForm f;
  f.Control().SetTipoDados(17);
  const ShownMessage& m = f.Runtime().Messages().at(0);
  out << "\n  TipoDados = 17 mostra \"" << m.prompt << "\" (estilo " << m.style << ", título \""
      << m.title << "\") e o tipo passa a " << f.Control().TipoDados() << ".\n";
}

void Dimensionamento(std::ostream& out) {
  struct Caso {
    std::int16_t tipo;
    std::int32_t largura;
    std::int32_t altura;
    std::string_view descricao;
  } casos[] = {
      {kTexto, 3015, 200, "texto, 3015 x 200"},
      {kEmail, 3015, 315, "email, 3015 x 315"},
      {kHomePage, 200, 315, "home page, 200 x 315"},
      {kEmail, 40000, 315, "email, 40000 x 315"},
  };
  out << "O host pede um tamanho; a altura mínima é 315 e o botão \"...\" fica à direita:\n\n";
  for (const Caso& c : casos) {
    MemoryForm f;
    f.Control().SetTipoDados(c.tipo);
    f.Resize(c.largura, c.altura);
    Linha(out, f, c.descricao);
  }
}

}  // namespace vumocaixa::demo
