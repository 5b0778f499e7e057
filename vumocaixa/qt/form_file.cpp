#include <vumocaixa/qt/form_file.hpp>

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <optional>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>

#include <vumocaixa/control/chaves_guardadas.hpp>
#include <vumocaixa/host/property_values.hpp>

#include <vumocaixa/qt/form_file_platform.hpp>

namespace vumocaixa::qt {
namespace {

const QString kTitle = QStringLiteral("Formulário");
const QString kControls = QStringLiteral("Controles");
const QString kName = QStringLiteral("Nome");
const QString kProperties = QStringLiteral("Propriedades");
const QString kFontName = QStringLiteral("Nome");
const QString kFontSize = QStringLiteral("Tamanho");
const QString kFontBold = QStringLiteral("Negrito");
const QString kFontItalic = QStringLiteral("Itálico");
const QString kFontUnderline = QStringLiteral("Sublinhado");
const QString kFontStrikethrough = QStringLiteral("Riscado");

constexpr double kLargestFontSize = 1638;  // points, as the font chooser allows

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string S(const QString& text) { return text.toUtf8().toStdString(); }

[[noreturn]] void Refuse(std::string_view key, const std::string& why) {
  throw PropertyError("Propriedade \"" + std::string(key) + "\": " + why);
}

// A JSON number that is a whole number, within the range that a colour or a 32-bit
// field can take.
PropertyValue FromNumber(double n, std::string_view key, const PropertyValue& def) {
  if (!std::isfinite(n) || std::floor(n) != n) Refuse(key, "o número não é inteiro");
  if (std::holds_alternative<Color>(def)) {
    if (n < -2147483648.0 || n > 4294967295.0) Refuse(key, "a cor está fora do intervalo");
    const auto bits = n < 0 ? static_cast<std::uint32_t>(static_cast<std::int32_t>(n))
                            : static_cast<std::uint32_t>(n);
    return Color{bits};
  }
  if (n < -2147483648.0 || n > 2147483647.0) Refuse(key, "o número está fora do intervalo");
  const auto whole = static_cast<std::int32_t>(n);
  if (std::holds_alternative<std::int16_t>(def) && whole >= -32768 && whole <= 32767) {
    return static_cast<std::int16_t>(whole);
  }
  return whole;
}

PropertyValue FromFontObject(const QJsonObject& o, std::string_view key) {
  const QJsonValue name = o.value(kFontName);
  const QJsonValue size = o.value(kFontSize);
  if (!name.isString() || name.toString().trimmed().isEmpty()) {
    Refuse(key, "a fonte não tem nome");
  }
  if (!size.isDouble() || !(size.toDouble() > 0) || size.toDouble() > kLargestFontSize) {
    Refuse(key, "a fonte não tem um tamanho válido");
  }
  auto font = std::make_shared<Font>();
  font->name = S(name.toString());
  font->size = size.toDouble();
  const auto flag = [&](const QString& k) {
    const QJsonValue v = o.value(k);
    if (v.isUndefined()) return false;
    if (!v.isBool()) Refuse(key, "\"" + S(k) + "\" da fonte não é verdadeiro nem falso");
    return v.toBool();
  };
  font->bold = flag(kFontBold);
  font->italic = flag(kFontItalic);
  font->underline = flag(kFontUnderline);
  font->strikethrough = flag(kFontStrikethrough);
  return font;
}

QJsonObject ToFontObject(const Font& font) {
  QJsonObject o{{kFontName, Q(font.name)}, {kFontSize, font.size}};
  if (font.bold) o.insert(kFontBold, true);
  if (font.italic) o.insert(kFontItalic, true);
  if (font.underline) o.insert(kFontUnderline, true);
  if (font.strikethrough) o.insert(kFontStrikethrough, true);
  return o;
}

QJsonValue ToJsonValue(const PropertyValue& value) {
  if (const auto* b = std::get_if<bool>(&value)) return *b;
  if (const auto* i = std::get_if<std::int16_t>(&value)) return *i;
  if (const auto* i = std::get_if<std::int32_t>(&value)) return *i;
  if (const auto* c = std::get_if<Color>(&value)) return static_cast<double>(c->value);
  if (const auto* f = std::get_if<FontRef>(&value)) {
    return *f ? QJsonValue(ToFontObject(**f)) : QJsonValue();
  }
  if (const auto* t = std::get_if<std::string>(&value)) return Q(*t);
  return {};
}

bool KnownKey(const QString& key) {
  for (std::string_view k : PersistedKeys()) {
    if (Q(k) == key) return true;
  }
  return false;
}

// Every key must be one the control saves, and every value one that loading the
// control takes, so that a value the control would refuse is found while the file is
// read, before any control has been touched.
void CheckProperties(JsonPropertyBag& bag) {
  for (auto it = bag.Values().begin(); it != bag.Values().end(); ++it) {
    if (!KnownKey(it.key())) Refuse(S(it.key()), "a chave não é conhecida");
  }
  ConfereGuardado(bag);
}

[[noreturn]] void FailOpening(const QString& path, const std::string& why) {
  throw FormFileError("O formulário \"" + S(path) + "\" não pôde ser aberto: " + why);
}

// The first key of o that is not one of known, if any.
std::optional<QString> UnknownKey(const QJsonObject& o, std::initializer_list<QString> known) {
  for (auto it = o.begin(); it != o.end(); ++it) {
    if (std::find(known.begin(), known.end(), it.key()) == known.end()) return it.key();
  }
  return std::nullopt;
}

FormFile::Control ParseControl(const QJsonValue& entry, const QString& path, qsizetype index) {
  const std::string where = "controle " + std::to_string(index + 1);
  if (!entry.isObject()) FailOpening(path, where + " não é um objeto");
  const QJsonObject o = entry.toObject();
  const QJsonValue name = o.value(kName);
  if (!name.isString() || name.toString().isEmpty()) FailOpening(path, where + " não tem nome");
  if (const auto unknown = UnknownKey(o, {kName, kProperties})) {
    FailOpening(path, "controle \"" + S(name.toString()) + "\": a chave \"" + S(*unknown) +
                          "\" não é conhecida");
  }
  const QJsonValue properties = o.value(kProperties);
  if (!properties.isUndefined() && !properties.isObject()) {
    FailOpening(path, "controle \"" + S(name.toString()) + "\": \"Propriedades\" não é um objeto");
  }
  FormFile::Control control{name.toString(), JsonPropertyBag(properties.toObject())};
  try {
    CheckProperties(control.properties);
  } catch (const Error& e) {
    FailOpening(path, "controle \"" + S(control.name) + "\": " + e.what());
  }
  return control;
}

std::string SizeText(qint64 bytes) { return std::to_string(bytes) + " bytes"; }

// The whole content of the regular file at path, refused before any byte is read
// when it is larger than sizeLimit.
QByteArray ReadRegularFile(const QString& path, qint64 sizeLimit) {
  try {
    RegularFileReader file(path);
    if (file.Size() > sizeLimit) {
      FailOpening(path, "o arquivo tem " + SizeText(file.Size()) + ", mais que o limite de " +
                            SizeText(sizeLimit));
    }
    // A file that grows while it is read is still held to the limit.
    QByteArray data(static_cast<qsizetype>(file.Size()) + 1, Qt::Uninitialized);
    qsizetype used = 0;
    while (const qint64 n = file.Read(data.data() + used, data.size() - used)) {
      used += static_cast<qsizetype>(n);
      if (used > sizeLimit) {
        FailOpening(path, "o arquivo passou do limite de " + SizeText(sizeLimit) + " ao ser lido");
      }
      if (used == data.size()) data.resize(std::min<qsizetype>(data.size() * 2, sizeLimit + 1));
    }
    data.resize(used);
    return data;
  } catch (const FileRefused& e) {
    FailOpening(path, e.what());
  }
}

// A save target that exists must be a regular file, or a symbolic link to one:
// replacing a device, a pipe or a folder with a file would destroy it.
void RefuseSpecialTarget(const QString& path) {
  if (IsSpecialFile(path)) {
    throw FormFileError("O formulário \"" + S(path) +
                        "\" não pôde ser salvo: o destino existe e não é um arquivo comum");
  }
}

}  // namespace

std::span<const std::string_view> PersistedKeys() { return ChavesGuardadas(); }

PropertyValue JsonPropertyBag::ReadProperty(std::string_view name, const PropertyValue& def) {
  const QJsonValue v = m_values.value(Q(name));
  switch (v.type()) {
    case QJsonValue::Undefined: return def;
    case QJsonValue::Bool: return v.toBool();
    case QJsonValue::Double: return FromNumber(v.toDouble(), name, def);
    case QJsonValue::String: return S(v.toString());
    case QJsonValue::Object: return FromFontObject(v.toObject(), name);
    case QJsonValue::Null: Refuse(name, "o valor é nulo");
    case QJsonValue::Array: Refuse(name, "o valor é uma lista");
  }
  Refuse(name, "o valor não é conhecido");
}

void JsonPropertyBag::WriteProperty(std::string_view name, const PropertyValue& value,
                                    const PropertyValue& def) {
  const QJsonValue json = ToJsonValue(value);
  if (SamePropertyValue(value, def) || json.isNull()) {
    m_values.remove(Q(name));
    return;
  }
  m_values.insert(Q(name), json);
}

FormFile FormFile::Load(const QString& path, qint64 sizeLimit) {
  try {
    return ParseDocument(ReadRegularFile(path, sizeLimit), path);
  } catch (const std::bad_alloc&) {
    FailOpening(path, "falta memória para lê-lo");
  }
}

FormFile FormFile::Parse(const QByteArray& json, const QString& path) {
  try {
    return ParseDocument(json, path);
  } catch (const std::bad_alloc&) {
    FailOpening(path, "falta memória para lê-lo");
  }
}

FormFile FormFile::ParseDocument(const QByteArray& json, const QString& path) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError) {
    FailOpening(path, "o arquivo não é JSON válido (" + S(error.errorString()) + ", posição " +
                          std::to_string(error.offset) + ")");
  }
  if (!doc.isObject()) FailOpening(path, "o arquivo não é um formulário");
  const QJsonObject root = doc.object();
  if (const auto unknown = UnknownKey(root, {kTitle, kControls})) {
    FailOpening(path, "a chave \"" + S(*unknown) + "\" do formulário não é conhecida");
  }
  const QJsonValue title = root.value(kTitle);
  if (!title.isUndefined() && !title.isString()) {
    FailOpening(path, "\"Formulário\" não é um texto");
  }
  const QJsonValue controls = root.value(kControls);
  if (!controls.isArray()) FailOpening(path, "o arquivo não tem a lista \"Controles\"");
  FormFile form(title.toString());
  const QJsonArray list = controls.toArray();
  for (qsizetype i = 0; i < list.size(); ++i) {
    Control control = ParseControl(list.at(i), path, i);
    if (form.m_names.contains(control.name)) {
      FailOpening(path, "o controle \"" + S(control.name) + "\" aparece mais de uma vez");
    }
    form.m_names.insert(control.name);
    form.m_controls.push_back(std::move(control));
  }
  return form;
}

