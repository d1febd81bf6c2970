// Random sequences of every manager and port operation, over a fake driver library, fake
// discovery and fake port registers, with faults injected where the real pieces can fail. After
// each step:
//   - an operation failed only for a reason the interface allows (an index outside the list, a
//     null out-parameter, an injected fault), and only with one of the library's own errors, so
//     that it maps to 0x8000FFFF with error information;
//   - a failed query left its interface out-parameter null, a failed probe its Present false;
//   - each port's register image equals a reference image kept here from the accesses the fake
//     registers saw: what was written is what the flags composed, what was read is what the
//     flags now hold;
//   - the fake driver is never asked to load while loaded, nor unloaded while not loaded, and
//     its library is never let go while the driver is loaded.
// Leaks are LeakSanitizer's: every input ends with all objects freed.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "driver/driver_control.h"
#include "plugin/port_manager.h"
#include "port/parallel_port.h"

namespace {

using pp::port::Flag;
using pp::port::ParallelPort;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}
void Check(bool ok, const char* what) {
  if (!ok) Fail(what);
}

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return pos_ >= size_; }
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  uint16_t Word() { return static_cast<uint16_t>(Byte() | Byte() << 8); }

 private:
  const uint8_t* data_;
  size_t size_, pos_ = 0;
};

// An injected fault, raised as the driver guard and the discovery list raise theirs.
int g_faults_left = 0;  // accesses (or list reads) until the next fault; 0: none armed
int g_faults_fired = 0;
bool TakeFault() {
  if (g_faults_left <= 0 || --g_faults_left != 0) return false;
  ++g_faults_fired;
  return true;
}

struct Access {
  bool write;
  uint16_t address;
  uint8_t value;
};

// 64 KiB of registers. A data register echoes what was written unless its port is "deaf"
// (then it reads a fixed byte); other registers read what was last written there.
class FakeRegisters final : public pp::port::PortIo {
 public:
  uint8_t memory[65536] = {};
  std::vector<Access> log;
  bool fault = false;  // the last access faulted

  uint8_t ReadByte(uint16_t address) override {
    if (TakeFault()) {
      fault = true;
      pp::Raise(pp::EExternal(0xC0000005, "Access violation in the port driver library"));
    }
    log.push_back({false, address, memory[address]});
    return memory[address];
  }
  void WriteByte(uint16_t address, uint8_t value) override {
    if (TakeFault()) {
      fault = true;
      pp::Raise(pp::EExternal(0xC0000005, "Access violation in the port driver library"));
    }
    log.push_back({true, address, value});
    if (!deaf(address)) memory[address] = value;
  }
  bool deaf(uint16_t address) const { return deaf_bases_mask & (1u << (address & 7)); }
  uint8_t deaf_bases_mask = 0;
};

class FakeLibrary final : public pp::driver::DriverLibrary {
 public:
  uint8_t load_results = 0, activate_results = 0;  // bit n: the n-th call's answer (mod 8)
  int loads = 0, activates = 0;
  bool loaded = false;
  bool LoadDriver() override {
    Check(!loaded, "driver loaded while loaded");
    const bool ok = load_results & (1u << (loads++ % 8));
    loaded = ok;
    return ok;
  }
  void UnloadDriver() override {
    Check(loaded, "driver unloaded while not loaded");
    loaded = false;
  }
  bool ActivateDriver() override {
    Check(loaded, "driver activated while not loaded");
    return activate_results & (1u << (activates++ % 8));
  }
  void DeactivateDriver() override { Check(loaded, "driver deactivated while not loaded"); }
  void ReleaseLibrary() override { Check(!loaded, "library let go while the driver is loaded"); }
};

struct Record {
  std::u16string name;
  int32_t io_start;
};

class FakeList final : public pp::plugin::DiscoveredPorts {
 public:
  explicit FakeList(const std::vector<Record>& records) : records_(records) {}
  int32_t Count() override {
    Step();
    return static_cast<int32_t>(records_.size());
  }
  std::u16string Name(int32_t index) override {
    Step();
    return records_.at(static_cast<size_t>(index)).name;
  }
  int32_t IoStart(int32_t index) override {
    Step();
    return records_.at(static_cast<size_t>(index)).io_start;
  }

 private:
  void Step() {
    if (TakeFault()) pp::Raise(pp::EOSError(0x80004005, "Unspecified error"));
  }
  const std::vector<Record>& records_;
};

class FakeServices final : public pp::plugin::PortManagerServices {
 public:
  explicit FakeServices(FakeRegisters& io) : io_(io) {}
  bool wow64 = false;
  std::vector<Record> records;
  int notices = 0;
  bool IsWow64() override { return wow64; }
  std::unique_ptr<pp::plugin::DiscoveredPorts> CreatePortList() override { return std::make_unique<FakeList>(records); }
  std::unique_ptr<ParallelPort> CreatePort(uint16_t base) override { return std::make_unique<ParallelPort>(io_, base); }
  void ShowDriverFailureNotice() override { ++notices; }

