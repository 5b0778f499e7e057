#pragma once
// The typed values of a cadastro as a UTF-8 JSON file, each value as the user types it
// (pt-BR numbers and dates):
//
//   { "Cadastro": "Cadastro de Cliente",
//     "Valores": { "Nome": "Maria Da Silva", "Salário": "4500,5", "Nascimento": "12/05/1980" } }

#include <utility>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace demo {

using FieldValue = std::pair<QString, QString>;

// The value of a control of data type tipo (an empty QVariant, a number, a date or a
// text) as the text a user types for it: "4500,5", "12/05/1980".
[[nodiscard]] QString TypedText(const QVariant& value, int tipo);

[[nodiscard]] QByteArray DataJson(const QString& title, const std::vector<FieldValue>& values);

// The values of a data file, by field name. Throws vumocaixa::qt::FormFileError
// naming path when the file cannot be read, is no such JSON, or a value is no text.
[[nodiscard]] std::vector<FieldValue> LoadData(const QString& path);

}  // namespace demo
