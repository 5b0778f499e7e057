#pragma once
// Saving a form's VumoCaixaWidgets to a form file and loading them back.
//
//   SaveControls({{"CPF", cpf}, {"Salário", salario}}, "Cadastro").Save(path);
//   auto fresh = LoadControls(FormFile::Load(path), path);  // throws FormFileError
//   // ... put the fresh widgets in the form in place of the old ones
//
// Loading builds new widgets and hands them over only when every control loaded, so a
// file that fails leaves the widgets on screen untouched.

#include <memory>
#include <vector>

#include <QString>

#include <vumocaixa/qt/form_file.hpp>
#include <vumocaixa/qt/vumocaixa_widget.hpp>

namespace vumocaixa::qt {

struct NamedControl {
  QString name;
  VumoCaixaWidget* widget;
};

struct LoadedControl {
  QString name;
  std::unique_ptr<VumoCaixaWidget> widget;
};

// The form file of the widgets, each under its name, in the order given. Two widgets
// with the same name fail with FormFileError.
[[nodiscard]] FormFile SaveControls(const std::vector<NamedControl>& controls,
                                    const QString& title = {});

// One new widget per control of the file, in the file's order, loaded from its
// properties. A control that fails to load throws FormFileError naming path, the
// control and the failure; the widgets made so far are then deleted.
[[nodiscard]] std::vector<LoadedControl> LoadControls(const FormFile& form, const QString& path);

}  // namespace vumocaixa::qt
