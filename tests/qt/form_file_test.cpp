// Form files: the JSON property bag, loading with checks that name the file, control
// and key, atomic saving, and whole forms of VumoCaixaWidgets saved and loaded again.

#include <sys/stat.h>

#include <functional>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QMetaProperty>
#include <QTemporaryDir>
#include <QTest>

#include <vumocaixa/host/property_values.hpp>
#include <vumocaixa/qt/form_controls.hpp>
#include <vumocaixa/qt/form_file.hpp>

using namespace vumocaixa;
using namespace vumocaixa::qt;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& data) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(data);
}

// A form file with one control "CPF" whose properties are the given JSON text.
QByteArray OneControl(const char* properties) {
  return QByteArray(R"({"Controles": [{"Nome": "CPF", "Propriedades": )") + properties + "}]}";
}

// What a failed load says, or "" when it loaded.
QString LoadFailure(const QByteArray& json, const QString& path = "form.json") {
  try {
    (void)FormFile::Parse(json, path);
  } catch (const FormFileError& e) {
    return QString::fromUtf8(e.what());
  }
  return {};
}

// What a failed load of the file at path says, or "" when it loaded.
QString LoadFileFailure(const QString& path, qint64 sizeLimit = kFormFileSizeLimit) {
  try {
    (void)FormFile::Load(path, sizeLimit);
  } catch (const FormFileError& e) {
    return QString::fromUtf8(e.what());
  }
  return {};
}

bool MakeFifo(const QString& path) { return ::mkfifo(QFile::encodeName(path), 0600) == 0; }

bool IsFifo(const QString& path) {
  struct stat info {};
  return ::lstat(QFile::encodeName(path), &info) == 0 && S_ISFIFO(info.st_mode);
}

// A file of size bytes: a form with one control, padded with blanks.
void WriteFormOfSize(const QString& path, qint64 size) {
  QByteArray json = R"({"Controles": [{"Nome": "CPF"}]})";
  json.append(QByteArray(size - json.size(), ' '));
  WriteAll(path, json);
}

}  // namespace

class FormFileTest : public QObject {
  Q_OBJECT

 private slots:
  void everyKindOfValueReadsBackAsWritten() {
    auto font = std::make_shared<Font>(Font{"Verdana", 9.75, true, false, true, false});
    const struct {
      const char* name;
      PropertyValue value;
      PropertyValue def;
    } rows[] = {
        {"lógico falso", false, true},
        {"inteiro de 16 bits", std::int16_t{16}, std::int16_t{0}},
        {"inteiro de 32 bits negativo", std::int32_t{-1}, false},
        {"maior inteiro de 32 bits", std::int32_t{2147483647}, std::int32_t{0}},
        {"cor de sistema", Color{0x8000000Fu}, Color{0x80000005u}},
        {"cor azul", Color{0x00FF0000u}, Color{0x80000008u}},
        {"fonte com estilos", font, FontRef{}},
        {"texto com acento", std::string("Endereço"), std::string()},
    };
    for (const auto& r : rows) {
      JsonPropertyBag bag;
      bag.WriteProperty("Chave", r.value, r.def);
      JsonPropertyBag reread(
          QJsonDocument::fromJson(QJsonDocument(bag.Values()).toJson()).object());
      QVERIFY2(SamePropertyValue(reread.ReadProperty("Chave", r.def), r.value), r.name);
    }
  }

  void aValueEqualToItsDefaultIsLeftOut() {
    JsonPropertyBag bag;
    bag.WriteProperty("TipoDados", std::int16_t{9}, std::int16_t{0});
    bag.WriteProperty("TipoDados", std::int16_t{0}, std::int16_t{0});
    bag.WriteProperty("Endereço", std::int32_t{0}, false);
    QVERIFY(bag.Values().isEmpty());
    QVERIFY(SamePropertyValue(bag.ReadProperty("TipoDados", std::int16_t{3}), std::int16_t{3}));
  }

  void accentedKeysAreStoredInUtf8() {
    FormFile form;
    JsonPropertyBag& bag = form.Add("Endereço");
    bag.WriteProperty("TamanhoMáximo", std::int32_t{40}, std::int32_t{0});
    bag.WriteProperty("Endereço", std::int32_t{-1}, false);
    const QByteArray json = form.ToJson();
    QVERIFY(json.contains("\"TamanhoM\xC3\xA1ximo\": 40"));
    QVERIFY(json.contains("\"Endere\xC3\xA7o\": -1"));
    const FormFile back = FormFile::Parse(json, "f.json");
    QCOMPARE(back.Controls().size(), std::size_t{1});
    QCOMPARE(back.Controls()[0].name, QStringLiteral("Endereço"));
  }

