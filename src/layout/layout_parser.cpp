#include "layout/layout_parser.h"

#include <limits>
#include <string>

#include "layout/read_error.h"

namespace pp::layout {

namespace {

enum class Token { End, Identifier, Integer, String, Punct };

bool IsIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentPart(char c) { return IsIdentStart(c) || IsDigit(c); }
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Printable(std::string_view s) {
  std::string out;
  for (char c : s.substr(0, 40)) {
    auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F) {
      out += c;
    } else {
      static const char digits[] = "0123456789ABCDEF";
      out += "\\x";
      out += digits[u >> 4];
      out += digits[u & 15];
    }
  }
  return out;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

class Parser {
 public:
  Parser(std::string_view text, std::string_view resource) : text_(text), resource_(resource) { Next(); }

  ObjectNode Document() {
    if (token_ == Token::End) Fail("the layout is empty");
    ObjectNode root = Object(1);
    if (token_ != Token::End) Fail("unexpected " + Describe() + " after the last \"end\"");
    return root;
  }

 private:
  [[noreturn]] void Fail(std::string_view problem) { RaiseReadError(resource_, token_line_, problem); }
  [[noreturn]] void FailAt(int line, std::string_view problem) { RaiseReadError(resource_, line, problem); }

  bool IsKeyword(std::string_view word) const { return token_ == Token::Identifier && spelling_ == word; }
  bool IsPunct(char c) const { return token_ == Token::Punct && spelling_[0] == c; }

  std::string Describe() const {
    switch (token_) {
      case Token::End: return "end of the resource";
      case Token::Identifier: return "\"" + Printable(spelling_) + "\"";
      case Token::Integer: return "number " + Printable(spelling_);
      case Token::String: return "string";
      case Token::Punct: return "\"" + Printable(spelling_) + "\"";
    }
    return {};
  }

  void Expect(char c, std::string_view what) {
    if (!IsPunct(c)) Fail(std::string("expected ") + std::string(what) + ", found " + Describe());
    Next();
  }
  // "object" and "end" are reserved: they never name anything or stand as a value.
  bool IsReserved() const { return IsKeyword("object") || IsKeyword("end"); }

  std::string ExpectIdentifier(std::string_view what) {
    if (token_ != Token::Identifier || IsReserved()) Fail(std::string("expected ") + std::string(what) + ", found " + Describe());
    std::string name = spelling_;
    Next();
    return name;
  }

  // object Name: Class <properties and objects> end
  ObjectNode Object(int depth) {
    if (depth > kMaxNesting) Fail("objects nested more than " + std::to_string(kMaxNesting) + " deep");
    if (!IsKeyword("object")) Fail("expected \"object\", found " + Describe());
    ObjectNode node;
    node.line = token_line_;
    Next();
    node.name = ExpectIdentifier("an object name");
    Expect(':', "\":\" after the object name");
    node.class_name = ExpectIdentifier("a class name");
    for (;;) {
      if (token_ == Token::End)
        Fail("object \"" + node.name + "\" (line " + std::to_string(node.line) + ") is not closed by \"end\"");
      if (IsKeyword("end")) {
        Next();
        return node;
      }
      if (IsKeyword("object")) {
        node.children.push_back(Object(depth + 1));
        continue;
      }
      node.properties.push_back(Property());
    }
  }

  // Path = value
  PropertyLine Property() {
    PropertyLine line;
    line.line = token_line_;
    if (token_ != Token::Identifier) Fail("expected a property name, \"object\" or \"end\", found " + Describe());
    line.path = spelling_;
    Next();
    while (IsPunct('.')) {
      Next();
      line.path += '.';
      line.path += ExpectIdentifier("a property name after \".\"");
    }
    Expect('=', "\"=\" after \"" + line.path + "\"");
    line.value = PropertyValue();
    return line;
  }

  Value PropertyValue() {
    Value v;
    if (IsPunct('[')) {
      v.kind = Value::Kind::Set;
      Next();
      if (!IsPunct(']')) {
        for (;;) {
          v.members.push_back(ExpectIdentifier("a set member"));
          if (IsPunct(']')) break;
          Expect(',', "\",\" or \"]\" in a set");
        }
      }
      Next();
      return v;
    }
    if (IsPunct('(')) {
      v.kind = Value::Kind::List;
      int open_line = token_line_;
      Next();
      while (!IsPunct(')')) {
        if (token_ == Token::End) FailAt(open_line, "list is not closed by \")\"");
        if (token_ == Token::Punct) Fail("unexpected " + Describe() + " in a list");
        v.items.push_back(Scalar());
      }
      Next();
      return v;
    }
    return Scalar();
  }

  // An integer, an identifier, or strings joined with +.
  Value Scalar() {
    Value v;
    switch (token_) {
      case Token::Integer:
        v.kind = Value::Kind::Integer;
        v.integer = integer_;
        Next();
        return v;
      case Token::Identifier:
        if (IsReserved()) Fail("expected a value, found " + Describe());
        v.kind = Value::Kind::Identifier;
        v.text = spelling_;
        Next();
        return v;
      case Token::String:
        v.kind = Value::Kind::String;
        v.text = spelling_;
        Next();
        while (IsPunct('+')) {
          Next();
          if (token_ != Token::String) Fail("expected a string after \"+\", found " + Describe());
          v.text += spelling_;
          Next();
        }
        return v;
      default:
        Fail("expected a value, found " + Describe());
    }
  }

