// Writes description trees back as text in the syntax the parser reads. Pure code, any thread.
#include <cstdio>
#include <string_view>

#include "framework/description/description.h"

namespace {

void Indent(std::string& out, int depth) {
  out.append(static_cast<size_t>(depth) * 2, ' ');
}

// Printable ASCII stays quoted; every other byte is written as #code so the text stays 7-bit.
std::string QuoteString(const std::string& s) {
  if (s.empty()) return "''";
  std::string out;
  bool inQuote = false;
  for (unsigned char c : s) {
    if (c >= 32 && c < 127) {
      if (!inQuote) out += '\'';
      inQuote = true;
      if (c == '\'') out += '\'';
      out += static_cast<char>(c);
    } else {
      if (inQuote) out += '\'';
      inQuote = false;
      out += "#" + std::to_string(c);
    }
  }
  if (inQuote) out += '\'';
  return out;
}

void FormatValue(std::string& out, const TDescValue& v, int depth) {
  switch (v.kind) {
    case TDescValue::Integer:
      out += std::to_string(v.integer);
      break;
    case TDescValue::Float: {
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.17g", v.real);
      out += buf;
      // A whole number keeps a fraction so that it reads back as a real, not an integer.
      if (std::string_view(buf).find_first_of(".e") == std::string_view::npos) out += ".0";
      break;
    }
    case TDescValue::String:
      out += QuoteString(v.text);
      break;
    case TDescValue::Ident:
      out += v.text;
      break;
    case TDescValue::Set:
      out += "[";
      for (size_t i = 0; i < v.items.size(); ++i) out += (i ? ", " : "") + v.items[i];
      out += "]";
      break;
    case TDescValue::List:
      out += "(";
      for (const TDescValue& item : v.list) {
        out += "\n";
        Indent(out, depth + 1);
        FormatValue(out, item, depth + 1);
      }
      out += ")";
      break;
    case TDescValue::Collection:
      out += "<";
      for (const auto& item : v.collection) {
        out += "\n";
        Indent(out, depth + 1);
        out += "item\n";
        for (const TDescProperty& p : item) {
          Indent(out, depth + 2);
          out += p.name + " = ";
          FormatValue(out, p.value, depth + 2);
          out += "\n";
        }
        Indent(out, depth + 1);
        out += "end";
      }
      out += ">";
      break;
    case TDescValue::Binary: {
      static const char* hex = "0123456789ABCDEF";
      out += "{";
      for (size_t i = 0; i < v.bytes.size(); ++i) {
        if (i % 32 == 0) {
          out += "\n";
          Indent(out, depth + 1);
        }
        out += hex[v.bytes[i] >> 4];
        out += hex[v.bytes[i] & 15];
      }
      out += "}";
      break;
    }
  }
}

void FormatObject(std::string& out, const TDescObject& obj, int depth) {
  Indent(out, depth);
  out += "object " + (obj.name.empty() ? obj.className : obj.name + ": " + obj.className) + "\n";
  for (const TDescProperty& p : obj.properties) {
    Indent(out, depth + 1);
    out += p.name + " = ";
    FormatValue(out, p.value, depth + 1);
    out += "\n";
  }
  for (const TDescObject& child : obj.children) FormatObject(out, child, depth + 1);
  Indent(out, depth);
  out += "end\n";
}

}  // namespace

std::string FormatDescription(const TDescObject& root) {
  std::string out;
  FormatObject(out, root, 0);
  return out;
}