QByteArray FormFile::ToJson() const {
  QJsonArray list;
  for (const Control& c : m_controls) {
    list.append(QJsonObject{{kName, c.name}, {kProperties, c.properties.Values()}});
  }
  QJsonObject root{{kControls, list}};
  if (!m_title.isEmpty()) root.insert(kTitle, m_title);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void FormFile::Save(const QString& path) const { SaveAtomically(path, ToJson()); }

JsonPropertyBag& FormFile::Add(const QString& name) {
  if (m_names.contains(name)) {
    throw FormFileError("O controle \"" + S(name) + "\" já está no formulário");
  }
  m_names.insert(name);
  m_controls.push_back({name, JsonPropertyBag()});
  return m_controls.back().properties;
}

void SaveAtomically(const QString& path, const QByteArray& data, const SaveProgress& progress) {
  const auto fail = [&](const QString& why) {
    throw FormFileError("O formulário \"" + S(path) + "\" não pôde ser salvo: " + S(why));
  };
  RefuseSpecialTarget(path);
  // Until commit() the data goes to a temporary file beside the target; leaving this
  // function any other way discards it and the old file stays.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) fail(file.errorString());
  constexpr qsizetype kBlock = 16 * 1024;
  for (qsizetype at = 0; at < data.size(); at += kBlock) {
    const QByteArray block = data.mid(at, kBlock);
    if (file.write(block) != block.size()) fail(file.errorString());
    if (progress) progress(at + block.size());
  }
  if (!file.commit()) fail(file.errorString());
}

}  // namespace vumocaixa::qt
