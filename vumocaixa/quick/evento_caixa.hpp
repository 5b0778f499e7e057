#pragma once
// EventoCaixa: the arguments of one event of a CaixaVumo, handed to the QML handler,
// which may change them; the control goes on with what the handler leaves.
//
//   onKeyEnter: (evento) => evento.cancelar = true
//   onKeyPress: (evento) => { if (evento.keyAscii === 32) evento.keyAscii = 0 }
//
// keyDown and keyUp fill keyCode and shift; keyPress keyAscii; keyEnter cancelar;
// the mouse events botao, shift, x and y (twips); mandarEmail and abrirHomePage
// endereco. The object lives for the handler's call only.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QString>

namespace vumocaixa::quick {

class EventoCaixa : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_UNCREATABLE("Os eventos vêm do CaixaVumo")
  Q_PROPERTY(int keyCode MEMBER keyCode)
  Q_PROPERTY(int shift MEMBER shift)
  Q_PROPERTY(int keyAscii MEMBER keyAscii)
  Q_PROPERTY(bool cancelar MEMBER cancelar)
  Q_PROPERTY(int botao MEMBER botao)
  Q_PROPERTY(double x MEMBER x)
  Q_PROPERTY(double y MEMBER y)
  Q_PROPERTY(QString endereco MEMBER endereco)

 public:
  int keyCode = 0;
  int shift = 0;
  int keyAscii = 0;
  bool cancelar = false;
  int botao = 0;
  double x = 0;
  double y = 0;
  QString endereco;
};

}  // namespace vumocaixa::quick