 private:
  FakeRegisters& io_;
};

// The reference image of one port and the rules of each transfer, applied to the accesses the
// fake registers logged. Running out of logged accesses means the next one faulted: the rule
// stops there, as the port's own steps did.
struct Stopped {};

struct Image {
  std::array<uint8_t, 24> flags{};
  uint8_t last_data = 0, last_control = 0;
  uint16_t base = 0;

  static Image Of(const ParallelPort& p) {
    Image m;
    for (int i = 0; i < 24; ++i) m.flags[i] = p.Get(static_cast<Flag>(i));
    m.last_data = p.LastData();
    m.last_control = p.LastControl();
    m.base = p.BaseAddress();
    return m;
  }
  bool operator==(const Image& o) const {
    return flags == o.flags && last_data == o.last_data && last_control == o.last_control && base == o.base;
  }
  uint8_t& F(Flag f) { return flags[static_cast<int>(f)]; }
  // Control bits 7..0 are flags 8..15; status bits 7..3 flags 0..4; data bit n flag 16 + n.
  uint8_t ComposeData() const {
    uint8_t v = 0;
    for (int n = 0; n < 8; ++n) v |= (flags[16 + n] ? 1 : 0) << n;
    return v;
  }
  uint8_t ComposeControl() const {
    uint8_t v = 0;
    for (int i = 0; i < 8; ++i) v |= (flags[8 + i] ? 1 : 0) << (7 - i);
    return v;
  }
  uint8_t ComposeStatus() const {
    uint8_t v = 0;
    for (int i = 0; i < 5; ++i) v |= (flags[i] ? 1 : 0) << (7 - i);
    return v;
  }
  void DecodeData(uint8_t v) {
    for (int n = 0; n < 8; ++n) flags[16 + n] = (v >> n) & 1;
  }
  void DecodeControl(uint8_t v, uint8_t mask) {
    for (int i = 0; i < 8; ++i)
      if (mask & (0x80 >> i)) flags[8 + i] = i == 2 ? 0 : (v >> (7 - i)) & 1;
  }
};

class Replay {
 public:
  Replay(Image& image, const std::vector<Access>& log) : m_(image), log_(log) {}
  bool Done() const { return next_ == log_.size(); }

  uint8_t Read(uint16_t address) {
    const Access& a = Next();
    Check(!a.write && a.address == address, "unexpected register read");
    return a.value;
  }
  void Write(uint16_t address, uint8_t value) {
    const Access& a = Next();
    Check(a.write && a.address == address && a.value == value, "unexpected register write");
  }
  uint16_t Data() const { return m_.base; }
  uint16_t Status() const { return static_cast<uint16_t>(m_.base + 1); }
  uint16_t Control() const { return static_cast<uint16_t>(m_.base + 2); }

  void ReadData() {
    const uint8_t v = Read(Data());
    m_.DecodeData(v);
    m_.last_data = v;
  }
  void WriteData() {
    const uint8_t v = m_.ComposeData();
    if (v == m_.last_data) return;
    Write(Data(), v);
    m_.last_data = v;
  }
  void WriteDataByte(uint8_t v) {
    Write(Data(), v);
    m_.DecodeData(v);
    m_.last_data = v;
  }
  void ReadStatus() {
    const uint8_t v = Read(Status());
    for (int i = 0; i < 5; ++i) m_.flags[i] = (v >> (7 - i)) & 1;
  }
  void ReadControl() { m_.DecodeControl(Read(Control()), 0xFF); }
  void WriteControl() {
    const uint8_t v = m_.ComposeControl();
    Write(Control(), v);
    m_.last_control = v;
  }

 private:
  const Access& Next() {
    if (next_ == log_.size()) throw Stopped{};
    return log_[next_++];
  }
  Image& m_;
  const std::vector<Access>& log_;
  size_t next_ = 0;
};

struct Known {
  ParallelPort* port;
  Image image;
};

class Run {
 public:
  explicit Run(Input& in) : in_(in), services_(io_), control_(library_), manager_(control_, services_) {
    library_.load_results = in.Byte();
    library_.activate_results = in.Byte();
    services_.wow64 = (in.Byte() & 0x0F) == 0;
    io_.deaf_bases_mask = in.Byte();
    const int records = in.Byte() % 6;
    for (int i = 0; i < records; ++i) {
      static const char16_t* const kNames[] = {u"Printer Port (LPT1)", u"ECP (LPT2)", u"LPT10", u"(lpt1)", u"COM1", u"LPT3x"};
      const char16_t* name = kNames[in.Byte() % 6];
      const uint8_t kind = in.Byte();
      const int32_t starts[] = {0x378, 0x278, 0x3BC, 0, 0x10378, static_cast<int32_t>(in.Word())};
      services_.records.push_back({name, starts[kind % 6]});
    }
  }

