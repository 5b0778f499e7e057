#pragma once
// Form files: the saved design-time settings of a form's controls, as UTF-8 JSON.
//
//   {
//     "Formulário": "Cadastro de Cliente",
//     "Controles": [
//       { "Nome": "CPF", "Propriedades": { "TipoDados": 9, "TamanhoMáximo": 14 } },
//       { "Nome": "Salário", "Propriedades": { "TipoDados": 2, "Font":
//           { "Nome": "Verdana", "Tamanho": 9.75, "Negrito": true } } }
//     ]
//   }
//
// Each control's properties sit under the keys a control saves (ChavesGuardadas:
// "TipoDados", "Enabled", ..., "ForeColor", "CNPJAlfanumerico"); a key equal to its
// default is left out.
// Whole numbers, Booleans and colours (0x00BBGGRR, or a system colour with the high bit
// set) are JSON numbers and Booleans; a font is an object.
//
// Loading checks the whole file before anyone uses it: a missing file, anything but a
// regular file (a device, a pipe, a folder), a file over the size limit, a file that
// is not JSON, a key the format does not define (at the top, in a control or among
// its properties) or a value of the wrong type for its key fails with a
// FormFileError whose message names the file, the control and the key. Saving goes
// through a temporary file that replaces the old one only once it is complete, so a
// failed or interrupted save leaves the previous file as it was; a target that
// exists and is not a regular file (or a symbolic link to one) is refused untouched.
// Loading and saving take time in proportion to the number of controls.

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QtGlobal>

#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/property_bag.hpp>

namespace vumocaixa::qt {

// A form file could not be read or written; what() says which file and why.
class FormFileError : public Error {
 public:
  using Error::Error;
};

// The keys a control saves, in the order it writes them (ChavesGuardadas).
[[nodiscard]] std::span<const std::string_view> PersistedKeys();

// One control's properties as a JSON object.
class JsonPropertyBag final : public PropertyBag {
 public:
  JsonPropertyBag() = default;
  explicit JsonPropertyBag(QJsonObject values) : m_values(std::move(values)) {}

  // The stored value converted to the kind of def (a whole number as a colour when def
  // is a colour), or def when name is absent. A value that fits no kind (a fraction,
  // a list, a malformed font) fails with PropertyError naming the key.
  [[nodiscard]] PropertyValue ReadProperty(std::string_view name,
                                           const PropertyValue& def) override;
  // Stores value under name, or removes name when value equals def.
  void WriteProperty(std::string_view name, const PropertyValue& value,
                     const PropertyValue& def) override;

  [[nodiscard]] const QJsonObject& Values() const { return m_values; }

 private:
  QJsonObject m_values;
};

// The largest form file Load reads unless told otherwise: 16 MiB. A form of a
// thousand controls takes about 100 KB, so a larger file is almost certainly not a
// form; a caller that keeps bigger ones passes its own limit.
inline constexpr qint64 kFormFileSizeLimit = qint64{16} * 1024 * 1024;

class FormFile {
 public:
  struct Control {
    QString name;
    JsonPropertyBag properties;
  };

  FormFile() = default;
  explicit FormFile(QString title) : m_title(std::move(title)) {}

  // Reads and checks the regular file at path, of at most sizeLimit bytes (its size
  // is checked before anything is read). Throws FormFileError and nothing else.
  [[nodiscard]] static FormFile Load(const QString& path, qint64 sizeLimit = kFormFileSizeLimit);
  // Parses the bytes of a form file; path only names the file in messages. Throws
  // FormFileError and nothing else.
  [[nodiscard]] static FormFile Parse(const QByteArray& json, const QString& path);

  // Writes the file atomically; throws FormFileError, the previous file kept.
  void Save(const QString& path) const;
  [[nodiscard]] QByteArray ToJson() const;

  // A new, empty control at the end; a name already in the form fails.
  JsonPropertyBag& Add(const QString& name);
  [[nodiscard]] const std::vector<Control>& Controls() const { return m_controls; }
  [[nodiscard]] const QString& Title() const { return m_title; }

 private:
  [[nodiscard]] static FormFile ParseDocument(const QByteArray& json, const QString& path);

  QString m_title;
  std::vector<Control> m_controls;
  QSet<QString> m_names;
};

// Called after each block of a save is written, with the bytes written so far; an
// exception thrown from it abandons the save (what a crash or a full disk would do).
using SaveProgress = std::function<void(qint64 written)>;

// Replaces the file at path with data, all at once or not at all. Throws
// FormFileError naming the file when it cannot be written, or when path names
// something that exists and is not a regular file (a device, a pipe, a folder),
// which is left as it was.
void SaveAtomically(const QString& path, const QByteArray& data, const SaveProgress& progress = {});

}  // namespace vumocaixa::qt
