#include "ajuda.hpp"

#include <algorithm>
#include <string>

#include "motivos.hpp"

namespace vumocaixa::cli {
namespace {

constexpr std::string_view kGeneral = R"(Uso: vumocaixa COMANDO [OPÇÕES] [VALOR...]

Valida, formata e escreve por extenso dados de formulários brasileiros.

Comandos:
  valida TIPO [VALOR...]      diz se cada valor é válido
                              (TIPO: cic ou cpf, cnpj, pis, cartao, cep, email, data)
  valida TIPO --coluna N|NOME [-- ARQUIVO...]
                              valida uma coluna de arquivos CSV (separados por ;)
  valida ... --formata, --compacta, --motivo, --estrito
                              limpa: escreve os valores na forma certa, diz por
                              que cada um foi recusado, recusa o que um arquivo
                              limpo não deve ter
)";

constexpr std::string_view kGeneralDepoisDosMotivos = R"(  mascara TIPO [VALOR...]     põe os dígitos de cada valor na máscara do tipo
                              (TIPO: cic ou cpf, cnpj, pis, cartao, cep, data)
  valida cnpj --alfanumerico, mascara cnpj --alfanumerico
                              o CNPJ com letras nas 12 primeiras posições
  extenso [--norma [--maiusculas]] [VALOR...]
                              escreve cada quantia por extenso, em reais e centavos;
                              com --norma, na norma escrita e em minúsculas
  palavras [--endereco] [TEXTO...]
                              escreve cada palavra com inicial maiúscula; com
                              --endereco, normaliza também o tipo de logradouro

Sem valores na linha de comando, cada linha da entrada padrão é um valor
(um "\r" no fim da linha é descartado). A saída tem uma linha por valor.

Opções:
  -h, --help    mostra esta ajuda; depois de um comando, a ajuda do comando
  --version     mostra a versão
  --            termina as opções: o que vem depois é sempre valor

Situação de saída:
  0  tudo certo (em valida: todos os valores válidos)
  1  algum valor inválido (valida) ou sem extenso (extenso)
  2  erro de uso: comando, tipo ou opção desconhecidos
  3  erro de leitura ou de escrita, ou entrada malformada (avisada com o
     número da linha)

Exemplos:
  vumocaixa valida cic 123.456.789-09
  vumocaixa mascara cnpj 12345678000195
  vumocaixa extenso 1234,56
  vumocaixa palavras --endereco "av paulista, 1.578"
  vumocaixa valida cic < cpfs.txt > resultado.tsv
  vumocaixa valida cpf --coluna CPF --invalidos -- clientes.csv > ruins.csv

Ajuda de um comando: vumocaixa COMANDO --help
)";

constexpr std::string_view kValida = R"(Uso: vumocaixa valida TIPO [OPÇÕES] [VALOR...]
     vumocaixa valida TIPO --coluna N|NOME [OPÇÕES] [--] [ARQUIVO...]

Diz se cada valor é válido, com as regras que a caixa de texto aplica quando o
usuário sai dela. Escreve uma linha por valor: o valor, uma tabulação e "válido"
ou "inválido".

Tipos:
  cic, cpf CPF: 11 dígitos com os dois dígitos verificadores certos
  cnpj     CNPJ: 14 dígitos com os dois dígitos verificadores certos
  pis      PIS: 11 dígitos com o dígito verificador certo
  cartao   cartão de crédito: 16 dígitos com a soma de Luhn certa
  cep      CEP: 8 dígitos, que vão para a máscara 99.999-999 (01310-100 e
           01310100 valem como 01.310-100); fora disso, pelo menos 10
           caracteres
  email    endereço de e-mail: contém "@"
  data     data no formato regional brasileiro, como 31/12/2026

Nos tipos cic, cnpj, pis e cartao só os dígitos contam: pontos, traços e barras
podem estar ou não. Um valor vazio é sempre válido; um texto que não é UTF-8
válido ou que tem um byte nulo é inválido e é avisado.

Opções:
  --invalidos      escreve só as linhas (ou registros) inválidos, como foram
                   lidos (ou com o valor na forma pedida), sem o veredito
  --contagem       escreve só os totais: "válidos: N<tab>inválidos: M"
  --alfanumerico   só com cnpj: aceita o CNPJ com letras de A a Z nas 12
                   primeiras posições (minúsculas valem como maiúsculas); os
                   dois dígitos verificadores continuam sendo dígitos

