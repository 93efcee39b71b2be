#include "app/RichText.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "common/Cp1251.h"
#include "common/Utf8Text.h"

namespace velora {
namespace {

constexpr const char* kHeader =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1"
    "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset204 Courier New;}}"
    "\\pard\\plain\\f0\\fs20 ";

void AppendEscaped(std::string& out, char32_t code) {
  char escape[24];
  if (code == '\\' || code == '{' || code == '}') {
    out += '\\';
    out += static_cast<char>(code);
  } else if (code == '\t') {
    out += "\\tab ";
  } else if (code >= 0x20 && code < 0x80) {
    out += static_cast<char>(code);
  } else if (auto byte = Cp1251Code(code); byte && code >= 0x80) {
    std::snprintf(escape, sizeof escape, "\\'%02x", static_cast<unsigned>(*byte));
    out += escape;
  } else if (code > 0xFFFF) {
    // Beyond 16 bits a character goes as its two surrogates, as word processors write it.
    const char32_t offset = code - 0x10000;
    AppendEscaped(out, 0xD800 + (offset >> 10));
    AppendEscaped(out, 0xDC00 + (offset & 0x3FF));
  } else {
    // \u takes a signed 16-bit number; '?' is what readers without Unicode show.
    std::snprintf(escape, sizeof escape, "\\u%d?", static_cast<int>(static_cast<int16_t>(code)));
    out += escape;
  }
}

// A small reader of the control words that carry text; everything else is skipped.
class RichTextReader {
 public:
  explicit RichTextReader(std::string_view rtf) : rtf_(rtf) {}

  std::vector<std::string> Read() {
    int depth = 0;
    int skippedDepth = 0;  // depth of a group whose text is not document text
    while (pos_ < rtf_.size()) {
      const char c = rtf_[pos_++];
      if (c == '{') {
        ++depth;
      } else if (c == '}') {
        if (skippedDepth == depth) skippedDepth = 0;
        --depth;
      } else if (c == '\\') {
        ControlWord(depth, skippedDepth);
      } else if (c != '\r' && c != '\n' && skippedDepth == 0) {
        FlushSurrogate();
        // Bytes beyond ASCII are characters of the document's code page, Windows-1251.
        if (static_cast<unsigned char>(c) < 0x80) {
          line_ += c;
        } else {
          line_ += Cp1251ToUtf8(std::string_view(&c, 1));
        }
      }
    }
    FlushSurrogate();
    if (!line_.empty()) lines_.push_back(line_);
    return lines_;
  }

 private:
  void ControlWord(int depth, int& skippedDepth) {
    if (pos_ >= rtf_.size()) return;
    const char first = rtf_[pos_];
    if (first == '\\' || first == '{' || first == '}') {
      ++pos_;
      if (skippedDepth == 0) line_ += first;
      return;
    }
    if (first == '\'') {
      ++pos_;
      const std::string hex(rtf_.substr(pos_, 2));
      if (hex.size() < 2 || !std::isxdigit(static_cast<unsigned char>(hex[0])) ||
          !std::isxdigit(static_cast<unsigned char>(hex[1]))) {
        return;
      }
      pos_ += 2;
      const auto value = static_cast<char>(std::strtoul(hex.c_str(), nullptr, 16));
      if (skippedDepth == 0) line_ += Cp1251ToUtf8(std::string(1, value));
      return;
    }
    if (first == '*') {
      ++pos_;
      if (skippedDepth == 0) skippedDepth = depth;
      return;
    }
    std::string word;
    while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) {
      word += rtf_[pos_++];
    }
    if (word.empty()) {
      // A control symbol such as \- (optional hyphen) or \~: nothing the text view shows.
      ++pos_;
      return;
    }
    const std::optional<long> parameter = ReadParameter();
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
    Apply(word, parameter, depth, skippedDepth);
  }

  // The signed number after a control word. A number too long for any control word becomes
  // kOutOfRange; a lone "-" is no number.
  std::optional<long> ReadParameter() {
    std::size_t at = pos_;
    const bool negative = at < rtf_.size() && rtf_[at] == '-';
    if (negative) ++at;
    if (at >= rtf_.size() || !std::isdigit(static_cast<unsigned char>(rtf_[at]))) return {};
    long value = 0;
    for (; at < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[at])); ++at) {
      if (value < kOutOfRange) value = value * 10 + (rtf_[at] - '0');
    }
    pos_ = at;
    if (value >= kOutOfRange) return kOutOfRange;
    return negative ? -value : value;
  }

  // \u carries a signed 16-bit number; pairs of surrogates make one character, and anything
  // else that is no character becomes U+FFFD.
  void AppendUnicode(long parameter) {
    long code = parameter;
    if (code < -32768 || code > 65535) code = kReplacement;
    if (code < 0) code += 65536;
    const auto unit = static_cast<char32_t>(code);
    if (highSurrogate_ != 0) {
      const char32_t high = highSurrogate_;
      highSurrogate_ = 0;
      if (unit >= 0xDC00 && unit <= 0xDFFF) {
        AppendUtf8(line_, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
        return;
      }
      AppendUtf8(line_, kReplacement);
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      highSurrogate_ = unit;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      AppendUtf8(line_, kReplacement);
    } else {
      AppendUtf8(line_, unit);
    }
  }

  // A first half of a pair that no second half followed.
  void FlushSurrogate() {
    if (highSurrogate_ == 0) return;
    highSurrogate_ = 0;
    AppendUtf8(line_, kReplacement);
  }

  static constexpr long kOutOfRange = 1000000000L;
  static constexpr char32_t kReplacement = 0xFFFD;

  void Apply(const std::string& word, std::optional<long> parameter, int depth, int& skippedDepth) {
    if (word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "info" ||
        word == "pict") {
      if (skippedDepth == 0) skippedDepth = depth;
      return;
    }
    if (skippedDepth != 0) return;
    if (word == "par" || word == "line") {
      FlushSurrogate();
      lines_.push_back(line_);
      line_.clear();
    } else if (word == "tab") {
      line_ += '\t';
    } else if (word == "u") {
      AppendUnicode(parameter.value_or(kOutOfRange));
      if (pos_ < rtf_.size() && rtf_[pos_] == '?') ++pos_;  // the one-character fallback
    }
  }

  std::string_view rtf_;
  std::size_t pos_ = 0;
  std::string line_;
  std::vector<std::string> lines_;
  char32_t highSurrogate_ = 0;  // the first half of a pair, waiting for the second
};

}  // namespace

std::string RichTextFromLines(const std::vector<std::string>& utf8Lines) {
  std::string out = kHeader;
  for (const std::string& line : utf8Lines) {
    for (std::size_t pos = 0; pos < line.size();) AppendEscaped(out, NextCodePoint(line, pos));
    out += "\\par\r\n";
  }
  out += "}\r\n";
  return out;
}

std::vector<std::string> LinesFromRichText(std::string_view rtf) {
  return RichTextReader(rtf).Read();
}

bool LooksLikeRichText(std::string_view content) {
  return content.substr(0, 5) == "{\\rtf";
}

}  // namespace velora
