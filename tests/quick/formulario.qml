import QtQuick
import VumoCaixa

Column {
    width: 420
    height: 160
    spacing: 4

    CaixaVumo {
        objectName: "caixa"
        mostraMensagens: false
        Accessible.name: "Documento"
    }
    CaixaVumo {
        objectName: "cpf"
        tipoDados: CaixaVumo.CIC
        mostraMensagens: false
    }
    TextInput {
        objectName: "proximo"
        width: 200
        height: 24
        activeFocusOnTab: true
    }
}