  void aBadFileNamesTheFileTheControlAndTheKey() {
    const struct {
      const char* name;
      QByteArray json;
      QStringList said;  // each must appear in the message
    } rows[] = {
        {"não é JSON", "{\"Controles\": [", {"form.json", "não é JSON"}},
        {"JSON sem controles", "[1, 2]", {"form.json", "não é um formulário"}},
        {"sem a lista", R"({"Formulário": "Cadastro"})", {"form.json", "\"Controles\""}},
        {"tipo fracionário", OneControl(R"({"TipoDados": 1.5})"), {"\"CPF\"", "\"TipoDados\""}},
        {"tipo além de 16 bits", OneControl(R"({"TipoDados": 40000})"), {"\"TipoDados\""}},
        {"lógico como texto qualquer",
         OneControl(R"({"TeclaEnter": "talvez"})"),
         {"\"TeclaEnter\""}},
        {"tamanho negativo", OneControl(R"({"TamanhoMáximo": -3})"), {"\"TamanhoMáximo\""}},
        {"tamanho nulo", OneControl(R"({"TamanhoMáximo": null})"), {"\"TamanhoMáximo\""}},
        {"endereço em lista", OneControl(R"({"Endereço": [true]})"), {"\"Endereço\""}},
        {"cor além de 32 bits", OneControl(R"({"BackColor": 4294967296})"), {"\"BackColor\""}},
        {"cor como lógico", OneControl(R"({"ForeColor": true})"), {"\"ForeColor\""}},
        {"fonte sem nome", OneControl(R"({"Font": {"Tamanho": 10}})"), {"\"Font\""}},
        {"fonte de tamanho zero",
         OneControl(R"({"Font": {"Nome": "Arial", "Tamanho": 0}})"),
         {"\"Font\""}},
        {"fonte como número", OneControl(R"({"Font": 10})"), {"\"Font\""}},
        {"chave sem acento", OneControl(R"({"TamanhoMaximo": 10})"), {"\"TamanhoMaximo\""}},
        {"controle sem nome", R"({"Controles": [{"Propriedades": {}}]})", {"controle 1"}},
        {"controle repetido",
         R"({"Controles": [{"Nome": "CPF"}, {"Nome": "CPF"}]})",
         {"\"CPF\"", "mais de uma"}},
        {"chave desconhecida no formulário",
         R"({"Controles": [], "Versão": 2})",
         {"\"Versão\"", "não é conhecida"}},
        {"título que não é texto",
         R"({"Formulário": 7, "Controles": []})",
         {"\"Formulário\"", "não é um texto"}},
        {"título em objeto",
         R"({"Formulário": {"Nome": "x"}, "Controles": []})",
         {"\"Formulário\""}},
        {"chave desconhecida no controle",
         R"({"Controles": [{"Nome": "CPF", "Texto": "123"}]})",
         {"\"CPF\"", "\"Texto\"", "não é conhecida"}},
    };
    for (const auto& r : rows) {
      const QString message = LoadFailure(r.json);
      QVERIFY2(!message.isEmpty(), r.name);
      QVERIFY2(message.contains("form.json"), qPrintable(message));
      for (const QString& part : r.said) QVERIFY2(message.contains(part), qPrintable(message));
    }
  }

  void acceptableValuesOfOtherKindsLoad() {
    const struct {
      const char* name;
      QByteArray json;
    } rows[] = {
        {"lógico como número", OneControl(R"({"TeclaEnter": 0})")},
        {"lógico como texto", OneControl(R"({"TudoMaiusculo": "True"})")},
        {"endereço lógico", OneControl(R"({"Endereço": true})")},
        {"cor de sistema negativa", OneControl(R"({"BackColor": -2147483643})")},
        {"tipo como texto", OneControl(R"({"TipoDados": "9"})")},
        {"tipo fora da lista", OneControl(R"({"TipoDados": 20})")},
        {"sem propriedades", R"({"Controles": [{"Nome": "CPF"}]})"},
    };
    for (const auto& r : rows) QVERIFY2(LoadFailure(r.json).isEmpty(), r.name);
  }

  void aMissingFileIsNamed() {
    QTemporaryDir dir;
    const QString path = dir.filePath("não-existe.json");
    try {
      (void)FormFile::Load(path);
      QFAIL("a missing file loaded");
    } catch (const FormFileError& e) {
      QVERIFY(QString::fromUtf8(e.what()).contains(path));
      QVERIFY(QString::fromUtf8(e.what()).contains("não existe"));
    }
  }