Limpeza:
  --formata        escreve cada valor como a caixa o mostra: na máscara do
                   tipo (12345678909 vira 123.456.789-09, 01310100 vira
                   01.310-100) e a data na forma curta (1/2/26 vira
                   01/02/2026); o e-mail fica como foi lido
  --compacta       escreve só os dígitos (e as letras do CNPJ alfanumérico):
                   123.456.789-09 vira 12345678909
                   Com uma das duas, o valor que não cabe na máscara sai como
                   foi lido e é inválido, mesmo um CEP de 10 caracteres.
  --motivo         diz por que cada valor foi recusado, num campo a mais (uma
                   tabulação e o motivo, ou mais uma coluna "motivo" no CSV;
                   vazio nos válidos); com --contagem, conta por motivo
  --estrito        recusa também o que a caixa aceita mas um arquivo limpo não
                   deve ter: valor vazio; CPF, CNPJ ou PIS de um dígito só; CEP
                   que não tem 8 dígitos; e-mail que não é nome, um "@" e um
                   domínio com ponto, sem espaços; cartão de um tamanho que o
                   emissor não usa (ou de emissor desconhecido)

Motivos (com --motivo):
)";

constexpr std::string_view kValidaArquivos = R"(
Arquivos CSV:
  --coluna N       valida o campo N (contando de 1) de cada registro
  --coluna NOME    valida o campo com esse nome na primeira linha, o cabeçalho
                   (sem diferença entre maiúsculas e minúsculas)
  --cabecalho      com --coluna N: a primeira linha é cabeçalho
  --separador C    o separador de campos (padrão ;); "tab" para tabulação
Lê os arquivos dados depois do tipo (ou de --), ou a entrada padrão; "-" é a
entrada padrão. Campos podem estar entre aspas, com aspas dobradas dentro, e
ocupar mais de uma linha; linhas terminam em LF ou CRLF. Cada registro sai
sem mudança, com mais um campo: "válido" ou "inválido" ("validação" no
cabeçalho). Linhas em branco são puladas; uma marca de ordem de bytes (BOM) no
início é mantida. Um registro sem a coluna, aspas não fechadas (o registro sai
como foi lido) ou uma linha com mais de 8 MiB são avisados na saída de erro
com o número da linha, e a validação continua.

Sem valores nem --coluna, lê um valor por linha da entrada padrão. Um arquivo
comum (não um pipe) é lido por todos os núcleos do computador, e a saída sai na
ordem do arquivo.
Situação de saída: 0 se todos forem válidos, 1 se algum for inválido, 2 erro de
uso, 3 erro de leitura ou de escrita ou entrada malformada (mesmo que o resto
tenha sido validado).

Exemplos:
  vumocaixa valida cic 123.456.789-09 123.456.789-00
  vumocaixa valida cnpj < cnpjs.txt
  vumocaixa valida cpf --contagem < cpfs.txt
  vumocaixa valida cpf --coluna CPF --invalidos -- clientes.csv > ruins.csv
  vumocaixa valida cnpj --coluna 2 --separador , fornecedores.csv
  vumocaixa valida cnpj --alfanumerico 12.ABC.345/01DE-35
  vumocaixa valida cpf --coluna CPF --formata --estrito clientes.csv > limpo.csv
  vumocaixa valida cpf --coluna CPF --invalidos --motivo clientes.csv
  vumocaixa valida email --coluna email --estrito --contagem --motivo a.csv
)";

