import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import VumoCaixa

// "Cadastro de Cliente" in QML: a CaixaVumo of every data type with its label, the focus
// in the first one, Enter from field to field up to "Gravar", the events in a panel.
ApplicationWindow {
    id: janela

    required property var campos

    function campo(nome) {
        for (let i = 0; i < linhas.count; ++i) {
            const linha = linhas.itemAt(i)
            if (linha !== null && linha.nome === nome)
                return linha.caixa
        }
        return null
    }

    function registra(texto) {
        eventos.append(texto)
    }

    title: "Cadastro de Cliente"
    width: 780
    height: 700
    visible: true

    footer: Label {
        text: "Enter passa ao campo seguinte."
        padding: 6
    }

    RowLayout {
        anchors.fill: parent
        anchors.margins: 12
        spacing: 16

        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            spacing: 4

            Repeater {
                id: linhas

                model: janela.campos

                RowLayout {
                    id: linha

                    required property var modelData
                    readonly property string nome: modelData.nome
                    property alias caixa: caixa

                    Label {
                        text: linha.modelData.rotulo
                        Layout.preferredWidth: 170
                    }
                    CaixaVumo {
                        id: caixa

                        objectName: linha.nome
                        tipoDados: linha.modelData.tipo
                        endereco: linha.nome === "Endereço"
                        tudoMaiusculo: linha.nome === "Sexo"
                        Accessible.name: linha.modelData.rotulo
                        onKeyEnter: janela.registra(linha.nome + ": KeyEnter")
                        onMandarEmail: (evento) => janela.registra(linha.nome + ": MandarEmail(" + evento.endereco + ")")
                        onAbrirHomePage: (evento) => janela.registra(linha.nome + ": AbrirHomePage(" + evento.endereco + ")")
                        onMensagem: (texto, estilo, titulo) => janela.registra(linha.nome + ": " + titulo + " - " + texto)
                        onErro: (onde, oque) => janela.registra(linha.nome + ": erro em " + onde + ": " + oque)
                        onTextChanged: {
                            const extenso = linha.nome === "Salário" ? janela.campo("Extenso") : null
                            if (extenso !== null)
                                extenso.text = text
                        }
                    }
                }
            }

            Button {
                objectName: "Gravar"
                text: "Gravar"
                Layout.alignment: Qt.AlignRight
                onClicked: {
                    const nome = janela.campo("Nome")
                    janela.registra("Gravar: " + (nome !== null ? nome.text : ""))
                }
                Keys.onReturnPressed: clicked()
                Keys.onEnterPressed: clicked()
            }
        }

        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true

            TextArea {
                id: eventos

                objectName: "Eventos"
                readOnly: true
                placeholderText: "Eventos dos controles"
                wrapMode: TextArea.Wrap
            }
        }
    }

    Component.onCompleted: campo("Nome").forceActiveFocus()
}