  void onlyRegularFilesWithinTheLimitAreRead() {
    QTemporaryDir dir;
    const struct {
      const char* name;
      std::function<QString()> make;  // the path to load
      qint64 sizeLimit;
      QStringList said;  // empty: the file loads
    } rows[] = {
        {"pipe sem escritor",
         [&] {
           MakeFifo(dir.filePath("pipe"));
           return dir.filePath("pipe");
         },
         kFormFileSizeLimit,
         {"não é um arquivo comum"}},
        {"dispositivo sem fim",
         [] { return QStringLiteral("/dev/zero"); },
         kFormFileSizeLimit,
         {"não é um arquivo comum"}},
        {"pasta", [&] { return dir.path(); }, kFormFileSizeLimit, {"não é um arquivo comum"}},
        {"um byte além do limite",
         [&] {
           WriteFormOfSize(dir.filePath("grande.json"), 1001);
           return dir.filePath("grande.json");
         },
         1000,
         {"1001 bytes", "limite de 1000 bytes"}},
        {"no limite",
         [&] {
           WriteFormOfSize(dir.filePath("justo.json"), 1000);
           return dir.filePath("justo.json");
         },
         1000,
         {}},
        {"além do limite de sempre, sem ser lido",
         [&] {
           QFile f(dir.filePath("enorme.json"));
           if (f.open(QIODevice::WriteOnly)) f.resize(kFormFileSizeLimit + 1);
           return dir.filePath("enorme.json");
         },
         kFormFileSizeLimit,
         {"mais que o limite"}},
        {"limite aumentado pelo chamador",
         [&] {
           WriteFormOfSize(dir.filePath("aumentado.json"), kFormFileSizeLimit + 10);
           return dir.filePath("aumentado.json");
         },
         kFormFileSizeLimit + 10,
         {}},
    };
    for (const auto& r : rows) {
      const QString path = r.make();
      const QString message = LoadFileFailure(path, r.sizeLimit);
      QVERIFY2(message.isEmpty() == r.said.isEmpty(), qPrintable(r.name + (": " + message)));
      if (!message.isEmpty()) QVERIFY2(message.contains(path), qPrintable(message));
      for (const QString& part : r.said) QVERIFY2(message.contains(part), qPrintable(message));
    }
  }

  void aSaveNeverReplacesWhatIsNotARegularFile() {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe");
    QVERIFY(MakeFifo(pipe));
    QVERIFY(QFile::link(pipe, dir.filePath("atalho")));
    QVERIFY(QDir(dir.path()).mkdir("pasta"));
    for (const char* target : {"pipe", "atalho", "pasta"}) {
      const QString path = dir.filePath(target);
      try {
        FormFile().Save(path);
        QFAIL(target);
      } catch (const FormFileError& e) {
        QVERIFY2(QString::fromUtf8(e.what()).contains(path), e.what());
        QVERIFY2(QString::fromUtf8(e.what()).contains("não é um arquivo comum"), e.what());
      }
    }
    QVERIFY(IsFifo(pipe));
    QVERIFY(QFileInfo(dir.filePath("atalho")).isSymLink());
    QVERIFY(QFileInfo(dir.filePath("pasta")).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             (QStringList{"atalho", "pasta", "pipe"}));
  }

  void aSavedFileLoadsTheSame() {
    QTemporaryDir dir;
    const QString path = dir.filePath("cadastro.json");
    FormFile form("Cadastro de Cliente");
    form.Add("CPF").WriteProperty("TipoDados", std::int16_t{9}, std::int16_t{0});
    form.Add("Salário").WriteProperty("TipoDados", std::int16_t{2}, std::int16_t{0});
    form.Save(path);
    const FormFile back = FormFile::Load(path);
    QCOMPARE(back.Title(), QStringLiteral("Cadastro de Cliente"));
    QCOMPARE(back.ToJson(), form.ToJson());
  }