  // ---- lexer ----

  void SkipBlanks() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else {
        return;
      }
    }
  }

  void Next() {
    SkipBlanks();
    token_line_ = line_;
    spelling_.clear();
    if (pos_ >= text_.size()) {
      token_ = Token::End;
      return;
    }
    char c = text_[pos_];
    if (IsIdentStart(c)) {
      size_t start = pos_;
      while (pos_ < text_.size() && IsIdentPart(text_[pos_])) ++pos_;
      spelling_.assign(text_.substr(start, pos_ - start));
      token_ = Token::Identifier;
    } else if (IsDigit(c) || (c == '-' && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1]))) {
      Number();
    } else if (c == '"') {
      String();
    } else if (std::string_view(":=.[](),+").find(c) != std::string_view::npos) {
      spelling_.assign(1, c);
      token_ = Token::Punct;
      ++pos_;
    } else {
      spelling_.assign(1, c);
      Fail("unexpected character \"" + Printable(spelling_) + "\"");
    }
  }

  // Decimal with an optional minus, or 0x followed by hex digits; at most 64 bits.
  void Number() {
    size_t start = pos_;
    bool negative = text_[pos_] == '-';
    if (negative) ++pos_;
    std::uint64_t magnitude = 0;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    bool overflow = false;
    if (text_[pos_] == '0' && pos_ + 1 < text_.size() && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
      pos_ += 2;
      size_t digits = 0;
      for (int d; pos_ < text_.size() && (d = HexDigit(text_[pos_])) >= 0; ++pos_, ++digits) {
        if (magnitude > (kMax >> 4)) overflow = true;
        magnitude = (magnitude << 4) | static_cast<unsigned>(d);
      }
      if (digits == 0) Fail("\"0x\" without hex digits");
    } else {
      for (; pos_ < text_.size() && IsDigit(text_[pos_]); ++pos_) {
        unsigned d = static_cast<unsigned>(text_[pos_] - '0');
        if (magnitude > (kMax - d) / 10) overflow = true;
        magnitude = magnitude * 10 + d;
      }
    }
    spelling_.assign(text_.substr(start, pos_ - start));
    if (pos_ < text_.size() && IsIdentPart(text_[pos_])) Fail("malformed number \"" + Printable(spelling_) + "\"");
    constexpr std::uint64_t kMin = std::uint64_t{1} << 63;
    if (overflow || (negative ? magnitude > kMin : magnitude > std::uint64_t{std::numeric_limits<std::int64_t>::max()}))
      Fail("number " + Printable(spelling_) + " is out of range");
    integer_ = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    token_ = Token::Integer;
  }

  void String() {
    ++pos_;  // opening quote
    for (;;) {
      if (pos_ >= text_.size() || text_[pos_] == '\n') Fail("string is not closed by a quote");
      char c = text_[pos_++];
      if (c == '"') break;
      if (c != '\\') {
        spelling_ += c;
        continue;
      }
      if (pos_ >= text_.size()) Fail("string is not closed by a quote");
      char e = text_[pos_++];
      switch (e) {
        case '"': spelling_ += '"'; break;
        case '\\': spelling_ += '\\'; break;
        case 'n': spelling_ += '\n'; break;
        case 'r': spelling_ += '\r'; break;
        case 't': spelling_ += '\t'; break;
        case 'x': spelling_ += static_cast<char>(Hex(2)); break;
        case 'u': {
          std::uint32_t cp = Hex(4);
          if (cp >= 0xD800 && cp <= 0xDFFF) Fail("\\u escape names a surrogate");
          AppendUtf8(spelling_, cp);
          break;
        }
        default: Fail("unknown escape \"\\" + Printable(std::string(1, e)) + "\" in a string");
      }
    }
    token_ = Token::String;
  }

  std::uint32_t Hex(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
      int d = pos_ < text_.size() ? HexDigit(text_[pos_]) : -1;
      if (d < 0) Fail("escape needs " + std::to_string(count) + " hex digits");
      value = (value << 4) | static_cast<unsigned>(d);
      ++pos_;
    }
    return value;
  }

  std::string_view text_;
  std::string_view resource_;
  size_t pos_ = 0;
  int line_ = 1;
  int token_line_ = 1;
  Token token_ = Token::End;
  std::string spelling_;
  std::int64_t integer_ = 0;
};

}  // namespace

ObjectNode ParseLayout(std::string_view text, std::string_view resource) {
  // A resource compiled in may carry trailing zero bytes (padding); they end the text.
  if (auto zero = text.find('\0'); zero != std::string_view::npos) {
    if (text.find_first_not_of('\0', zero) != std::string_view::npos) {
      int line = 1;
      for (char c : text.substr(0, zero)) line += c == '\n';
      RaiseReadError(resource, line, "zero byte inside the layout text");
    }
    text = text.substr(0, zero);
  }
  return Parser(text, resource).Document();
}

}  // namespace pp::layout
