#include "engine/transcript.h"

#include <cstdio>

#include "engine/match_state.h"

namespace tanvorel {

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

void TranscriptWriter::BeginMatch(long long seed, const std::string& name) {
  out_ << "{\"ev\":\"match\",\"seed\":" << seed << ",\"name\":" << JsonString(name) << "}\n";
}

void TranscriptWriter::EndMatch(int t1, int w1, int t2, int w2) {
  out_ << "{\"ev\":\"end\",\"T1\":" << t1 << ",\"W1\":" << w1 << ",\"T2\":" << t2 << ",\"W2\":" << w2 << "}\n";
}

void TranscriptWriter::OnRandom(float r) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(r));
  out_ << "{\"ev\":\"rand\",\"r\":" << buf << "}\n";
}

void TranscriptWriter::OnMessage(float number) {
  out_ << "{\"ev\":\"message\",\"n\":\"" << MessageNumberText(number) << "\"}\n";
}

void TranscriptWriter::OnNotepadText(const std::string& text) {
  out_ << "{\"ev\":\"notepad\",\"text\":" << JsonString(text) << "}\n";
}

void TranscriptWriter::OnPlay(int position, int slot, int card) {
  out_ << "{\"ev\":\"play\",\"pos\":" << position << ",\"slot\":" << slot << ",\"card\":" << card << "}\n";
}

void TranscriptWriter::OnCaption(SheetLabel label, int index, const std::string& text) {
  out_ << "{\"ev\":\"caption\",\"label\":\"" << SheetLabelName(label) << "\",\"i\":" << index
       << ",\"text\":" << JsonString(text) << "}\n";
}

void TranscriptWriter::OnMode(bool demo) { out_ << "{\"ev\":\"mode\",\"demo\":" << (demo ? "true" : "false") << "}\n"; }

void TranscriptWriter::OnHighlight(const std::array<bool, 5>& marked) {
  out_ << "{\"ev\":\"highlight\",\"persons\":[";
  bool first = true;
  for (int person = 1; person <= 4; ++person) {
    if (!marked[static_cast<std::size_t>(person)]) continue;
    if (!first) out_ << ",";
    out_ << person;
    first = false;
  }
  out_ << "]}\n";
}

void TranscriptWriter::OnClose() { out_ << "{\"ev\":\"close\"}\n"; }

}  // namespace tanvorel