  void Step() {
    g_faults_left = 0;
    const uint8_t op = in_.Byte();
    if ((op & 0xE0) == 0xE0) g_faults_left = 1 + in_.Byte() % 12;  // some steps carry a fault
    if ((op & 0x1F) < 8)
      ManagerStep(op & 0x1F);
    else
      PortStep(op & 0x1F);
  }

  ~Run() { g_faults_left = 0; }

 private:
  // Each operation runs as the interface runs it: whatever it raises is caught, and must be
  // one of the library's own errors.
  template <class F>
  bool Call(F&& body) {
    io_.fault = false;
    try {
      body();
      return true;
    } catch (const pp::Exception&) {
      return false;
    } catch (...) {
      Fail("an error that is not the library's own crossed an operation");
    }
  }

  bool NullOut() { return (in_.Byte() & 0x1F) == 0; }

  void Learn(ParallelPort* port) {
    if (!port) return;
    for (const Known& k : known_)
      if (k.port == port) return;
    known_.push_back({port, Image::Of(*port)});
    Check(port->Get(Flag::Bidirectional) == 0, "a port's Bidirectional flag is set");
  }
  void Resync() {
    for (Known& k : known_) k.image = Image::Of(*k.port);
  }

  void ManagerStep(int op) {
    const bool null_out = NullOut();
    const int fired_before = g_faults_fired;
    bool ok = true;
    ParallelPort* port = reinterpret_cast<ParallelPort*>(uintptr_t{1});
    int32_t index = 0;
    switch (op) {
      case 0: {
        uint8_t available = 7;
        ok = Call([&] { manager_.Start(null_out ? nullptr : &available); });
        if (ok) Check(available == (PortCount() > 0 ? 1 : 0), "Available disagrees with the port count");
        if (!ok && !null_out) Check(available == 0, "a failed Start left Available other than its default");
        break;
      }
      case 1:
        Check(Call([&] { manager_.Stop(); }), "Stop failed");
        known_.clear();  // the host must not use a port after Stop
        Check(!manager_.Started(), "Stop left the manager started");
        Check(!library_.loaded, "Stop left the driver loaded");
        return;
      case 2:
        ok = Call([&] { manager_.GetActivePort(null_out ? nullptr : &port); });
        break;
      case 3:
        ok = Call([&] { manager_.GetFirstPort(null_out ? nullptr : &port); });
        break;
      case 4:
        ok = Call([&] { manager_.GetDefaultPort(null_out ? nullptr : &port); });
        if (ok) Check(port != nullptr, "no default port");
        break;
      case 5: {
        int32_t count = -1;
        ok = Call([&] { manager_.GetPortCount(null_out ? nullptr : &count); });
        if (ok) Check(count >= 0 && count <= 16, "port count out of range");
        break;
      }
      default: {
        index = static_cast<int8_t>(in_.Byte());
        ok = Call([&] { manager_.GetPort(index, null_out ? nullptr : &port); });
        const int32_t count = PortCount();
        const bool outside = count > 0 && (index < 0 || index >= count);
        if (ok) Check(!outside, "GetPort accepted an index outside the list");
        if (ok) Check((port != nullptr) == (count > 0), "GetPort's port disagrees with the list");
        if (!ok && !null_out && g_faults_fired == fired_before) Check(outside, "GetPort failed for an index in the list");
        break;
      }
    }
    // A failed query leaves its interface out-parameter null.
    if (op >= 2 && op != 5 && !null_out) {
      if (!ok) Check(port == nullptr, "a failed query left its port out-parameter set");
      if (ok) Learn(port);
    }
    // Only a null out-parameter, an injected fault, or GetPort's index fails an operation.
    if (!ok && op < 6) Check(null_out || g_faults_fired != fired_before, "a manager operation failed without cause");
    // A start-up or an activity test moves the images; take them as they now are.
    Resync();
  }

  // The number of probed ports of a started manager, asked without any fault armed.
  int32_t PortCount() {
    if (!manager_.Started()) return 0;
    const int armed = std::exchange(g_faults_left, 0);
    int32_t count = -1;
    Check(Call([&] { manager_.GetPortCount(&count); }), "GetPortCount failed on a started manager");
    g_faults_left = armed;
    return count;
  }

