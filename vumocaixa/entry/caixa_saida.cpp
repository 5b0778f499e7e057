// Leaving the text box Caixa: the entry is tidied or checked for its data type, a
// refused entry is reported and gets the focus back, and in every case the box's
// text then goes to the control's value property.

#include <string>
#include <string_view>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/entry/mascara.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/text.hpp>
#include <vumocaixa/validate/cartao.hpp>
#include <vumocaixa/validate/documentos.hpp>
#include <vumocaixa/validate/palavras.hpp>

namespace vumocaixa {
namespace {

constexpr std::string_view kTituloValorInvalido = "Valor inválido";

// The message of a refused entry, or an empty view when it passes. The check runs
// in full even for an empty text, and an empty text always passes.
std::string_view Recusa(bool valido, const std::string& texto, std::string_view mensagem) {
  const bool vazio = texto.empty();
  return valido || vazio ? std::string_view{} : mensagem;
}

// A date that the locale reads is rewritten in its short form, as is an empty one
// (which stays empty); anything else is refused and left as typed.
std::string_view ConfereData(Widget& caixa, const RegionalSettings& r) {
  const std::string texto = caixa.Text();
  if (!texto.empty() && !IsDateText(Variant(texto), r)) return "Data inválida. Redigite.";
  caixa.SetText(FormatValue(Variant(caixa.Text()), kShortDate, r));
  return {};
}

// The options of the control that the checks depend on.
struct RegrasDeSaida {
  bool capitaliza = false;
  bool endereco = false;
  bool cnpjAlfanumerico = false;
};

// A CEP is judged by its length only: a partly typed one is refused.
std::string_view ConfereCEP(const std::string& texto) {
  const bool completo = CharCount(texto) >= CharCount(kMascaraCEP);
  return Recusa(completo, texto, "CEP inválido. Redigite.");
}

std::string_view ConfereEmail(const std::string& texto) {
  const bool temArroba = texto.find('@') != std::string::npos;
  return Recusa(temArroba, texto, "email inválido. Redigite.");
}

// The same message for both forms of the number: the user need not know which rule
// the box applies.
std::string_view ConfereCNPJ(const std::string& texto, bool alfanumerico) {
  const bool valido = alfanumerico ? ValidaCNPJAlfanumerico(texto) : ValidaCNPJ(texto);
  return Recusa(valido, texto, "CNPJ inválido. Redigite.");
}

// Checks (and for text and dates tidies) the entry of data type tipo in caixa.
std::string_view ConfereEntrada(Widget& caixa, std::int16_t tipo, const RegrasDeSaida& regras,
                                const RegionalSettings& r) {
  switch (tipo) {
    case kTexto:
      if (regras.capitaliza) caixa.SetText(FormataPalavras(caixa.Text(), regras.endereco));
      return {};
    case kData: return ConfereData(caixa, r);
    case kCIC: return Recusa(ValidaCIC(caixa.Text()), caixa.Text(), "CIC inválido. Redigite.");
    case kCNPJ: return ConfereCNPJ(caixa.Text(), regras.cnpjAlfanumerico);
    case kCartaoDeCredito:
      return Recusa(ValidaCartao(caixa.Text()), caixa.Text(),
                    "Cartão de Crédito inválido. Redigite.");
    case kCEP: return ConfereCEP(caixa.Text());
    case kEmail: return ConfereEmail(caixa.Text());
    case kPIS: return Recusa(ValidaPIS(caixa.Text()), caixa.Text(), "PIS inválido. Redigite.");
    default: return {};  // numbers, Byte and home pages have no rule here
  }
}

}  // namespace

void VumoCaixaControl::Caixa_LostFocus() {
  Widget& caixa = Caixa();
  const RegrasDeSaida regras{m_MaiusculoEMinusculo, Endereço(), m_CNPJAlfanumerico};
  const std::string_view mensagem =
      ConfereEntrada(caixa, m_TipoDados, regras, m_Runtime.Regional());
  if (!mensagem.empty()) {
    m_Runtime.ShowMessage(mensagem, kInformationIcon, kTituloValorInvalido);
    try {
      caixa.SetFocus();
    } catch (const HostError&) {
      // The focus could not come back; the user has moved on with the refused entry.
    }
  }
  SetText(Variant(caixa.Text()));
  m_Container.PropertyChanged("Text");
}

}  // namespace vumocaixa
