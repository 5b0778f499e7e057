#pragma once
// A control on the in-memory host, and a snapshot of everything its properties and
// persistence decide, for the property and persistence tests.

#include <vumocaixa/control/memory_form.hpp>
#include <vumocaixa/control/vumocaixa_control.hpp>

#include <ostream>
#include <string>

namespace vumocaixa::teste {

// A control on a form in memory, started as a new control, with the records of the
// start-up forgotten.
struct Controle {
  explicit Controle(RegionalSettings regional = PtBR())
      : form(MemoryFormOptions{std::move(regional)}),
        container(form.Container()),
        runtime(form.Runtime()),
        caixa(&form.Caixa()),
        caixa1(&form.Caixa1()),
        caixa2(&form.Caixa2()),
        botao(&form.Btn_Evento()),
        control(&form.Control()) {
    Esquece();
  }

  VumoCaixaControl* operator->() const { return control; }

  // Forgets what the container and the runtime recorded so far.
  void Esquece() {
    container.ClearLog();
    runtime.Clear();
  }

  MemoryForm form;
  MemoryContainer& container;
  MemoryRuntime& runtime;
  MemoryWidget* caixa;
  MemoryWidget* caixa1;
  MemoryWidget* caixa2;
  MemoryWidget* botao;
  VumoCaixaControl* control;
};

// Everything that properties and persistence decide, read through the control's own
// accessors and the widgets.
struct Retrato {
  std::int16_t tipo = 0;
  bool habilitado = false;
  bool teclaEnter = false;
  bool maiusculoEMinusculo = false;
  bool tudoMaiusculo = false;
  bool endereco = false;
  std::int32_t tamanho = 0;
  std::uint32_t corDeFundo = 0;
  std::uint32_t corDaFonte = 0;
  Font fonte;
  std::string visiveis;  // "C", "1", "2", "B" for each widget shown
  std::string ativo;     // the active widget's name
  std::string mascara;

  friend bool operator==(const Retrato&, const Retrato&) = default;
};

inline Retrato Retrata(const Controle& c) {
  Retrato r;
  r.tipo = c->TipoDados();
  r.habilitado = c->Habilitado();
  r.teclaEnter = c->TeclaEnter();
  r.maiusculoEMinusculo = c->MaiusculoEMinusculo();
  r.tudoMaiusculo = c->TudoMaiusculo();
  r.endereco = c->Endereço();
  r.tamanho = c->TamanhoMáximo();
  r.corDeFundo = c->BackColor().value;
  r.corDaFonte = c->ForeColor().value;
  if (c->Font()) r.fonte = *c->Font();
  if (c->Caixa().Visible()) r.visiveis += 'C';
  if (c->Caixa1().Visible()) r.visiveis += '1';
  if (c->Caixa2().Visible()) r.visiveis += '2';
  if (c->Btn_Evento().Visible()) r.visiveis += 'B';
  r.ativo = static_cast<const MemoryWidget&>(c->ActiveWidget()).Name();
  r.mascara = c->MascaraData();
  return r;
}

inline std::ostream& operator<<(std::ostream& out, const Retrato& r) {
  return out << "{tipo " << r.tipo << ", habilitado " << r.habilitado << ", teclaEnter "
             << r.teclaEnter << ", maiúsc/minúsc " << r.maiusculoEMinusculo << ", tudoMaiúsc "
             << r.tudoMaiusculo << ", endereço " << r.endereco << ", tamanho " << r.tamanho
             << ", fundo " << std::hex << r.corDeFundo << ", fonte " << r.corDaFonte << std::dec
             << " " << r.fonte.name << " " << r.fonte.size << (r.fonte.bold ? " negrito" : "")
             << ", visíveis " << r.visiveis << ", ativo " << r.ativo << ", máscara \"" << r.mascara
             << "\"}";
}

}  // namespace vumocaixa::teste
