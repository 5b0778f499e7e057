#include <vumocaixa/host/memory_container.hpp>

#include <sstream>

namespace vumocaixa {
namespace {

// "Name(a, b, c)" from the arguments as the control passed them.
template <typename... Args>
std::string Entry(std::string_view name, const Args&... args) {
  std::ostringstream out;
  out << name << '(';
  const char* separator = "";
  ((out << separator << +args, separator = ", "), ...);
  out << ')';
  return out.str();
}

}  // namespace

// Records each event, then runs the test's handler with the same references.
class MemoryContainer::Recorder final : public ControlEvents {
 public:
  explicit Recorder(MemoryContainer& c) : m_c(c) {}

  void Change() override { Run("Change", m_c.On.Change); }
  void Click() override { Run("Click", m_c.On.Click); }
  void DblClick() override { Run("DblClick", m_c.On.DblClick); }
  void KeyDown(std::int16_t& code, std::int16_t& shift) override {
    Run(Entry("KeyDown", code, shift), m_c.On.KeyDown, code, shift);
  }
  void KeyEnter(std::int16_t& cancel) override {
    Run(Entry("KeyEnter", cancel), m_c.On.KeyEnter, cancel);
  }
  void KeyPress(std::int16_t& ascii) override {
    Run(Entry("KeyPress", ascii), m_c.On.KeyPress, ascii);
  }
  void KeyUp(std::int16_t& code, std::int16_t& shift) override {
    Run(Entry("KeyUp", code, shift), m_c.On.KeyUp, code, shift);
  }
  void MouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    Run(Entry("MouseDown", b, s, x, y), m_c.On.MouseDown, b, s, x, y);
  }
  void MouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    Run(Entry("MouseMove", b, s, x, y), m_c.On.MouseMove, b, s, x, y);
  }
  void MouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    Run(Entry("MouseUp", b, s, x, y), m_c.On.MouseUp, b, s, x, y);
  }
  void MandarEmail(std::string& address) override {
    Run("MandarEmail(" + address + ")", m_c.On.MandarEmail, address);
  }
  void AbrirHomePage(std::string& address) override {
    Run("AbrirHomePage(" + address + ")", m_c.On.AbrirHomePage, address);
  }

 private:
  template <typename Handler, typename... Args>
  void Run(std::string entry, const Handler& handler, Args&... args) {
    m_c.Record(std::move(entry));
    if (handler) {
      handler(args...);
    }
  }

  MemoryContainer& m_c;
};

MemoryContainer::MemoryContainer()
    : m_recorder(std::make_unique<Recorder>(*this)), m_ambientFont(std::make_shared<Font>()) {}

MemoryContainer::~MemoryContainer() = default;

ControlEvents& MemoryContainer::Events() { return *m_recorder; }

void MemoryContainer::PropertyChanged(std::string_view name) {
  m_changes.emplace_back(name);
  m_log.push_back("PropertyChanged(" + std::string(name) + ")");
  if (OnPropertyChanged) {
    OnPropertyChanged(name);
  }
}

bool MemoryContainer::CanPropertyChange(std::string_view name) {
  m_asked.emplace_back(name);
  return m_canPropertyChange;
}

int MemoryContainer::Count(std::string_view name) const {
  int n = 0;
  for (const std::string& e : m_log) {
    if (e == name || (e.size() > name.size() && e.starts_with(name) && e[name.size()] == '(')) {
      ++n;
    }
  }
  return n;
}

void MemoryContainer::ClearLog() {
  m_log.clear();
  m_changes.clear();
  m_asked.clear();
  m_resizes = 0;
}

}  // namespace vumocaixa
