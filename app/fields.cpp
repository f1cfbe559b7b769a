#include "app/fields.h"

#include <functional>
#include <map>

#include "app/TForm1.h"

namespace {

template <class T>
std::string text(const T& v) {
  return std::to_string(static_cast<long long>(v));
}

std::string text(const QString& s) { return s.toStdString(); }

std::string text(const ShortString& s) { return std::string(s.chars, s.len); }

template <class T, int Lo, int Hi>
std::string text(const Arr<T, Lo, Hi>& a) {
  std::string out;
  for (int i = Lo; i <= Hi; ++i) {
    if (i != Lo) out += ',';
    out += text(a[i]);
  }
  return out;
}

template <class T, int R, int C>
std::string text(const Table<T, R, C>& t) {
  std::string out;
  for (int r = 1; r <= R; ++r)
    for (int c = 1; c <= C; ++c) {
      if (!out.empty()) out += ',';
      out += text(t(r, c));
    }
  return out;
}

template <size_t N>
std::string text(const uint8_t (&bytes)[N]) {
  std::string out;
  for (size_t i = 0; i < N; ++i) {
    if (i) out += ',';
    out += text(bytes[i]);
  }
  return out;
}

using Reader = std::function<std::string(TForm1&)>;

const std::map<std::string, Reader>& readers() {
  static const std::map<std::string, Reader> all = [] {
    std::map<std::string, Reader> m;
#define FIELD(T, N) m[#N] = [](TForm1& f) { return text(f.N); };
#define ARRAY(T, N, LO, HI) FIELD(T, N)
#define TEXT(N) FIELD(QString, N)
#define TABLE(T, N, R, C) FIELD(T, N)
#define HOLES(T, N) FIELD(T, N)
#define BYTES(N, COUNT) FIELD(uint8_t, N)
#include "app/fields.def"
#include "editor/coursefile.def"
#include "progress/savedata.def"
#undef FIELD
#undef ARRAY
#undef TEXT
#undef TABLE
#undef HOLES
#undef BYTES
    return m;
  }();
  return all;
}

}  // namespace

std::optional<std::string> fieldText(TForm1& form, const std::string& name) {
  auto it = readers().find(name);
  if (it == readers().end()) return std::nullopt;
  return it->second(form);
}
