#include <vumocaixa/qt/form_controls.hpp>

#include <QObject>

namespace vumocaixa::qt {

FormFile SaveControls(const std::vector<NamedControl>& controls, const QString& title) {
  FormFile form(title);
  for (const NamedControl& c : controls) c.widget->WriteProperties(form.Add(c.name));
  return form;
}

std::vector<LoadedControl> LoadControls(const FormFile& form, const QString& path) {
  std::vector<LoadedControl> loaded;
  for (const FormFile::Control& c : form.Controls()) {
    auto widget = std::make_unique<VumoCaixaWidget>();
    // The widget reports a failure instead of throwing it; catch the report.
    QString failure;
    const auto connection =
        QObject::connect(widget.get(), &VumoCaixaWidget::erro,
                         [&failure](const QString&, const QString& what) { failure = what; });
    JsonPropertyBag bag = c.properties;
    widget->ReadProperties(bag);
    QObject::disconnect(connection);
    if (!failure.isEmpty()) {
      throw FormFileError(("O formulário \"" + path + "\" não pôde ser aberto: controle \"" +
                           c.name + "\": " + failure)
                              .toUtf8()
                              .toStdString());
    }
    loaded.push_back({c.name, std::move(widget)});
  }
  return loaded;
}

}  // namespace vumocaixa::qt