// The number of characters, not bytes, of UTF-8 text.
std::size_t Characters(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The words of the reasons of refusal, separated by commas, in lines that start at
// the general help's second column.
std::string ReasonWords() {
  constexpr std::size_t kIndent = 30, kWidth = 80;
  std::string text(kIndent, ' ');
  text += "motivos (--motivo):";
  std::size_t column = kIndent + Characters("motivos (--motivo):");
  for (const auto& d : Motivos()) {
    const bool last = &d == &Motivos().back();
    const std::string word = std::string(d.palavra) + (last ? "" : ",");
    if (column + 1 + Characters(word) > kWidth) {
      text += "\n" + std::string(kIndent, ' ') + word;
      column = kIndent + Characters(word);
    } else {
      text += " " + word;
      column += 1 + Characters(word);
    }
  }
  return text + "\n";
}

// The reasons of refusal, one per line: "  tamanho  dígitos ... a mais".
std::string ReasonsList() {
  std::string list;
  for (const auto& d : Motivos()) {
    std::string line = "  " + std::string(d.palavra);
    // Pad by characters, not bytes: the words hold accented letters.
    const std::size_t width = Characters(d.palavra);
    line.append(width < 20 ? 20 - width : 1, ' ');
    list += line + std::string(d.explicacao) + "\n";
  }
  return list;
}

constexpr std::string_view kMascara = R"(Uso: vumocaixa mascara TIPO [VALOR...]

Tira de cada valor tudo o que não é dígito e põe os dígitos na máscara do tipo.
Dígitos a mais ficam no fim, sem separadores.

Tipos e máscaras:
  cic      999.999.999-99
  cnpj     99.999.999/9999-99
  pis      999.99999.99.9
  cartao   9999.9999.9999.9999
  cep      99.999-999
  data     99/99/9999

Opções:
  --alfanumerico   só com cnpj: mantém também as letras de A a Z, em
                   maiúsculas, na máscara AA.AAA.AAA/AAAA-99

Sem valores, lê um valor por linha da entrada padrão.

Exemplos:
  vumocaixa mascara cic 12345678909      (escreve 123.456.789-09)
  vumocaixa mascara cnpj --alfanumerico 12abc34501de35
                                         (escreve 12.ABC.345/01DE-35)
)";

constexpr std::string_view kExtenso = R"(Uso: vumocaixa extenso [--norma [--maiusculas]] [VALOR...]

Escreve cada quantia por extenso, em reais e centavos, no formato regional
brasileiro (vírgula antes dos centavos, ponto entre os milhares). Os centavos
são arredondados: 0,005 já é Um Centavo. Dá uma linha vazia a quantia que não
é número, que não é positiva, que fica abaixo de meio centavo (0,005) ou que
passa de 922.337.203.685.477,5807, o maior valor da moeda.

Opções:
  --norma        escreve como manda a norma escrita, para cheques, recibos e
                 contratos: em minúsculas, "três" com acento, "mil" sem "um"
                 antes, um espaço entre as palavras e o "e" entre as classes
                 só antes da última, quando ela é menor que cem ou uma
                 centena exata (dois milhões e quinhentos mil reais)
  --maiusculas   só com --norma: cada palavra começa com maiúscula, menos
                 "e" e "de" (Dois Milhões e Quinhentos Mil Reais)

Sem valores, lê um valor por linha da entrada padrão.
Situação de saída: 0 se todas as quantias tiverem extenso, 1 se alguma der uma
linha vazia.

Exemplos:
  vumocaixa extenso 1234,56
  (escreve Um Mil, Duzentos e Trinta e Quatro Reais e Cinquenta e Seis Centavos)
  vumocaixa extenso --norma 1234,56
  (escreve mil duzentos e trinta e quatro reais e cinquenta e seis centavos)
)";

constexpr std::string_view kPalavras = R"(Uso: vumocaixa palavras [--endereco] [TEXTO...]

Escreve cada palavra com a inicial maiúscula e o resto minúsculo. Artigos e
preposições (o, os, a, as, e, em, de, da, das, do, dos) ficam em minúsculas e
números romanos (II, XV, XXIII) em maiúsculas. Espaços repetidos somem.

Opções:
  --endereco   trata o texto como endereço: a primeira palavra é o tipo de
               logradouro (rua, av, al, praça, est...) e é escrita na forma
               normal; sem tipo conhecido, o texto ganha "Rua " na frente

Sem textos, lê um texto por linha da entrada padrão.

Exemplos:
  vumocaixa palavras "JOSÉ DA SILVA"                  (José da Silva)
  vumocaixa palavras --endereco "av paulista, 1.578"  (Av. Paulista, 1.578)
)";

}  // namespace

std::string GeneralHelp() {
  return std::string(kGeneral) + ReasonWords() + std::string(kGeneralDepoisDosMotivos);
}

std::string CommandHelp(std::string_view command) {
  if (command == "valida") {
    return std::string(kValida) + ReasonsList() + std::string(kValidaArquivos);
  }
  if (command == "mascara") return std::string(kMascara);
  if (command == "extenso") return std::string(kExtenso);
  if (command == "palavras") return std::string(kPalavras);
  return {};
}

}  // namespace vumocaixa::cli
