#include <vumocaixa/control/memory_form.hpp>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vumocaixa {
namespace {

// The example of README.md, writing to a string instead of the console; the
// expected text is the output printed there.
TEST(ReadmeExample, PrintsWhatTheReadmeShows) {
  std::ostringstream out;
  MemoryForm form;
  form.Control().SetTipoDados(kEmail);
  form.Container().On.MandarEmail = [&out](std::string& endereco) {
    out << "MandarEmail: " << endereco << '\n';
  };
  form.Type("ana@vumo.com.br");
  form.ClickButton();
  out << "Caixa: " << form.Caixa().Width() << " twips, botão em " << form.Btn_Evento().Left()
      << '\n';
  EXPECT_EQ(out.str(),
            "MandarEmail: ana@vumo.com.br\n"
            "Caixa: 2715 twips, botão em 2715\n");
  EXPECT_TRUE(form.Runtime().Messages().empty());
}

}  // namespace
}  // namespace vumocaixa
