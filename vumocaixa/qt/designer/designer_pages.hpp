#pragma once
// DesignerPages: the design-time pages of a control placed on a Qt Designer form.
//
//   DesignerPages pages(caixa, [&](VumoCaixaWidget& w, const QString& name, const QVariant& v) {
//     form->cursor()->setWidgetProperty(&w, name, v);
//   }, window);
//   pages.Run(QStringLiteral("Propriedades"));
//
// The pages work on a hidden copy of the form's control, loaded from the control's
// stored properties. The copy keeps the control's property rules, so a refused option
// shows the control's message and stays off. What the copy takes is handed to the
// writer after each step of the pages (an edit handled, Aplicar, OK); the writer
// writes it to the form's control: in Designer through the form window's cursor, so that it can be
// undone and marks the form modified.

#include <functional>
#include <memory>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class QWidget;

namespace vumocaixa::qt {

class QtPageDialog;
class VumoCaixaWidget;

class DesignerPages final : public QObject {
  Q_OBJECT

 public:
  using PropertyWriter =
      std::function<void(VumoCaixaWidget& control, const QString& name, const QVariant& value)>;

  DesignerPages(VumoCaixaWidget& control, PropertyWriter write, QWidget* parent = nullptr);
  ~DesignerPages() override;

  [[nodiscard]] QtPageDialog& Dialog() const { return *m_dialog; }
  [[nodiscard]] VumoCaixaWidget& Copy() const { return *m_copy; }

  // Shows the page of the given caption and runs the dialog; returns its result once
  // every change has been written.
  int Run(const QString& page);
  // Writes the properties in which the control differs from the copy.
  void WriteChanges();
  // Shows the page of the given caption; false when there is none.
  bool ShowPage(const QString& page);
  // Every property the pages may write back to the form.
  [[nodiscard]] static QStringList WrittenProperties();

 private:
  [[nodiscard]] bool Differs(const char* name) const;
  void Write(const char* name);
  void Write(const char* name, const QVariant& value);

  VumoCaixaWidget& m_control;
  PropertyWriter m_write;
  std::unique_ptr<QtPageDialog> m_dialog;
  VumoCaixaWidget* m_copy;
};

}  // namespace vumocaixa::qt
