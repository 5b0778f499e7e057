#pragma once
// VirgulaDoPonto: where the numeric box's comma typed as '.' stands, followed across
// the box's changes.
//
// A '.' typed into an amount or a fractional number becomes its decimal comma, but the
// user may have meant a grouping point ("1.234,56"): the box remembers where that comma
// stands until the rest of the entry tells which it was. The memory holds while every
// change of the box is a character typed into it with nothing selected; it follows the
// comma when a character goes in before it. Any other change (a paste, a selection
// typed over, Delete, Backspace, an assignment) forgets it, and a '.' that never
// reaches the box (a full box, a host's handler that keeps it out) is never remembered.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/widget.hpp>

namespace vumocaixa {

class VirgulaDoPonto {
 public:
  // Characters before the remembered comma, or -1 when none is remembered.
  [[nodiscard]] std::int32_t Posicao() const { return m_posicao; }

  // The box's text with the remembered comma back to a point, when a separator typed
  // at the caret would stand right of it; nothing otherwise.
  [[nodiscard]] std::optional<std::string> Agrupado(const Widget& caixa) const;

  // After the host has seen the key: the box is about to put the character of KeyAscii
  // over its selection. ponto: the key was a '.' that the box takes as its comma.
  void Espera(const Widget& caixa, std::int16_t KeyAscii, bool ponto);

  // The box's text changed. Gives the text the box is to show instead when the change
  // was a separator typed right of the remembered comma, which then becomes a grouping
  // point; the next change is expected to be that text.
  [[nodiscard]] std::optional<std::string> Mudou(const Widget& caixa);

  // Any other event of the box: nothing is on its way to it.
  void NadaAChegar() { m_chegada.reset(); }
  // The entry starts or ends: nothing is remembered.
  void Esquece();

 private:
  // What the box holds once the awaited keystroke is in, and what follows from it.
  struct Chegada {
    std::string texto;
    std::int32_t posicao = -1;  // the remembered comma afterwards
    std::optional<std::string> agrupado;
  };

  std::int32_t m_posicao = -1;
  std::optional<Chegada> m_chegada;
};

// On leaving the box: texto with the comma typed as '.' at character virgulaDoPonto
// made a grouping point again where the rest of the entry shows it was one, or nothing.
// It was when a grouping point stands left of it ("1.000,000", typed as 1.000.000),
// and in an amount (tipo kMoeda) when exactly three digits follow it and nothing else
// ("1.234" is R$ 1.234,00: money never has three decimals), unless a comma was typed
// as ',' too or the number starts with 0. Only a text that then reads as a number is
// given.
//   AgrupamentoNaSaida("1,234", kMoeda, 1) == "1.234"; for kDuplo it gives nothing
[[nodiscard]] std::optional<std::string> AgrupamentoNaSaida(std::string_view texto,
                                                            std::int16_t tipo,
                                                            std::int32_t virgulaDoPonto,
                                                            const RegionalSettings& r = PtBR());

}  // namespace vumocaixa
