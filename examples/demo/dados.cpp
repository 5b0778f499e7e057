#include "dados.hpp"

#include <QDate>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <vumocaixa/control/vumocaixa_control.hpp>
#include <vumocaixa/qt/form_file.hpp>

namespace demo {
namespace {

const QString kTitleKey = QStringLiteral("Cadastro");
const QString kValuesKey = QStringLiteral("Valores");
// A cadastro is a few hundred bytes; anything far larger is not one.
constexpr qint64 kLargestFile = 1 << 20;

[[noreturn]] void Fail(const QString& path, const QString& why) {
  throw vumocaixa::qt::FormFileError(
      QStringLiteral("O cadastro \"%1\" não pôde ser aberto: %2").arg(path, why).toStdString());
}

}  // namespace

QString TypedText(const QVariant& value, int tipo) {
  const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
  switch (value.typeId()) {
    case QMetaType::QDate: return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::Double:
    case QMetaType::Float: {
      QString text = brasil.toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
      return text.remove(brasil.groupSeparator());
    }
    case QMetaType::Short:
    case QMetaType::Int: return QString::number(value.toInt());
    case QMetaType::Bool:
      return value.toBool() ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
    default: break;
  }
  // A decimal comes as its digits with '.' before the fraction.
  QString text = value.toString();
  return tipo == vumocaixa::kDecimal ? text.replace(QLatin1Char('.'), brasil.decimalPoint()) : text;
}

QByteArray DataJson(const QString& title, const std::vector<FieldValue>& values) {
  QJsonObject fields;
  for (const auto& [name, text] : values) fields.insert(name, text);
  return QJsonDocument(QJsonObject{{kTitleKey, title}, {kValuesKey, fields}}).toJson();
}

std::vector<FieldValue> LoadData(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) Fail(path, file.errorString());
  if (file.size() > kLargestFile) Fail(path, QStringLiteral("o arquivo é grande demais"));
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(file.read(kLargestFile), &error);
  if (error.error != QJsonParseError::NoError) Fail(path, error.errorString());
  const QJsonValue fields = document.object().value(kValuesKey);
  if (!fields.isObject()) {
    Fail(path, QStringLiteral("falta o objeto \"%1\"").arg(kValuesKey));
  }
  std::vector<FieldValue> values;
  const QJsonObject object = fields.toObject();
  for (auto i = object.begin(); i != object.end(); ++i) {
    if (!i.value().isString()) {
      Fail(path, QStringLiteral("o valor de \"%1\" não é um texto").arg(i.key()));
    }
    values.emplace_back(i.key(), i.value().toString());
  }
  return values;
}

}  // namespace demo
