// Form files of any bytes, through the Qt host: parsed, saved and parsed again, and
// their controls loaded into VumoCaixaWidgets and saved from them. Checks:
//
//  - parsing fails only with FormFileError;
//  - what a parsed form saves parses again and saves the same;
//  - the widgets of a parsed form load, and what they save parses again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>
#include <QByteArray>

#include <vumocaixa/qt/form_controls.hpp>
#include <vumocaixa/qt/form_file.hpp>

#include "fuzz_check.hpp"

namespace {

using vumocaixa::fuzz::Require;
using vumocaixa::qt::FormFile;
using vumocaixa::qt::FormFileError;

const QString kPath = QStringLiteral("f.json");

// More widgets than this take long to make and find nothing new.
constexpr std::size_t kMostWidgets = 8;

QByteArray SaveWidgets(const std::vector<vumocaixa::qt::LoadedControl>& loaded) {
  std::vector<vumocaixa::qt::NamedControl> named;
  for (const auto& c : loaded) named.push_back({c.name, c.widget.get()});
  return vumocaixa::qt::SaveControls(named).ToJson();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  FormFile form;
  try {
    form = FormFile::Parse(json, kPath);
  } catch (const FormFileError&) {
    return 0;
  }
  const QByteArray saved = form.ToJson();
  try {
    Require(FormFile::Parse(saved, kPath).ToJson() == saved,
            "a saved form parses again and saves the same", saved.toStdString());
    if (form.Controls().size() > kMostWidgets) return 0;
    const QByteArray fromWidgets = SaveWidgets(vumocaixa::qt::LoadControls(form, kPath));
    (void)FormFile::Parse(fromWidgets, kPath);
  } catch (const FormFileError& e) {
    Require(false, "what was saved loads again", e.what());
  }
  return 0;
}