  void PortStep(int op) {
    if (known_.empty()) return;
    Known& k = known_[in_.Byte() % known_.size()];
    ParallelPort& p = *k.port;
    io_.log.clear();
    Image expected = k.image;
    const uint8_t a = in_.Byte(), b = in_.Byte();
    bool ok = true;
    uint8_t out = 7;
    bool replayed = true;
    Replay r(expected, io_.log);
    const int fired_before = g_faults_fired;
    auto replay = [&](auto&& rule) {
      try {
        rule();
      } catch (const Stopped&) {
        Check(!ok && g_faults_fired != fired_before, "the port stopped short of an access without a fault");
        return;
      }
      Check(r.Done(), "the port made more register accesses than its rule");
    };
    switch (op) {
      case 8: {  // a flag setter with any byte
        const Flag f = static_cast<Flag>(a % 24);
        p.Set(f, b);
        if (f != Flag::Bidirectional) expected.F(f) = b;
        break;
      }
      case 9:
        Check(p.ComposeData() == expected.ComposeData(), "ComposeData");
        Check(p.ComposeControl() == expected.ComposeControl(), "ComposeControl");
        Check(p.ComposeStatus() == expected.ComposeStatus() && (p.ComposeStatus() & 7) == 0, "ComposeStatus");
        break;
      case 10:
        p.SetBaseAddress(a | b << 8);
        expected.base = static_cast<uint16_t>(a | b << 8);
        Check(p.StatusAddress() == static_cast<uint16_t>(expected.base + 1) &&
                  p.ControlAddress() == static_cast<uint16_t>(expected.base + 2) && p.DataAddress() == expected.base,
              "register addresses");
        break;
      case 11:
        ok = Call([&] { p.WriteDataByte(a); });
        replay([&] { r.WriteDataByte(a); });
        break;
      case 12:
        ok = Call([&] { p.WriteData(); });
        replay([&] { r.WriteData(); });
        break;
      case 13:
        ok = Call([&] { p.WriteControlMasked(a, b); });
        replay([&] {
          expected.DecodeControl(a, b);
          r.WriteControl();
        });
        break;
      case 14:
        ok = Call([&] { p.WriteControl(); });
        replay([&] { r.WriteControl(); });
        break;
      case 15:
        ok = Call([&] { p.ReadData(); });
        replay([&] { r.ReadData(); });
        break;
      case 16:
        ok = Call([&] { p.ReadStatus(); });
        replay([&] { r.ReadStatus(); });
        break;
      case 17:
        ok = Call([&] { p.ReadControl(); });
        replay([&] { r.ReadControl(); });
        break;
      case 18:
        ok = Call([&] { p.PulseInitialize(); });
        replay([&] {
          r.ReadControl();
          expected.F(Flag::InitializePrinter) = 0;
          r.WriteControl();
          expected.F(Flag::InitializePrinter) = 1;
          r.WriteControl();
        });
        break;
      case 19: {
        const bool null_out = NullOut();
        ok = Call([&] { p.ProbePort(null_out ? nullptr : &out); });
        if (null_out) {
          Check(!ok && io_.log.empty(), "a probe with a null out-parameter went ahead");
          break;
        }
        bool present = false;
        replay([&] {
          r.WriteDataByte(0x55);
          r.ReadData();
          if (expected.last_data != 0x55) return;
          r.WriteDataByte(0xAA);
          r.ReadData();
          present = expected.last_data == 0xAA;
        });
        Check(out == (ok && present ? 1 : 0), "ProbePort's Present");
        break;
      }
      case 20: {
        const bool null_out = NullOut();
        ok = Call([&] { p.IsPortActive(null_out ? nullptr : &out); });
        bool active = false;
        replay([&] {
          expected.F(Flag::D6) = 1;
          r.WriteData();
          r.ReadStatus();
          const bool first = !expected.F(Flag::Busy) && expected.F(Flag::PaperOut);
          expected.F(Flag::D6) = 0;
          r.WriteData();
          r.ReadStatus();
          active = first && expected.F(Flag::Busy) && !expected.F(Flag::PaperOut);
        });
        if (ok) Check(!null_out && out == (active ? 1 : 0), "IsPortActive's Active");
        if (!ok && !null_out) Check(out == 7, "a failed activity test touched its out-parameter");
        break;
      }
      default:
        replayed = false;
        Check(Image::Of(p) == k.image, "a port changed while nobody touched it");
        break;
    }
    (void)replayed;
    if (!ok) Check(g_faults_fired != fired_before || op == 19 || op == 20, "a port operation failed without cause");
    Check(Image::Of(p) == expected, "the register image disagrees with the accesses");
    Check(p.Get(Flag::Bidirectional) == 0, "Bidirectional set");
    k.image = expected;
  }

  Input& in_;
  FakeRegisters io_;
  FakeLibrary library_;
  FakeServices services_;
  pp::driver::DriverControl control_;
  pp::plugin::PortManager manager_;
  std::vector<Known> known_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  auto run = std::make_unique<Run>(in);
  for (int steps = 0; !in.Empty() && steps < 400; ++steps) run->Step();
  return 0;
}