  void anInterruptedSaveKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("cadastro.json");
    WriteAll(path, "o formulário anterior");
    FormFile form;
    form.Add("CPF").WriteProperty("TipoDados", std::int16_t{9}, std::int16_t{0});
    bool thrown = false;
    try {
      SaveAtomically(path, form.ToJson(), [](qint64) { throw std::runtime_error("queda"); });
    } catch (const std::runtime_error&) {
      thrown = true;
    }
    QVERIFY(thrown);
    QCOMPARE(ReadAll(path), QByteArray("o formulário anterior"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"cadastro.json"});
  }

  void aSaveThatCannotBeWrittenFailsNamingTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("sem-pasta/cadastro.json");
    try {
      FormFile().Save(path);
      QFAIL("a save into a missing folder succeeded");
    } catch (const FormFileError& e) {
      QVERIFY(QString::fromUtf8(e.what()).contains(path));
    }
  }

  void widgetsSavedAndLoadedAgainAreTheSame() {
    VumoCaixaWidget cpf, salario, nome;
    cpf.SetTipoDados(kCIC);
    salario.SetTipoDados(kMoeda);
    salario.SetBackColor(QColor(255, 255, 200));
    nome.SetEndereco(true);
    nome.SetTudoMaiusculo(true);
    nome.SetTamanhoMaximo(40);
    const FormFile form = SaveControls({{"CPF", &cpf}, {"Salário", &salario}, {"Nome", &nome}});
    const auto loaded = LoadControls(FormFile::Parse(form.ToJson(), "f.json"), "f.json");
    QCOMPARE(loaded.size(), std::size_t{3});
    QCOMPARE(loaded[0].name, QStringLiteral("CPF"));
    QCOMPARE(loaded[0].widget->TipoDados(), int(kCIC));
    QCOMPARE(loaded[1].widget->TipoDados(), int(kMoeda));
    QCOMPARE(loaded[1].widget->BackColor(), QColor(255, 255, 200));
    QVERIFY(loaded[2].widget->Endereco());
    QVERIFY(loaded[2].widget->TudoMaiusculo());
    QCOMPARE(loaded[2].widget->TamanhoMaximo(), 40);
    // A second save and load changes nothing more.
    const auto Save = [](const std::vector<LoadedControl>& controls) {
      std::vector<NamedControl> named;
      for (const auto& c : controls) named.push_back({c.name, c.widget.get()});
      return SaveControls(named).ToJson();
    };
    const QByteArray once = Save(loaded);
    QCOMPARE(Save(LoadControls(FormFile::Parse(once, "f.json"), "f.json")), once);
  }

  // Every Boolean property on (set while the type still allows them), saved to a file
  // and opened again: every property comes back.
  void everyOptionOnSavesAndOpensAgain() {
    QTemporaryDir dir;
    const QString path = dir.filePath("todas.json");
    VumoCaixaWidget todas;
    const QMetaObject* meta = todas.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
      const QMetaProperty p = meta->property(i);
      if (p.typeId() == QMetaType::Bool) QVERIFY2(p.write(&todas, true), p.name());
    }
    todas.SetTipoDados(kCNPJ);
    todas.SetBackColor(QColor(255, 255, 200));
    todas.SetForeColor(QColor(0, 0, 128));
    todas.SetFont(QFont(QStringLiteral("DejaVu Serif"), 13));
    SaveControls({{"Todas", &todas}}).Save(path);
    QVERIFY(ReadAll(path).contains("\"CNPJAlfanumerico\": true"));
    const auto loaded = LoadControls(FormFile::Load(path), path);
    QCOMPARE(loaded.size(), std::size_t{1});
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
      const QMetaProperty p = meta->property(i);
      QCOMPARE(p.read(loaded[0].widget.get()), p.read(&todas));
    }
  }

  void aCorruptedFileLeavesTheFormAsItWas() {
    QTemporaryDir dir;
    const QString path = dir.filePath("cadastro.json");
    VumoCaixaWidget cpf;
    cpf.SetTipoDados(kCIC);
    cpf.SetText(QStringLiteral("123.456.789-09"));
    const QString before = cpf.Text().toString();
    QVERIFY(!before.isEmpty());
    SaveControls({{"CPF", &cpf}}).Save(path);
    QByteArray json = ReadAll(path);
    json.replace("\"TipoDados\": 9", "\"TipoDados\": [9]");
    WriteAll(path, json);
    try {
      (void)LoadControls(FormFile::Load(path), path);
      QFAIL("a corrupted file loaded");
    } catch (const FormFileError& e) {
      QVERIFY(QString::fromUtf8(e.what()).contains(path));
      QVERIFY(QString::fromUtf8(e.what()).contains("\"TipoDados\""));
    }
    QCOMPARE(cpf.TipoDados(), int(kCIC));
    QCOMPARE(cpf.Text().toString(), before);
  }
};

QTEST_MAIN(FormFileTest)
#include "form_file_test.moc"
